# Files of src/app
list(APPEND SOLVARO_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/desktopplatform.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pdfviewer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/systeminformation.cpp
    ${CMAKE_CURRENT_LIST_DIR}/versioncaption.cpp
    ${CMAKE_CURRENT_LIST_DIR}/volumecontrol.cpp
)
list(APPEND SOLVARO_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/application.cpp
    ${CMAKE_CURRENT_LIST_DIR}/firstpaint.cpp
    ${CMAKE_CURRENT_LIST_DIR}/singleinstance.cpp
    ${CMAKE_CURRENT_LIST_DIR}/startprobe.cpp
)
