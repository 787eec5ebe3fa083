# Files of src/storage
list(APPEND SOLVARO_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/linebreaks.cpp
)
list(APPEND SOLVARO_GUI_SOURCES
)
