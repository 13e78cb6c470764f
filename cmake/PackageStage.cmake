# Runs inside cpack on the staged tree, before the package is made from it: a game's program
# goes to /usr/games as Debian wants, and it loses the sections a player's system never reads;
# lintian's overrides, which only the package needs, join the tree. The program then finds its
# media in /usr/share/zandor-slots as from /usr/bin.
set(_stage "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
if(NOT EXISTS "${_stage}/usr/bin/zandor-slots")
  message(FATAL_ERROR "no usr/bin/zandor-slots in the staged tree ${_stage}")
endif()
file(MAKE_DIRECTORY "${_stage}/usr/games")
file(RENAME "${_stage}/usr/bin/zandor-slots" "${_stage}/usr/games/zandor-slots")
file(GLOB _left "${_stage}/usr/bin/*")
if(NOT _left)
  file(REMOVE_RECURSE "${_stage}/usr/bin")
endif()
execute_process(
  COMMAND strip --strip-unneeded --remove-section=.comment --remove-section=.note
          "${_stage}/usr/games/zandor-slots"
  RESULT_VARIABLE _stripped)
if(NOT _stripped EQUAL 0)
  message(FATAL_ERROR "strip failed on usr/games/zandor-slots")
endif()
# Copied, not installed: an install here would land under cpack's DESTDIR a second time.
file(MAKE_DIRECTORY "${_stage}/usr/share/lintian/overrides")
file(COPY_FILE "${CPACK_ZANDOR_DIST_DIR}/lintian-overrides"
     "${_stage}/usr/share/lintian/overrides/zandor-slots")
