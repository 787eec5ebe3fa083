# Form classes of src/home
list(APPEND SOLVARO_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/unit1.cpp
    ${CMAKE_CURRENT_LIST_DIR}/unit1_activation.cpp
    ${CMAKE_CURRENT_LIST_DIR}/unit1_editing.cpp
    ${CMAKE_CURRENT_LIST_DIR}/unit1_gifs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/unit1_sheets.cpp
    ${CMAKE_CURRENT_LIST_DIR}/unit1_skin.cpp
    ${CMAKE_CURRENT_LIST_DIR}/unit1_textboxes.cpp
)
