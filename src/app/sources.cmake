# Files of src/app
list(APPEND SOLVARO_CORE_SOURCES
)
list(APPEND SOLVARO_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/application.cpp
)
