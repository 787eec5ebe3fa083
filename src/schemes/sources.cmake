# Files of src/schemes
list(APPEND SOLVARO_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/formulapattern.cpp
    ${CMAKE_CURRENT_LIST_DIR}/scheme.cpp
    ${CMAKE_CURRENT_LIST_DIR}/schemesaving.cpp
    ${CMAKE_CURRENT_LIST_DIR}/schemetree.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sheetdeletion.cpp
)
list(APPEND SOLVARO_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/schemenodelook.cpp
)
