# Files of src/home
list(APPEND SOLVARO_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/gifmotion.cpp
    ${CMAKE_CURRENT_LIST_DIR}/lookplace.cpp
    ${CMAKE_CURRENT_LIST_DIR}/numerickeys.cpp
    ${CMAKE_CURRENT_LIST_DIR}/skinfile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/toolbarlayout.cpp
)
list(APPEND SOLVARO_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/screencursor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tgif.cpp
)
