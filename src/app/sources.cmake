# Files of src/app
list(APPEND SOLVARO_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/desktopplatform.cpp
    ${CMAKE_CURRENT_LIST_DIR}/installationfolder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pdfviewer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/systeminformation.cpp
    ${CMAKE_CURRENT_LIST_DIR}/versioncaption.cpp
    ${CMAKE_CURRENT_LIST_DIR}/volumecontrol.cpp
)
list(APPEND SOLVARO_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/application.cpp
    ${CMAKE_CURRENT_LIST_DIR}/firstpaint.cpp
    ${CMAKE_CURRENT_LIST_DIR}/programlanguage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/singleinstance.cpp
    ${CMAKE_CURRENT_LIST_DIR}/startprobe.cpp
)

# An installed program finds the sample installation from its own folder.
file(RELATIVE_PATH solvaro_sample_from_bindir
    "${CMAKE_INSTALL_FULL_BINDIR}" "${CMAKE_INSTALL_FULL_DATADIR}/solvaro/sample")
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/installationfolder.cpp PROPERTIES
    COMPILE_DEFINITIONS "SOLVARO_SAMPLE_FROM_BINDIR=\"${solvaro_sample_from_bindir}\"")
