# Form classes of src/player
list(APPEND SOLVARO_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/unitp3.cpp
)
