# Writes the menu entry at install time: its Exec names the launcher under the prefix actually
# installed to (`cmake --install --prefix` included), not the one the build was configured with.
set(launcher "${CMAKE_INSTALL_PREFIX}/bin/veltrane")

# Exec's argument is always quoted, so a prefix with spaces or other reserved characters still
# names one file; inside the quotes four characters take a backslash, and a percent sign doubles.
# Both keys are then desktop-entry strings, in which every backslash doubles once more.
set(exec "${launcher}")
foreach(special "\\" "\"" "`" "$")
  string(REPLACE "${special}" "\\${special}" exec "${exec}")
endforeach()
string(REPLACE "%" "%%" exec "\"${exec}\"")
string(REPLACE "\\" "\\\\" VELTRANE_EXEC "${exec}")
string(REPLACE "\\" "\\\\" VELTRANE_TRY_EXEC "${launcher}")

set(entry "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications/veltrane.desktop")
message(STATUS "Installing: ${entry}")
configure_file("${CMAKE_CURRENT_LIST_DIR}/veltrane.desktop.in" "${entry}" @ONLY)
file(CHMOD "${entry}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${entry}")
