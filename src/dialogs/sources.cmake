# Files of src/dialogs
list(APPEND SOLVARO_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/closingscore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mediasettings.cpp
)
list(APPEND SOLVARO_GUI_SOURCES
)
