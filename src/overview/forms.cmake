# Form classes of src/overview
list(APPEND SOLVARO_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/classoverviewwindow.cpp
)
