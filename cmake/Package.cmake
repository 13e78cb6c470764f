# The Debian package: `cpack -G DEB` in the build folder (or `cmake --build build --target
# package`) makes zandor-slots_<version>_<arch>.deb from the installed tree of Install.cmake
# under /usr, with the program in /usr/games. Include this file after Install.cmake.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zandor-slots)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Zandor Slots developers")
set(CPACK_PACKAGE_CONTACT "The Zandor Slots developers <developers@zandorslots.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Moves the program to /usr/games, strips it and adds lintian's overrides (see that script).
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/PackageStage.cmake)
set(CPACK_ZANDOR_DIST_DIR ${CMAKE_SOURCE_DIR}/dist)
# Directories the install creates are 0755 whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://zandorslots.org/)
# The libraries come from dpkg-shlibdeps; what is loaded at run time is named by hand: the
# toolkit's X11 plug-in, a General MIDI soundfont for the music, and the fonts of the face;
# the Wayland plug-in is recommended, so that a Wayland desktop runs the game natively, and
# so are the toolkit's own catalogues: in German or French the game loads qtbase_<language>.qm
# from them for the standard buttons and file dialogs. Without them those few texts stay
# English and everything else is translated, so an English player need not take them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, timgm6mb-soundfont | sf2-soundfont-gm, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-urw-base35, qt6-wayland, qt6-translations-l10n")
# CPack indents the lines after the first and marks the empty line as Debian wants.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "three-reel, five-line slot machine
A single-player slot machine for the desktop: three animated reels, five
paylines, a progressive bonus pool with seven free spins, a double-or-nothing
game of Acey Ducey for every win, a bank to borrow from, eight saved-game
slots, sound effects and background music with their own volumes. The
menus, dialogs and the manual are in English, German and French.

The game is played for credits only; no real money is involved.")

include(CPack)
