# Form classes of src/app
list(APPEND SOLVARO_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/unit0.cpp
    ${CMAKE_CURRENT_LIST_DIR}/formcreation.cpp
)
