# Files of src/player
list(APPEND SOLVARO_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/evaluator.cpp
    ${CMAKE_CURRENT_LIST_DIR}/numberformat.cpp
)
list(APPEND SOLVARO_GUI_SOURCES
)
