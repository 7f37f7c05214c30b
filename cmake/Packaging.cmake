# The Debian package, made by `cpack -G DEB` in the build folder (scripts/package.sh):
# quillow_<version>_amd64.deb, installed under /usr, with its dependencies computed from the
# binaries by dpkg-shlibdeps. Every player then keeps a word file of their own (see the launcher).

# The documentation Debian asks for: copyright, changelog and manual pages, compressed.
set(QUILLOW_DOC_DIR ${CMAKE_BINARY_DIR}/packaging)
set(QUILLOW_GZIPPED
    ${QUILLOW_DOC_DIR}/changelog.gz ${QUILLOW_DOC_DIR}/quillow.6.gz
    ${QUILLOW_DOC_DIR}/quillow-check-words.6.gz)
foreach(name changelog quillow.6 quillow-check-words.6)
    add_custom_command(OUTPUT ${QUILLOW_DOC_DIR}/${name}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${QUILLOW_DOC_DIR}
        COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/packaging/${name} > ${QUILLOW_DOC_DIR}/${name}.gz
        DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${name})
endforeach()
add_custom_target(quillow_docs ALL DEPENDS ${QUILLOW_GZIPPED})
install(FILES packaging/copyright ${QUILLOW_DOC_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillow)
install(FILES ${QUILLOW_DOC_DIR}/quillow.6.gz ${QUILLOW_DOC_DIR}/quillow-check-words.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES packaging/quillow.lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME quillow)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillow)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quillow developers <quillow@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "word-guessing game for one player")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Sign in with your first name, choose the adult or the child level and\n"
    "guess the letters of a secret word before the figure at the gallows is\n"
    "complete, with the letter buttons or the keyboard. Adult words come with\n"
    "their definitions. Players can add words of their own, which are kept in\n"
    "a word file of their own.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quillow.example.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The fonts the window is laid out with; the libraries come from dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
# Installed with DESTDIR under /usr, so that the launcher and the desktop entry name /usr paths.
set(CPACK_SET_DESTDIR ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
include(CPack)
