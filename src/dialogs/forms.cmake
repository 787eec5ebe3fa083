# Form classes of src/dialogs
list(APPEND SOLVARO_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/unit2.cpp
    ${CMAKE_CURRENT_LIST_DIR}/unit3.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sounds.qrc
    ${CMAKE_CURRENT_LIST_DIR}/unit4.cpp
    ${CMAKE_CURRENT_LIST_DIR}/unit4_activate.cpp
    ${CMAKE_CURRENT_LIST_DIR}/unit4_confirm.cpp
    ${CMAKE_CURRENT_LIST_DIR}/unit4_editing.cpp
    ${CMAKE_CURRENT_LIST_DIR}/unit5.cpp
    ${CMAKE_CURRENT_LIST_DIR}/unit5_media.cpp
)
