# End to end: the installed game in a real X window on its own Xvfb, played
# through real key presses and clicks (xdotool) and judged from the screen, the
# sound written to a file and the exit status. Three scenarios: one player, two
# players, and the menu and board at twice their size. The installed program
# cannot carry the sanitizer runtime, so the sanitizer build leaves these out
# (label nosan), as it does the install test. Each runs alone, beside no other
# test: the game spins a core of its own while it plays, and the checks of its
# timing (Esc ends it within a second) should not depend on what else runs. The
# tools they need (Xvfb, xdotool, ImageMagick, sox) are in tools/packages.txt;
# the script names any that is missing.
if(NOT ZOFF_SANITIZE)
  foreach(scenario one two scaled)
    add_test(NAME e2e_${scenario}
             COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/test_e2e.sh ${PROJECT_SOURCE_DIR} ${CMAKE_BINARY_DIR}
                     ${CMAKE_COMMAND} ${scenario})
    set_tests_properties(e2e_${scenario} PROPERTIES
      LABELS "e2e;nosan"
      TIMEOUT 120
      RUN_SERIAL TRUE)
  endforeach()
endif()
