# Files of src/storage
list(APPEND SOLVARO_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/atomicwrite.cpp
    ${CMAKE_CURRENT_LIST_DIR}/datafolders.cpp
    ${CMAKE_CURRENT_LIST_DIR}/inifile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/iniline.cpp
    ${CMAKE_CURRENT_LIST_DIR}/initext.cpp
    ${CMAKE_CURRENT_LIST_DIR}/linebreaks.cpp
    ${CMAKE_CURRENT_LIST_DIR}/designspace.cpp
    ${CMAKE_CURRENT_LIST_DIR}/colornumber.cpp
    ${CMAKE_CURRENT_LIST_DIR}/lookrecord.cpp
    ${CMAKE_CURRENT_LIST_DIR}/recordaddress.cpp
    ${CMAKE_CURRENT_LIST_DIR}/exercisecatalogue.cpp
)
list(APPEND SOLVARO_GUI_SOURCES
)
