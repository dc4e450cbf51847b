# Runs at install time, when the prefix is known (`cmake --install --prefix`, or /usr
# for the package): writes the launcher and the desktop entry with the installed
# paths and installs them. Each install gets its own scratch folder, so that two
# installs running at once do not share a file.
get_filename_component(bindir "${MIRELON_BINDIR}" ABSOLUTE BASE_DIR "${CMAKE_INSTALL_PREFIX}")
get_filename_component(datadir "${MIRELON_DATADIR}" ABSOLUTE BASE_DIR "${CMAKE_INSTALL_PREFIX}")
set(MIRELON_BINARY "${bindir}/mirelon")
set(MIRELON_LAUNCHER "${bindir}/mirelon-launch")
set(MIRELON_DATADIR "${datadir}/mirelon")

string(MD5 key "$ENV{DESTDIR}|${CMAKE_INSTALL_PREFIX}")
set(scratch "${MIRELON_DIST_BINARY_DIR}/installed-${key}")
configure_file("${MIRELON_DIST_SOURCE_DIR}/mirelon-launch.in" "${scratch}/mirelon-launch" @ONLY)
configure_file("${MIRELON_DIST_SOURCE_DIR}/mirelon.desktop.in"
               "${scratch}/${MIRELON_APP_ID}.desktop" @ONLY)

set(dir_permissions DIR_PERMISSIONS ${MIRELON_DIR_PERMISSIONS})
file(INSTALL DESTINATION "${bindir}" TYPE PROGRAM FILES "${scratch}/mirelon-launch"
     ${dir_permissions})
file(INSTALL DESTINATION "${datadir}/applications" TYPE FILE
     FILES "${scratch}/${MIRELON_APP_ID}.desktop" ${dir_permissions})
