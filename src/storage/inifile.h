#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <memory>

namespace solvaro {

// One INI file, read and parsed once when the object is made. Reads and writes
// work on the copy in memory; updateFile() writes it out in one piece, atomically.
// Section and key names match without regard to case.
class IniFile
{
public:
    // decimalSeparator is the user's, used by readFloat and writeFloat.
    explicit IniFile(const QString &path, QChar decimalSeparator = QLatin1Char('.'));
    ~IniFile();
    IniFile(const IniFile &) = delete;
    IniFile &operator=(const IniFile &) = delete;

    QString path() const;

    QString readString(
        const QString &section, const QString &key, const QString &defaultValue) const;
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;
    double readFloat(const QString &section, const QString &key, double defaultValue) const;

    bool sectionExists(const QString &section) const;
    bool keyExists(const QString &section, const QString &key) const;
    // The "key=value" lines of a section in file order.
    QStringList sectionLines(const QString &section) const;
    QStringList sectionNames() const;

    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);
    void writeFloat(const QString &section, const QString &key, double value);
    void deleteKey(const QString &section, const QString &key);
    void eraseSection(const QString &section);

    // True when something was written since the file was read or last updated.
    bool isModified() const;
    // Writes the file out; throws solvaro::Error("Unable to write to <path>")
    // and leaves the file on disk as it was when that fails.
    void updateFile();

private:
    struct Data;
    std::unique_ptr<Data> d;
};

} // namespace solvaro
