# The install and the Debian package, checked from outside: the package is built
# with cpack, unpacked into a scratch root and the installed program is run from
# another folder. The packaged program cannot carry the sanitizer runtime, so
# the sanitizer build leaves this out.
find_program(ZOFF_DPKG dpkg)
if(NOT ZOFF_SANITIZE AND ZOFF_DPKG)
  add_test(NAME install_and_package
           COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/test_install.sh ${CMAKE_BINARY_DIR} ${PROJECT_VERSION}
                   ${CMAKE_CPACK_COMMAND} ${CMAKE_COMMAND})
  set_tests_properties(install_and_package PROPERTIES LABELS "package;nosan" TIMEOUT 120)
endif()
