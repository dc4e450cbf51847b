# The Debian package: `cpack -G DEB` in the build tree makes mirelon_<version>_<arch>.deb.
set(CPACK_PACKAGE_NAME mirelon)
set(CPACK_PACKAGE_VENDOR "The Mirelon developers")
set(CPACK_PACKAGE_CONTACT "${MIRELON_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "interactive periodic table of the elements, in French")
# Debian shows the description as it is: lines of at most 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Mirelon shows the 118 elements from hydrogen to oganesson with 72 properties"
  "each, and every text it shows is in French."
  "It colours the table by family, block, acid-base character, state at a chosen"
  "temperature, year of discovery or a numeric property; computes molar masses"
  "and finds formulas from mass percentages; plots properties in 2-D and as 3-D"
  "bars standing on the table; and puts chosen properties side by side in a grid.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY mirelon)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Only the program's own component: the build tree, the project, the component, the root.
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};mirelon;${MIRELON_COMPONENT};/")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${MIRELON_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: the fonts that stand in for
# the layouts' own, and Qt's French texts for its standard dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")

include(CPack)
