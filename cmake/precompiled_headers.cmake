# Precompiled headers for the sanitizer and fuzz builds, where parsing the same standard, Qt and
# GoogleTest headers again in every file takes a third of the time. The Release build compiles each
# file on its own, so an include a file forgot still fails there.
option(ZOR06_PCH "Precompile the headers most files include" OFF)

set(ZOR06_PCH_STD
    <algorithm> <array> <cstdint> <filesystem> <fstream> <functional> <map> <memory> <optional>
    <span> <string> <string_view> <vector>)
set(ZOR06_PCH_QT
    <QApplication> <QCheckBox> <QComboBox> <QDialog> <QGridLayout> <QLabel> <QLineEdit>
    <QPushButton> <QTableWidget> <QVBoxLayout>)
set(ZOR06_PCH_GTEST <gtest/gtest.h>)

# zor06_precompile_headers(TARGET std|qt|gtest|qt-test): the headers of that kind of target. The
# screen tests have one file each, so they share one header compiled once for all of them.
function(zor06_precompile_headers target kind)
    if(NOT ZOR06_PCH)
        return()
    endif()
    if(kind STREQUAL "std")
        target_precompile_headers(${target} PRIVATE ${ZOR06_PCH_STD})
    elseif(kind STREQUAL "qt")
        target_precompile_headers(${target} PRIVATE ${ZOR06_PCH_STD} ${ZOR06_PCH_QT})
    elseif(kind STREQUAL "gtest")
        target_precompile_headers(${target} PRIVATE ${ZOR06_PCH_STD} ${ZOR06_PCH_GTEST})
    elseif(kind STREQUAL "qt-test")
        get_property(shared GLOBAL PROPERTY ZOR06_PCH_QT_TEST_TARGET)
        if(shared)
            target_precompile_headers(${target} REUSE_FROM ${shared})
        else()
            target_precompile_headers(${target} PRIVATE ${ZOR06_PCH_STD} ${ZOR06_PCH_QT} <QtTest>)
            set_property(GLOBAL PROPERTY ZOR06_PCH_QT_TEST_TARGET ${target})
        endif()
    else()
        message(FATAL_ERROR "zor06_precompile_headers: unknown kind ${kind}")
    endif()
endfunction()
