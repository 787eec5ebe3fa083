#pragma once

#include <QString>

#include <variant>

namespace solvaro {

class IniFile;

// The file a record is in: a path relative to the executable folder, opened
// for the one call, or a file a form already has open, so that restoring many
// elements from one file reads it once.
class RecordFile
{
public:
    RecordFile() = default;
    RecordFile(const QString &path)
        : m_file(path)
    {
    }
    RecordFile(const IniFile &openFile)
        : m_file(&openFile)
    {
    }

    // The relative path; empty for an open file.
    QString path() const;
    // The open file; null for a path.
    const IniFile *openFile() const;

private:
    std::variant<QString, const IniFile *> m_file;
};

// Where one component property record lives: the file, the section and the
// prefix of its keys (prefix + ".Font.Size" and so on).
struct RecordAddress {
    RecordFile file;
    QString section;
    QString prefix;
};

// The record of a restylable element: its keys start with prefix, as a rule
// the element's name.
RecordAddress elementRecord(const RecordFile &file, const QString &section, const QString &prefix);
// The record of question group "E<step>" in the section of an exercise: the
// font keys and the key "E<step>" itself holding the options.
RecordAddress questionGroupRecord(const RecordFile &file, const QString &exerciseSection, int step);

} // namespace solvaro
