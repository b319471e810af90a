# Installing the game in Debian's layout for games, and its Debian package.
#
#   games/velmo                         the program
#   share/games/velmo/                  velmo.dat, teams.dat, calendario.dat, media/
#   share/applications/, share/icons/hicolor/, share/metainfo/, share/man/man6/
#   share/doc/velmo/                    copyright, changelog.gz, README.TXT, calcio.rtf
#
# The game finds its data at ../share/games/velmo beside its own folder, so
# the two destinations below move together.
include(GNUInstallDirs)
set(VELMO_INSTALL_GAMESDIR games)
set(VELMO_INSTALL_GAMEDATADIR ${CMAKE_INSTALL_DATAROOTDIR}/games/velmo)
set(VELMO_PACKAGING ${CMAKE_SOURCE_DIR}/packaging)
set(VELMO_GAME_DIR ${CMAKE_SOURCE_DIR}/game)

# The manual page carries the version; it and the changelog are installed
# compressed as Debian asks (gzip -n: no name or time, the same bytes each time).
configure_file(${VELMO_PACKAGING}/velmo.6.in ${CMAKE_BINARY_DIR}/velmo.6 @ONLY)
set(VELMO_COMPRESSED_DOCS ${CMAKE_BINARY_DIR}/velmo.6.gz ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(
  OUTPUT ${VELMO_COMPRESSED_DOCS}
  COMMAND sh -c "gzip -9n -c velmo.6 > velmo.6.gz"
  COMMAND sh -c "gzip -9n -c '${VELMO_PACKAGING}/changelog' > changelog.gz"
  DEPENDS ${CMAKE_BINARY_DIR}/velmo.6 ${VELMO_PACKAGING}/changelog
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  VERBATIM)
add_custom_target(velmo_docs ALL DEPENDS ${VELMO_COMPRESSED_DOCS})

install(TARGETS velmo RUNTIME DESTINATION ${VELMO_INSTALL_GAMESDIR})
install(FILES ${VELMO_GAME_DIR}/velmo.dat ${VELMO_GAME_DIR}/teams.dat ${VELMO_GAME_DIR}/calendario.dat
        DESTINATION ${VELMO_INSTALL_GAMEDATADIR})
install(DIRECTORY ${VELMO_GAME_DIR}/media DESTINATION ${VELMO_INSTALL_GAMEDATADIR})
install(FILES ${VELMO_PACKAGING}/org.example.velmo.desktop
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${VELMO_PACKAGING}/org.example.velmo.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
install(DIRECTORY ${VELMO_PACKAGING}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons)
install(FILES ${CMAKE_BINARY_DIR}/velmo.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${VELMO_PACKAGING}/copyright ${CMAKE_BINARY_DIR}/changelog.gz
              ${VELMO_GAME_DIR}/README.TXT ${VELMO_GAME_DIR}/calcio.rtf
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Installing builds nothing: make package builds the game and its documents
# first, and cpack then packs only what is installed (not the tests).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)

# The package: velmo_<version>_<arch>.deb, its dependencies worked out by
# dpkg-shlibdeps from the libraries the stripped program links.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Velmo team <team@velmo.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "football manager for one player, in a twenty-club league")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Lead Velmo, the red and blue club, through a season of 38 matchdays.\n"
    "Pick eleven starters and six substitutes, watch each match with its\n"
    "clock and commentary, move the tactics slider and make up to three\n"
    "substitutions; the other fixtures are played by the same rule. The\n"
    "standings, the calendar and one saved season per player complete it.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://velmo.example.org)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
