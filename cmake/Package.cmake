# The Debian package, made by CPack from the GNU layout (scripts/package, or `cpack` in the
# build folder): the programs stripped, their library dependencies found by dpkg-shlibdeps,
# and beside them what Grovekeep needs without linking it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME grovekeep)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${GROVEKEEP_MAINTAINER}")
set(CPACK_PACKAGE_VENDOR "The Grovekeep developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "content manager for the game Black & White")
# (No semicolons: CMake would take them for list separators.)
set(CPACK_PACKAGE_DESCRIPTION
    "Grovekeep opens, edits, installs and backs up the user-made content of the\n"
    "PC game Black & White: maps, landscapes (.lnd), creature skins (.l3d), the\n"
    "tattoos of a player profile and .vif packages. It keeps a history of every\n"
    "change it makes, with the contents it replaced, so that any installation can\n"
    "be undone.\n"
    "\n"
    "The game runs under Wine, through which Grovekeep starts it and Windows\n"
    "editors. grovekeep-vif lists, packs, installs and undoes packages from the\n"
    "command line.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Not "games": that section is for the games themselves, installed in /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# fonts-liberation2: the faces the windows are laid out for. xdg-utils: addresses opened in
# the user's browser and the desktop's caches. The web engine's helper process comes with the
# WebEngine library's own dependencies.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "wine")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
