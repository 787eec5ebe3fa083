# Copies the sample installation next to the executable. A file is copied when it
# is missing there or when the source is newer, so edits a teacher makes in the
# build's installation survive a rebuild until the sample itself changes.
file(GLOB_RECURSE files RELATIVE "${SOURCE}" "${SOURCE}/*")
foreach(rel IN LISTS files)
    if(rel MATCHES "(^|/)\\.gitkeep$")
        continue()
    endif()
    set(src "${SOURCE}/${rel}")
    set(dst "${DESTINATION}/${rel}")
    if(NOT EXISTS "${dst}" OR "${src}" IS_NEWER_THAN "${dst}")
        get_filename_component(dir "${dst}" DIRECTORY)
        file(MAKE_DIRECTORY "${dir}")
        file(COPY_FILE "${src}" "${dst}")
    endif()
endforeach()
foreach(folder SOL_INI SOL_IMG SOL_WAV SOL_TMP)
    file(MAKE_DIRECTORY "${DESTINATION}/${folder}")
endforeach()
