# Windows: the client's version resource and icon, and the installer script that
# scripts/package.sh runs makensis on, both with the version the client reports (APP_VERSION in
# ddc/VcpCodes.h, "V<a>.<b>.<c>.<d>[_suffix]").
enable_language(RC)

file(STRINGS ${CMAKE_SOURCE_DIR}/ddc/VcpCodes.h version_line REGEX "APP_VERSION = ")
if(NOT version_line MATCHES "\"(V([0-9]+)\\.([0-9]+)\\.([0-9]+)\\.([0-9]+)[^\"]*)\"")
    message(FATAL_ERROR "No APP_VERSION of the form V1.2.3.4 in ddc/VcpCodes.h")
endif()
set(ZAVO_APP_VERSION ${CMAKE_MATCH_1})
set(ZAVO_FILE_VERSION ${CMAKE_MATCH_2}.${CMAKE_MATCH_3}.${CMAKE_MATCH_4}.${CMAKE_MATCH_5})
set(ZAVO_FILE_VERSION_COMMAS ${CMAKE_MATCH_2},${CMAKE_MATCH_3},${CMAKE_MATCH_4},${CMAKE_MATCH_5})
# The Debian package is named after the project's version: the two must not drift apart.
if(NOT ZAVO_FILE_VERSION MATCHES "^${PROJECT_VERSION_MAJOR}\\.${PROJECT_VERSION_MINOR}\\.${PROJECT_VERSION_PATCH}\\.")
    message(FATAL_ERROR "APP_VERSION ${ZAVO_APP_VERSION} does not match the project's version ${PROJECT_VERSION}")
endif()

set(ZAVO_ICON ${CMAKE_SOURCE_DIR}/resources/Image/Resource/favicon.ico)
configure_file(${CMAKE_SOURCE_DIR}/resources/windows/ZavoClient.rc.in ${CMAKE_BINARY_DIR}/windows/ZavoClient.rc @ONLY)
target_sources(ZavoClient PRIVATE ${CMAKE_BINARY_DIR}/windows/ZavoClient.rc)
configure_file(${CMAKE_SOURCE_DIR}/resources/windows/ZavoClient.nsi.in ${CMAKE_BINARY_DIR}/windows/ZavoClient.nsi @ONLY)
