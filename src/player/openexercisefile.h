#pragma once

#include "storage/inifile.h"

#include <QChar>
#include <QString>
#include <optional>

namespace solvaro {

// Keeps the exercise file open while one exercise loads, so that every
// element restored from it and every key read from it come from one reading
// of the file. A load that is part of the preparation of a sheet uses the file
// the preparation already has open; so does a resume, whose question groups
// and labels all come from the exercise just loaded.
class OpenExerciseFile
{
public:
    OpenExerciseFile(const IniFile *&open, const QString &path, QChar decimalSeparator)
        : m_open(open)
    {
        if (m_open)
            return;
        m_own.emplace(path, decimalSeparator);
        m_open = &*m_own;
    }
    ~OpenExerciseFile()
    {
        if (m_own)
            m_open = nullptr;
    }
    OpenExerciseFile(const OpenExerciseFile &) = delete;
    OpenExerciseFile &operator=(const OpenExerciseFile &) = delete;

    const IniFile &file() const { return *m_open; }

private:
    const IniFile *&m_open;
    std::optional<IniFile> m_own;
};

} // namespace solvaro
