# Files of src/schemes
list(APPEND SOLVARO_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/scheme.cpp
    ${CMAKE_CURRENT_LIST_DIR}/schemesaving.cpp
)
list(APPEND SOLVARO_GUI_SOURCES
)
