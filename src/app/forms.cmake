# Form classes of src/app
list(APPEND SOLVARO_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/unit0.cpp
    ${CMAKE_CURRENT_LIST_DIR}/unit0_pictures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/unit0_startpanel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/unit0_toolbar.cpp
    ${CMAKE_CURRENT_LIST_DIR}/icons.qrc
    ${CMAKE_CURRENT_LIST_DIR}/formcreation.cpp
)
