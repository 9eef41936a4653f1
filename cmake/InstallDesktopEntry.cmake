# Runs at install time (install(SCRIPT)), after ZAVO_DESKTOP_TEMPLATE and ZAVO_DESKTOP_OUTPUT
# have been set: writes the menu entry with the paths of this installation, so that it works
# for whatever prefix `cmake --install --prefix` was given.
set(exe "${CMAKE_INSTALL_PREFIX}/ZavoClient")
set(icon "${CMAKE_INSTALL_PREFIX}/share/icons/hicolor/256x256/apps/zavo-client.png")

# String values escape the backslash.
string(REPLACE "\\" "\\\\" ZAVO_DESKTOP_TRYEXEC "${exe}")
string(REPLACE "\\" "\\\\" ZAVO_DESKTOP_ICON "${icon}")

# Exec is a command line: a path with reserved characters is quoted, with ", `, $ and \ escaped
# inside the quotes and the backslashes escaped once more as a string; % is doubled in any case.
set(command "${exe}")
if(command MATCHES "[] \t\n\"'\\\\><~|&;$*?#()`[]")
    string(REPLACE "\\" "\\\\" command "${command}")
    string(REPLACE "\"" "\\\"" command "${command}")
    string(REPLACE "`" "\\`" command "${command}")
    string(REPLACE "$" "\\$" command "${command}")
    string(REPLACE "\\" "\\\\" command "${command}")
    set(command "\"${command}\"")
endif()
string(REPLACE "%" "%%" ZAVO_DESKTOP_EXEC "${command}")

configure_file("${ZAVO_DESKTOP_TEMPLATE}" "${ZAVO_DESKTOP_OUTPUT}" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications" TYPE FILE FILES "${ZAVO_DESKTOP_OUTPUT}")
