#include "storage/recordaddress.h"

namespace solvaro {

QString RecordFile::path() const
{
    const QString *path = std::get_if<QString>(&m_file);
    return path ? *path : QString();
}

const IniFile *RecordFile::openFile() const
{
    const IniFile *const *open = std::get_if<const IniFile *>(&m_file);
    return open ? *open : nullptr;
}

RecordAddress elementRecord(const RecordFile &file, const QString &section, const QString &prefix)
{
    return RecordAddress { file, section, prefix };
}

RecordAddress questionGroupRecord(const RecordFile &file, const QString &exerciseSection, int step)
{
    return RecordAddress { file, exerciseSection, QStringLiteral("E%1").arg(step) };
}

} // namespace solvaro
