# Run by `cmake --install`: the files whose content depends on the install prefix, and the word
# file, which belongs to the player once it is installed.
set(prefix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")

# Installed for the whole system (a package, or a prefix under /usr), the Dictionary.txt beside
# the game is the shipped list, which the launcher copies for every player on their first start.
# Installed for one user, it is the player's own, and a reinstall never overwrites the words the
# player has added.
# A system install puts its launcher and the checker among the games, as Debian does.
if(CMAKE_INSTALL_PREFIX MATCHES "^/usr(/local)?/?$")
    set(mode per-player)
    set(bindir games)
else()
    set(mode beside-game)
    set(bindir bin)
endif()
set(words "${prefix}/lib/quillow/Dictionary.txt")
if(mode STREQUAL per-player OR NOT EXISTS "${words}")
    message(STATUS "Installing: ${words}")
    file(COPY_FILE "${QUILLOW_SOURCE_DIR}/assets/Dictionary.txt" "${words}")
else()
    message(STATUS "Keeping: ${words}")
endif()

file(READ "${QUILLOW_SOURCE_DIR}/assets/desktop/quillow-launcher.sh" launcher)
string(REPLACE "@QUILLOW_WORD_FILE@" "${mode}" launcher "${launcher}")
message(STATUS "Installing: ${prefix}/${bindir}/quillow (word file: ${mode})")
file(WRITE "${prefix}/${bindir}/quillow" "${launcher}")
file(CHMOD "${prefix}/${bindir}/quillow" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
     GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

file(READ "${QUILLOW_SOURCE_DIR}/assets/desktop/org.quillow.Quillow.desktop.in" entry)
string(REPLACE "@QUILLOW_LAUNCHER@" "\"${CMAKE_INSTALL_PREFIX}/${bindir}/quillow\"" entry "${entry}")
set(desktop "${prefix}/share/applications/org.quillow.Quillow.desktop")
message(STATUS "Installing: ${desktop}")
file(WRITE "${desktop}" "${entry}")

message(STATUS "Installing: ${prefix}/${bindir}/quillow-check-words")
file(CREATE_LINK ../lib/quillow/quillow-check-words "${prefix}/${bindir}/quillow-check-words"
     SYMBOLIC)
