# `cpack -G DEB` in a build folder (scripts/package.sh does it) makes zavo-client_<version>_amd64.deb:
# the client folder of `cmake --install` under /opt/zavo-client, and what the system itself reads
# (menu entry, icons, udev rule, i2c-dev module list) moved to /usr by DebianLayout.cmake.
# Depends is worked out by dpkg-shlibdeps (dpkg-dev) from the libraries the binaries link.
set(CPACK_PACKAGE_NAME zavo-client)
set(CPACK_PACKAGE_VENDOR "ZVO")
set(CPACK_PACKAGE_CONTACT "ZVO maintainers <maintainers@users.noreply.c-seed-a4eba530.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "control client for computer monitors over DDC/CI")
set(CPACK_PACKAGE_DESCRIPTION "A desktop client that reads and writes the picture, game and system
settings of the attached monitors as MCCS VCP codes over DDC/CI (the kernel's
i2c-dev interface), in Simplified Chinese or English.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://zavo.example/")
set(CPACK_STRIP_FILES ON)
# Both paths matter: the staging copy lands below /opt/zavo-client, and the menu entry written
# at install time names /opt/zavo-client, not the staging folder.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /opt/zavo-client)
set(CPACK_PACKAGING_INSTALL_PREFIX /opt/zavo-client)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianLayout.cmake)
set(CPACK_ZAVO_DEBIAN_FILES ${CMAKE_SOURCE_DIR}/resources/linux/debian)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

include(CPack)
