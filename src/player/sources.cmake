# Files of src/player
list(APPEND SOLVARO_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/evaluator.cpp
    ${CMAKE_CURRENT_LIST_DIR}/numberformat.cpp
    ${CMAKE_CURRENT_LIST_DIR}/animationpreview.cpp
    ${CMAKE_CURRENT_LIST_DIR}/exercisetexts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/expectedtext.cpp
    ${CMAKE_CURRENT_LIST_DIR}/expressionbox.cpp
    ${CMAKE_CURRENT_LIST_DIR}/feedbackmedia.cpp
    ${CMAKE_CURRENT_LIST_DIR}/feedbackticker.cpp
    ${CMAKE_CURRENT_LIST_DIR}/formularow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/formulasheet.cpp
    ${CMAKE_CURRENT_LIST_DIR}/formulasteps.cpp
    ${CMAKE_CURRENT_LIST_DIR}/keyfilters.cpp
    ${CMAKE_CURRENT_LIST_DIR}/playerlogic.cpp
    ${CMAKE_CURRENT_LIST_DIR}/progressfile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/progressstate.cpp
    ${CMAKE_CURRENT_LIST_DIR}/questiongroup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reportcontent.cpp
    ${CMAKE_CURRENT_LIST_DIR}/stepcycle.cpp
    ${CMAKE_CURRENT_LIST_DIR}/storedlines.cpp
    ${CMAKE_CURRENT_LIST_DIR}/validation.cpp
)
list(APPEND SOLVARO_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/resultreport.cpp
)
