# Files of src/media
list(APPEND SOLVARO_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/documentsfolder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/imageloading.cpp
    ${CMAKE_CURRENT_LIST_DIR}/jpegdecoder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/wavfile.cpp
)
list(APPEND SOLVARO_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/qtsoundoutput.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qtspeechoutput.cpp
)
