# zavo_deploy_windows_runtime(<target>): after <target> is built, puts beside it what a Windows
# program of this project loads at run time: the Qt DLLs, Qt's platform, style and image-format
# plug-ins and the mingw runtime. Hard links where the file system allows, copies elsewhere.
# `cmake --install` copies the client's share of them (not what only the tests load), which is
# the folder that the installer and the portable zip are made of.
get_filename_component(ZAVO_QT_DIR "${Qt5Core_DIR}/../../.." ABSOLUTE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
    OUTPUT_VARIABLE ZAVO_LIBSTDCXX_DLL OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(ZAVO_GCC_DLL_DIR "${ZAVO_LIBSTDCXX_DLL}" DIRECTORY)
find_file(ZAVO_WINPTHREAD_DLL libwinpthread-1.dll
    PATHS /usr/x86_64-w64-mingw32/lib /usr/x86_64-w64-mingw32/bin NO_DEFAULT_PATH)
set(ZAVO_MINGW_RUNTIME
    ${ZAVO_GCC_DLL_DIR}/libstdc++-6.dll
    ${ZAVO_GCC_DLL_DIR}/libgcc_s_seh-1.dll
    ${ZAVO_WINPTHREAD_DLL})
set(ZAVO_WINDOWS_CLIENT_RUNTIME ${ZAVO_MINGW_RUNTIME})
foreach(module Core Gui Widgets Network Concurrent)
    list(APPEND ZAVO_WINDOWS_CLIENT_RUNTIME ${ZAVO_QT_DIR}/bin/Qt5${module}.dll)
endforeach()
set(ZAVO_WINDOWS_RUNTIME ${ZAVO_WINDOWS_CLIENT_RUNTIME} ${ZAVO_QT_DIR}/bin/Qt5Test.dll)
foreach(file IN LISTS ZAVO_WINDOWS_RUNTIME)
    if(NOT EXISTS ${file})
        message(FATAL_ERROR "Windows runtime file not found: ${file}")
    endif()
endforeach()
set(ZAVO_WINDOWS_CLIENT_PLUGINS
    platforms/qwindows.dll
    styles/qwindowsvistastyle.dll
    imageformats/qico.dll imageformats/qjpeg.dll imageformats/qgif.dll)
set(ZAVO_WINDOWS_PLUGINS ${ZAVO_WINDOWS_CLIENT_PLUGINS} platforms/qoffscreen.dll)

install(FILES ${ZAVO_WINDOWS_CLIENT_RUNTIME} DESTINATION .)
foreach(plugin IN LISTS ZAVO_WINDOWS_CLIENT_PLUGINS)
    get_filename_component(folder ${plugin} DIRECTORY)
    install(FILES ${ZAVO_QT_DIR}/plugins/${plugin} DESTINATION ${folder})
endforeach()
# `cmake --install --strip` strips the mingw runtime too: Debian's libstdc++ DLL carries its
# debugging information (some 20 MB).
foreach(file IN LISTS ZAVO_MINGW_RUNTIME)
    get_filename_component(name ${file} NAME)
    install(CODE "if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-debug \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${name}\"
            COMMAND_ERROR_IS_FATAL ANY)
    endif()")
endforeach()

function(zavo_deploy_windows_runtime target)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -DDEST=$<TARGET_FILE_DIR:${target}> "-DFILES=${ZAVO_WINDOWS_RUNTIME}"
            -DQT_PLUGINS=${ZAVO_QT_DIR}/plugins "-DPLUGINS=${ZAVO_WINDOWS_PLUGINS}"
            -P ${CMAKE_SOURCE_DIR}/cmake/DeployWindowsRuntime.cmake
        VERBATIM)
endfunction()
