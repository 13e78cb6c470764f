# Installation: `cmake --install <build> --prefix P` lays out
#   P/bin/zandor-slots                         the program
#   P/share/zandor-slots/                      every picture, sound and song, help/ (the
#                                              manual, help/<language>/ translated) and
#                                              translations/ (the catalogues of the texts)
#   P/share/applications/, P/share/metainfo/   the desktop entry and its AppStream data
#   P/share/icons/hicolor/                     the icon at 48, 128 and 256 pixels, and as SVG
#   P/share/man/man6/zandor-slots.6.gz         the manual page, and its translations in
#   P/share/man/<language>/man6/               (dist/zandor-slots.<language>.6)
#   P/share/doc/zandor-slots/                  the copyright notice and the changelog
# The program finds its media in ../share/zandor-slots/ beside its own folder, so the tree
# may be installed under any prefix; the Debian package is this tree with the prefix /usr.
# Include this file from the top-level CMakeLists after every target exists.

include(GNUInstallDirs)
set(ZANDOR_APP_ID org.zandorslots.ZandorSlots)
set(ZANDOR_DATA_DIR ${CMAKE_INSTALL_DATADIR}/zandor-slots)
set(ZANDOR_DIST_DIR ${CMAKE_SOURCE_DIR}/dist)

install(TARGETS zandor-slots RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The media are generated at build time. The media generator names them (ZANDOR_MEDIA_FILES);
# without that list the media files of the build folder's root are taken, never the build
# machinery or test programs. A link among them is installed as the file it points to.
if(DEFINED ZANDOR_MEDIA_FILES)
  set(ZANDOR_FIND_MEDIA "set(_zandor_media \"${ZANDOR_MEDIA_FILES}\")")
else()
  set(ZANDOR_FIND_MEDIA "file(GLOB _zandor_media LIST_DIRECTORIES false
       \"${ZANDOR_MEDIA_DIR}/*.bmp\" \"${ZANDOR_MEDIA_DIR}/*.BMP\"
       \"${ZANDOR_MEDIA_DIR}/*.WAV\" \"${ZANDOR_MEDIA_DIR}/*.MID\")")
endif()
install(CODE "
  set(_zandor_dest \"\${CMAKE_INSTALL_PREFIX}/${ZANDOR_DATA_DIR}\")
  ${ZANDOR_FIND_MEDIA}
  list(REMOVE_DUPLICATES _zandor_media)
  foreach(_zandor_file IN LISTS _zandor_media)
    get_filename_component(_zandor_name \"\${_zandor_file}\" NAME)
    get_filename_component(_zandor_real \"\${_zandor_file}\" REALPATH)
    file(INSTALL DESTINATION \"\${_zandor_dest}\" TYPE FILE RENAME \"\${_zandor_name}\"
         FILES \"\${_zandor_real}\")
  endforeach()
")

# The manual, as the build wrote it beside the program, with each translation of it.
install(FILES ${ZHELP_FILES} DESTINATION ${ZANDOR_DATA_DIR}/help)
foreach(language ${ZHELP_LANGUAGES})
  if(NOT language STREQUAL "en")
    install(FILES ${ZHELP_FILES_${language}} DESTINATION ${ZANDOR_DATA_DIR}/help/${language})
  endif()
endforeach()
# The catalogues of the program's texts.
install(FILES ${ZANDOR_CATALOGUES} DESTINATION ${ZANDOR_DATA_DIR}/translations)

# The desktop's own files.
install(FILES ${ZANDOR_DIST_DIR}/${ZANDOR_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ZANDOR_DIST_DIR}/${ZANDOR_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icons are drawn by the media generator; without that target there is nothing to require.
if(TARGET media)
  set(ZANDOR_ICON_OPTIONAL)
else()
  set(ZANDOR_ICON_OPTIONAL OPTIONAL)
endif()
set(ZANDOR_ICON_DIR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
foreach(size 48 128)
  install(FILES ${ZANDOR_MEDIA_DIR}/zandor-slots-${size}.png DESTINATION
          ${ZANDOR_ICON_DIR}/${size}x${size}/apps RENAME zandor-slots.png ${ZANDOR_ICON_OPTIONAL})
endforeach()
install(FILES ${ZANDOR_MEDIA_DIR}/zandor-slots.png DESTINATION ${ZANDOR_ICON_DIR}/256x256/apps
        ${ZANDOR_ICON_OPTIONAL})
install(FILES ${ZANDOR_MEDIA_DIR}/zandor-slots.svg DESTINATION ${ZANDOR_ICON_DIR}/scalable/apps
        ${ZANDOR_ICON_OPTIONAL})

# The manual page, each translation of it and the changelog, compressed as Debian wants them:
# the most compression and no time stamp or name inside, so the same sources give the same
# bytes. A translated page keeps the English page's name in its language's folder.
find_program(ZANDOR_GZIP gzip REQUIRED)
set(ZANDOR_DOC_BUILD_DIR ${CMAKE_BINARY_DIR}/install)
set(ZANDOR_MAN_LANGUAGES de fr es it pl)
set(ZANDOR_DOCS zandor-slots.6 changelog)
foreach(language ${ZANDOR_MAN_LANGUAGES})
  list(APPEND ZANDOR_DOCS zandor-slots.${language}.6)
endforeach()
foreach(doc ${ZANDOR_DOCS})
  add_custom_command(
    OUTPUT ${ZANDOR_DOC_BUILD_DIR}/${doc}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZANDOR_DOC_BUILD_DIR}
    COMMAND ${ZANDOR_GZIP} -9nc ${ZANDOR_DIST_DIR}/${doc} > ${ZANDOR_DOC_BUILD_DIR}/${doc}.gz
    DEPENDS ${ZANDOR_DIST_DIR}/${doc}
    COMMENT "Compressing ${doc}")
endforeach()
list(TRANSFORM ZANDOR_DOCS PREPEND ${ZANDOR_DOC_BUILD_DIR}/ OUTPUT_VARIABLE ZANDOR_DOC_FILES)
list(TRANSFORM ZANDOR_DOC_FILES APPEND .gz)
add_custom_target(zandor-docs ALL DEPENDS ${ZANDOR_DOC_FILES})
install(FILES ${ZANDOR_DOC_BUILD_DIR}/zandor-slots.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
foreach(language ${ZANDOR_MAN_LANGUAGES})
  install(FILES ${ZANDOR_DOC_BUILD_DIR}/zandor-slots.${language}.6.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/${language}/man6 RENAME zandor-slots.6.gz)
endforeach()
install(FILES ${ZANDOR_DIST_DIR}/copyright ${ZANDOR_DOC_BUILD_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zandor-slots)
