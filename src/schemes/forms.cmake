# Form classes of src/schemes
list(APPEND SOLVARO_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ueditschemi.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ueditschemi_actions.cpp
)
