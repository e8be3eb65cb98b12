# The long soak: two random players for a million frames with the game's
# invariants checked after every frame. Labelled so that a run can keep it
# to the sanitizer build (ctest -L soak) or leave it out (ctest -LE soak).
# It takes about 4 s in a RelWithDebInfo build and 70 s to 2 min under
# -fsanitize=address,undefined, so every build can run it.
add_test(NAME soak_1m COMMAND $<TARGET_FILE:zoffsoak> 1000000)
set_tests_properties(soak_1m PROPERTIES
  LABELS "soak"
  TIMEOUT 1200
  ENVIRONMENT "SDL_VIDEODRIVER=dummy;SDL_AUDIODRIVER=dummy;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tools/lsan.supp:print_suppressions=0")
