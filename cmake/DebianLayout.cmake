# Runs inside CPack (CPACK_PRE_BUILD_SCRIPTS) once the client is installed into the staging
# folder: the menu entry, icons, udev rule and module list go where the system reads them,
# and the files Debian wants of every package (copyright, changelog) are added.
set(root "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
set(app "${root}${CPACK_PACKAGING_INSTALL_PREFIX}")
if(NOT IS_DIRECTORY "${app}/share")
    message(FATAL_ERROR "No client staged in ${app}")
endif()

file(MAKE_DIRECTORY "${root}/usr")
file(RENAME "${app}/share" "${root}/usr/share")
file(RENAME "${app}/lib" "${root}/usr/lib")

set(entry "${root}/usr/share/applications/zavo-client.desktop")
file(READ "${entry}" text)
string(REPLACE "Icon=${CPACK_PACKAGING_INSTALL_PREFIX}/share/icons/" "Icon=/usr/share/icons/" text "${text}")
file(WRITE "${entry}" "${text}")

set(doc "${root}/usr/share/doc/${CPACK_PACKAGE_NAME}")
file(MAKE_DIRECTORY "${doc}" "${root}/usr/share/lintian/overrides")
file(COPY "${CPACK_ZAVO_DEBIAN_FILES}/copyright" DESTINATION "${doc}")
string(TIMESTAMP date "%a, %d %b %Y %H:%M:%S +0000" UTC)
file(WRITE "${doc}/changelog" "${CPACK_PACKAGE_NAME} (${CPACK_PACKAGE_VERSION}) stable; urgency=medium

  * Release ${CPACK_PACKAGE_VERSION}.

 -- ${CPACK_PACKAGE_CONTACT}  ${date}
")
execute_process(COMMAND gzip -9nf "${doc}/changelog" COMMAND_ERROR_IS_FATAL ANY)
file(COPY "${CPACK_ZAVO_DEBIAN_FILES}/lintian-overrides" DESTINATION "${root}/usr/share/lintian/overrides")
file(RENAME "${root}/usr/share/lintian/overrides/lintian-overrides"
     "${root}/usr/share/lintian/overrides/${CPACK_PACKAGE_NAME}")

