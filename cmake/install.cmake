# Installing and packaging. The game reads its sounds, tunes and title frames
# from the folder that holds its executable, so all of them go together into
# <prefix>/lib/zoff; <prefix>/bin/zoff is a small launcher that runs the game
# from there. A desktop entry and an icon put the game into a desktop's menu.
include(GNUInstallDirs)

# A program's private folder: /usr/lib/zoff in the package, never a multiarch
# folder, since nothing in it is a library.
set(ZOFF_INSTALL_DIR lib/zoff)

install(TARGETS zoff RUNTIME DESTINATION ${ZOFF_INSTALL_DIR})

# The generated files that lie beside the program.
set(ZOFF_DATA_FILES
    pain.wav death.wav exb.wav cut.wav add.wav down.wav rangeup.wav getammo.wav bolt.wav
    oneheart.wav tenheart.wav ding.wav orchhit.wav orchhitl.wav orchhith.wav Open.mid gimmeall.mid)
list(TRANSFORM ZOFF_DATA_FILES PREPEND ${CMAKE_BINARY_DIR}/)
install(FILES ${ZOFF_DATA_FILES} DESTINATION ${ZOFF_INSTALL_DIR})
install(DIRECTORY "${CMAKE_BINARY_DIR}/small title" DESTINATION ${ZOFF_INSTALL_DIR}
        FILES_MATCHING PATTERN "*.bmp")

# The launcher finds the game relative to itself, so the installed tree may be
# moved as a whole (a scratch root, another prefix).
configure_file(${CMAKE_SOURCE_DIR}/packaging/zoff.sh.in ${CMAKE_BINARY_DIR}/packaging/zoff @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/zoff DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/zoff.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/zoff.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The Debian package: cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME zoff)
set(CPACK_PACKAGE_VENDOR "Zoff")
set(CPACK_PACKAGE_CONTACT "Zoff developers <zoff@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arcade bomb game for one or two players on one keyboard")
set(CPACK_PACKAGE_DESCRIPTION
    "Steer your character through a maze, drop bombs to break the blocks, collect coins and power-ups and burn the enemies. One or two players share one keyboard.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links against, the fonts it asks fontconfig for and
# the soundfont that plays its tunes.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libsdl2-2.0-0, libsdl2-ttf-2.0-0, libsdl2-mixer-2.0-0, libfontconfig1, fonts-liberation, fonts-dejavu-core, timgm6mb-soundfont")
set(CPACK_STRIP_FILES ON)
include(CPack)
