# Run by `cmake --install`: the files whose content depends on the install prefix, and the word
# file, which belongs to the player once it is installed.
set(prefix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")

# A reinstall never overwrites the words the player has added.
set(words "${prefix}/lib/quillow/Dictionary.txt")
if(NOT EXISTS "${words}")
    message(STATUS "Installing: ${words}")
    file(COPY_FILE "${QUILLOW_SOURCE_DIR}/assets/Dictionary.txt" "${words}")
else()
    message(STATUS "Keeping: ${words}")
endif()

file(READ "${QUILLOW_SOURCE_DIR}/assets/desktop/org.quillow.Quillow.desktop.in" entry)
string(REPLACE "@QUILLOW_LAUNCHER@" "\"${CMAKE_INSTALL_PREFIX}/bin/quillow\"" entry "${entry}")
set(desktop "${prefix}/share/applications/org.quillow.Quillow.desktop")
message(STATUS "Installing: ${desktop}")
file(WRITE "${desktop}" "${entry}")

message(STATUS "Installing: ${prefix}/bin/quillow-check-words")
file(CREATE_LINK ../lib/quillow/quillow-check-words "${prefix}/bin/quillow-check-words" SYMBOLIC)
