# Form classes of src/player
list(APPEND SOLVARO_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/unitp3.cpp
    ${CMAKE_CURRENT_LIST_DIR}/unitp3_access.cpp
    ${CMAKE_CURRENT_LIST_DIR}/unitp3_commands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/unitp3_editing.cpp
    ${CMAKE_CURRENT_LIST_DIR}/unitp3_feedback.cpp
    ${CMAKE_CURRENT_LIST_DIR}/unitp3_formulafield.cpp
    ${CMAKE_CURRENT_LIST_DIR}/unitp3_formulas.cpp
    ${CMAKE_CURRENT_LIST_DIR}/unitp3_handles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/unitp3_progress.cpp
    ${CMAKE_CURRENT_LIST_DIR}/unitp3_report.cpp
    ${CMAKE_CURRENT_LIST_DIR}/unitp3_sheet.cpp
    ${CMAKE_CURRENT_LIST_DIR}/unitp3_steps.cpp
)
