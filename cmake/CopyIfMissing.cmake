# cmake -DSOURCE=... -DDEST=... -P CopyIfMissing.cmake
# Puts the shipped word file beside the game once. A file that is already there holds the
# player's own words and is never overwritten.
if(NOT EXISTS "${DEST}")
    get_filename_component(dest_dir "${DEST}" DIRECTORY)
    file(MAKE_DIRECTORY "${dest_dir}")
    file(COPY_FILE "${SOURCE}" "${DEST}")
endif()
