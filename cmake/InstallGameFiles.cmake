# Run by `cmake --install`: the files whose content depends on the install prefix (the launcher,
# the desktop entry, the checker's link), and the word file, which belongs to the player once it
# is installed. The install folders come from the project (QUILLOW_INSTALL_*).
set(prefix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")

# Installed for the whole system (a package, or a prefix under /usr), the Dictionary.txt beside
# the game is the shipped list, which the launcher copies for every player on their first start,
# and the launcher and the checker go among the games, as Debian has them. Installed for one user,
# the word file is the player's own, and a reinstall never overwrites the words they added.
if(CMAKE_INSTALL_PREFIX MATCHES "^/usr(/local)?/?$")
    set(mode per-player)
    set(bindir games)
else()
    set(mode beside-game)
    set(bindir "${QUILLOW_INSTALL_BINDIR}")
endif()
set(words "${prefix}/${QUILLOW_INSTALL_GAMEDIR}/Dictionary.txt")
if(mode STREQUAL per-player OR NOT EXISTS "${words}")
    message(STATUS "Installing: ${words}")
    file(COPY_FILE "${QUILLOW_SOURCE_DIR}/assets/Dictionary.txt" "${words}")
else()
    message(STATUS "Keeping: ${words}")
endif()

# The launcher finds the game and the sounds relative to the prefix it is installed in.
set(QUILLOW_WORD_FILE ${mode})
set(QUILLOW_GAMEDIR ${QUILLOW_INSTALL_GAMEDIR})
set(QUILLOW_SOUNDDIR ${QUILLOW_INSTALL_SOUNDDIR})
message(STATUS "Installing: ${prefix}/${bindir}/quillow (word file: ${mode})")
configure_file("${QUILLOW_SOURCE_DIR}/assets/desktop/quillow-launcher.sh"
               "${prefix}/${bindir}/quillow" @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)

set(QUILLOW_LAUNCHER "\"${CMAKE_INSTALL_PREFIX}/${bindir}/quillow\"")
set(desktop "${prefix}/${QUILLOW_INSTALL_DATADIR}/applications/org.quillow.Quillow.desktop")
message(STATUS "Installing: ${desktop}")
configure_file("${QUILLOW_SOURCE_DIR}/assets/desktop/org.quillow.Quillow.desktop.in" "${desktop}"
               @ONLY)

message(STATUS "Installing: ${prefix}/${bindir}/quillow-check-words")
file(CREATE_LINK "../${QUILLOW_INSTALL_GAMEDIR}/quillow-check-words"
     "${prefix}/${bindir}/quillow-check-words" SYMBOLIC)

# A stripped install (the package) also drops the compiler's notes, as Debian's own tools do.
if(CMAKE_INSTALL_DO_STRIP AND QUILLOW_OBJCOPY)
    foreach(binary quillow quillow-check-words)
        execute_process(COMMAND "${QUILLOW_OBJCOPY}" --remove-section=.comment
                                "${prefix}/${QUILLOW_INSTALL_GAMEDIR}/${binary}")
    endforeach()
endif()
