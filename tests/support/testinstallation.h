#pragma once

#include <QString>
#include <QTemporaryDir>

namespace solvaro {

// A throw-away installation for one test: a temporary folder that plays the
// executable folder, with the four data folders, optionally filled with a copy
// of the sample installation or of a fixture folder under tests/data.
class TestInstallation
{
public:
    TestInstallation();

    bool isValid() const { return m_dir.isValid(); }
    // The executable folder, with a trailing '/'.
    QString folder() const;
    // Absolute path of a file given relative to the executable folder.
    QString path(const QString &relative) const;
    // Writes a file (relative path, '/' separated), creating its folder.
    void writeFile(const QString &relative, const QByteArray &content) const;
    QByteArray readFile(const QString &relative) const;
    // Copies a whole folder tree into the installation.
    void copyFrom(const QString &sourceFolder) const;
    void copySample() const { copyFrom(QStringLiteral(SOLVARO_SAMPLE_DIR)); }
    // Absolute path of a fixture under tests/data.
    static QString fixture(const QString &relative);

private:
    QTemporaryDir m_dir;
};

} // namespace solvaro
