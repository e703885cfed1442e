# Run by CPack in its staging folder, before it builds the package. Debian keeps the binaries
# of games in /usr/games (policy 11.11), so the package moves the game there; the lab, a tool
# for study, stays in /usr/bin. An install with cmake --install keeps both in bin, on PATH.
set(usr "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
file(MAKE_DIRECTORY "${usr}/games")
file(RENAME "${usr}/bin/codebreaker" "${usr}/games/codebreaker")
