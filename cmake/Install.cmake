# Installation: `cmake --install <build> --prefix P` lays out
#   P/lib/zandor-slots/     the program, every picture, sound and song, and help/
#   P/bin/zandor-slots      a relative link to the program
#   P/share/applications/zandor-slots.desktop and the icon under P/share/icons/hicolor/.
# The program finds its media beside its own file, so the link may be run from anywhere.
# Include this file from the top-level CMakeLists after every target exists.

set(ZANDOR_INSTALL_DIR lib/zandor-slots)

if(TARGET zandor-slots)
  install(TARGETS zandor-slots RUNTIME DESTINATION ${ZANDOR_INSTALL_DIR})
endif()

# The media are generated at build time. The media generator names them (ZANDOR_MEDIA_FILES,
# the icon excepted, which goes to the icon theme); without that list the media files of the
# build folder's root are taken, never the build machinery or test programs. A link among
# them is installed as the file it points to.
if(DEFINED ZANDOR_MEDIA_FILES)
  set(ZANDOR_INSTALL_MEDIA ${ZANDOR_MEDIA_FILES})
  list(FILTER ZANDOR_INSTALL_MEDIA EXCLUDE REGEX "[.]png$")
  set(ZANDOR_FIND_MEDIA "set(_zandor_media \"${ZANDOR_INSTALL_MEDIA}\")")
else()
  set(ZANDOR_FIND_MEDIA "file(GLOB _zandor_media LIST_DIRECTORIES false
       \"${ZANDOR_MEDIA_DIR}/*.bmp\" \"${ZANDOR_MEDIA_DIR}/*.BMP\"
       \"${ZANDOR_MEDIA_DIR}/*.WAV\" \"${ZANDOR_MEDIA_DIR}/*.MID\")")
endif()
install(CODE "
  set(_zandor_dest \"\${CMAKE_INSTALL_PREFIX}/${ZANDOR_INSTALL_DIR}\")
  ${ZANDOR_FIND_MEDIA}
  list(REMOVE_DUPLICATES _zandor_media)
  foreach(_zandor_file IN LISTS _zandor_media)
    get_filename_component(_zandor_name \"\${_zandor_file}\" NAME)
    get_filename_component(_zandor_real \"\${_zandor_file}\" REALPATH)
    file(INSTALL DESTINATION \"\${_zandor_dest}\" TYPE FILE RENAME \"\${_zandor_name}\"
         FILES \"\${_zandor_real}\")
  endforeach()
")

# The manual, straight from its sources (the same pages the build copies beside the program).
install(DIRECTORY ${CMAKE_SOURCE_DIR}/help/manual/ DESTINATION ${ZANDOR_INSTALL_DIR}/help
        FILES_MATCHING PATTERN "*.html" PATTERN "*.css")

# bin/zandor-slots -> ../lib/zandor-slots/zandor-slots, relative so the tree can be moved.
install(CODE "
  set(_zandor_bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  file(MAKE_DIRECTORY \"\${_zandor_bin}\")
  file(REMOVE \"\${_zandor_bin}/zandor-slots\")
  file(CREATE_LINK ../${ZANDOR_INSTALL_DIR}/zandor-slots \"\${_zandor_bin}/zandor-slots\" SYMBOLIC)
  message(STATUS \"Installing: \${_zandor_bin}/zandor-slots -> ../${ZANDOR_INSTALL_DIR}/zandor-slots\")
")

set(ZANDOR_DESKTOP_FILE ${CMAKE_BINARY_DIR}/install/zandor-slots.desktop)
file(WRITE ${ZANDOR_DESKTOP_FILE}
"[Desktop Entry]
Type=Application
Version=1.0
Name=Zandor Slots
GenericName=Slot Machine
Comment=Three-reel, five-line slot machine with a bonus meter, free spins and a card game
Exec=zandor-slots
TryExec=zandor-slots
Icon=zandor-slots
Terminal=false
Categories=Game;CardGame;
Keywords=slots;slot machine;casino;cards;
")
install(FILES ${ZANDOR_DESKTOP_FILE} DESTINATION share/applications)

# The icon is drawn by the media generator; without that target there is nothing to require.
if(TARGET media)
  install(FILES ${ZANDOR_MEDIA_DIR}/zandor-slots.png DESTINATION share/icons/hicolor/256x256/apps)
else()
  install(FILES ${ZANDOR_MEDIA_DIR}/zandor-slots.png DESTINATION share/icons/hicolor/256x256/apps
          OPTIONAL)
endif()
