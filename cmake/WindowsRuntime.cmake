# zavo_deploy_windows_runtime(<target>): after <target> is built, puts beside it what a Windows
# program of this project loads at run time: the Qt DLLs, Qt's platform, style and image-format
# plug-ins and the mingw runtime. Hard links where the file system allows, copies elsewhere.
get_filename_component(ZAVO_QT_DIR "${Qt5Core_DIR}/../../.." ABSOLUTE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
    OUTPUT_VARIABLE ZAVO_LIBSTDCXX_DLL OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(ZAVO_GCC_DLL_DIR "${ZAVO_LIBSTDCXX_DLL}" DIRECTORY)
find_file(ZAVO_WINPTHREAD_DLL libwinpthread-1.dll
    PATHS /usr/x86_64-w64-mingw32/lib /usr/x86_64-w64-mingw32/bin NO_DEFAULT_PATH)
set(ZAVO_WINDOWS_RUNTIME
    ${ZAVO_GCC_DLL_DIR}/libstdc++-6.dll
    ${ZAVO_GCC_DLL_DIR}/libgcc_s_seh-1.dll
    ${ZAVO_WINPTHREAD_DLL})
foreach(module Core Gui Widgets Network Concurrent Test)
    list(APPEND ZAVO_WINDOWS_RUNTIME ${ZAVO_QT_DIR}/bin/Qt5${module}.dll)
endforeach()
foreach(file IN LISTS ZAVO_WINDOWS_RUNTIME)
    if(NOT EXISTS ${file})
        message(FATAL_ERROR "Windows runtime file not found: ${file}")
    endif()
endforeach()
set(ZAVO_WINDOWS_PLUGINS
    platforms/qwindows.dll platforms/qoffscreen.dll
    styles/qwindowsvistastyle.dll
    imageformats/qico.dll imageformats/qjpeg.dll imageformats/qgif.dll)

function(zavo_deploy_windows_runtime target)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -DDEST=$<TARGET_FILE_DIR:${target}> "-DFILES=${ZAVO_WINDOWS_RUNTIME}"
            -DQT_PLUGINS=${ZAVO_QT_DIR}/plugins "-DPLUGINS=${ZAVO_WINDOWS_PLUGINS}"
            -P ${CMAKE_SOURCE_DIR}/cmake/DeployWindowsRuntime.cmake
        VERBATIM)
endfunction()
