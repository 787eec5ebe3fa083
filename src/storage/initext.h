#pragma once

#include <QByteArray>
#include <QString>

namespace solvaro {

// The encodings an INI file is read in and written back in.
enum class IniEncoding {
    Utf8, // also every file that is plain ASCII, and every new file
    Windows1252, // the code page of the existing installations
    Utf16LE, // with its byte-order mark
    Utf16BE, // with its byte-order mark
};

struct IniText {
    QString text;
    IniEncoding encoding = IniEncoding::Utf8;
    // The byte-order mark the file started with, written back as found.
    QByteArray byteOrderMark;
};

// Decodes the bytes of an INI file: a UTF-16 byte-order mark selects UTF-16, a
// UTF-8 one is skipped; after it valid UTF-8 is UTF-8 and anything else
// Windows-1252.
IniText decodeIniText(const QByteArray &bytes);

// The bytes of a file in the given encoding, after the byte-order mark.
// Windows-1252 must be able to hold the text (see canEncodeWindows1252).
QByteArray encodeIniText(
    const QString &text, IniEncoding encoding, const QByteArray &byteOrderMark);

// Windows-1252 proper: 0x80 is the euro sign, the five bytes the code page
// leaves undefined map to the control characters of the same number, so every
// byte sequence survives a round trip.
QString decodeWindows1252(const QByteArray &bytes);
QByteArray encodeWindows1252(QStringView text);
bool canEncodeWindows1252(QStringView text);

} // namespace solvaro
