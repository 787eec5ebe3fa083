# Files of src/ui
list(APPEND SOLVARO_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/alignments.cpp
    ${CMAKE_CURRENT_LIST_DIR}/filefilter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fillgeometry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/handlegeometry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/handlers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/keycolor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/linebreaktext.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report/reporttemplate.cpp
)
list(APPEND SOLVARO_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/animatedpicture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/elementtag.cpp
    ${CMAKE_CURRENT_LIST_DIR}/filenameedit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fillpanel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/focusmarker.cpp
    ${CMAKE_CURRENT_LIST_DIR}/focusorder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/hintwindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/lednumber.cpp
    ${CMAKE_CURRENT_LIST_DIR}/lookwidgets.cpp
    ${CMAKE_CURRENT_LIST_DIR}/memo.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mouseevents.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pagehost.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picturebutton.cpp
    ${CMAKE_CURRENT_LIST_DIR}/radiogroup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/resizehandles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/scrollbox.cpp
    ${CMAKE_CURRENT_LIST_DIR}/speakerbutton.cpp
    ${CMAKE_CURRENT_LIST_DIR}/speedbutton.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tabstrip.cpp
    ${CMAKE_CURRENT_LIST_DIR}/textlabel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/treeview.cpp
    ${CMAKE_CURRENT_LIST_DIR}/widgetdialogs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report/reportengine.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report/reportpreview.cpp
)
