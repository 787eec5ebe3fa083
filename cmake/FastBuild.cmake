# What keeps a build from scratch short on a small machine: most of a file's
# compile time goes into the Qt and standard headers, parsed anew for every
# file, and into the inline Qt code each file instantiates again. A unity
# build compiles a library's files in batches, so that each batch parses and
# instantiates once; precompiled headers parse the common headers once per
# library and once for all the tests.
option(SOLVARO_UNITY_BUILD "Compile each library's files in batches" ON)
option(SOLVARO_PRECOMPILED_HEADERS "Precompile the Qt and standard headers" ON)

# Headers of Qt Core and Qt Gui and of the standard library that the core's
# files use most.
set(SOLVARO_CORE_HEADERS
    <QByteArray> <QChar> <QColor> <QDir> <QFile> <QFileInfo> <QHash> <QImage> <QList> <QMap>
    <QPoint> <QRect> <QSize> <QString> <QStringList> <QVariant> <QVector>
    <algorithm> <cmath> <functional> <limits> <memory> <optional>)
# Those the forms add.
set(SOLVARO_WIDGET_HEADERS
    <QApplication> <QComboBox> <QDialog> <QHBoxLayout> <QLabel> <QLineEdit> <QMenu>
    <QMouseEvent> <QPainter> <QPixmap> <QPushButton> <QSpinBox> <QStyle> <QTimer>
    <QVBoxLayout> <QWidget>)
# And the tests.
set(SOLVARO_TEST_HEADERS <QSignalSpy> <QTemporaryDir> <QTest>)

# solvaro_unity_build(TARGET...)
function(solvaro_unity_build)
    if(NOT SOLVARO_UNITY_BUILD)
        return()
    endif()
    set_target_properties(${ARGN} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
    # A file included into a batch is no longer the main file of its compile,
    # and GCC then takes the types of its anonymous namespace for a header's.
    # The warning still guards the headers in a build without batches.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        foreach(target IN LISTS ARGN)
            target_compile_options(${target} PRIVATE -Wno-subobject-linkage)
        endforeach()
    endif()
endfunction()

# solvaro_precompile_headers(TARGET HEADERS...): TARGET's own precompiled headers.
function(solvaro_precompile_headers target)
    if(SOLVARO_PRECOMPILED_HEADERS)
        target_precompile_headers(${target} PRIVATE ${ARGN})
    endif()
endfunction()

# solvaro_reuse_headers(TARGET FROM): TARGET uses the precompiled headers of
# FROM, which is compiled with the same options and definitions.
function(solvaro_reuse_headers target from)
    if(SOLVARO_PRECOMPILED_HEADERS)
        target_precompile_headers(${target} REUSE_FROM ${from})
    endif()
endfunction()
