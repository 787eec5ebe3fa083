# Files of src/overview
list(APPEND SOLVARO_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/classprogress.cpp
    ${CMAKE_CURRENT_LIST_DIR}/classtotals.cpp
    ${CMAKE_CURRENT_LIST_DIR}/csvexport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tablemodel.cpp
)
list(APPEND SOLVARO_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/classreport.cpp
)
