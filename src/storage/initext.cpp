#include "storage/initext.h"

#include <QStringDecoder>
#include <QtEndian>
#include <array>

namespace solvaro {

namespace {

// Code points of the bytes 0x80 to 0x9F; the undefined ones keep their number.
constexpr std::array<char16_t, 32> windows1252High = {
    0x20AC,
    0x0081,
    0x201A,
    0x0192,
    0x201E,
    0x2026,
    0x2020,
    0x2021,
    0x02C6,
    0x2030,
    0x0160,
    0x2039,
    0x0152,
    0x008D,
    0x017D,
    0x008F,
    0x0090,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,
    0x02DC,
    0x2122,
    0x0161,
    0x203A,
    0x0153,
    0x009D,
    0x017E,
    0x0178,
};

// The byte of a character, or -1 when Windows-1252 has none.
int windows1252Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (std::size_t i = 0; i < windows1252High.size(); ++i) {
        if (windows1252High[i] == c)
            return int(0x80 + i);
    }
    return -1;
}

bool startsWith(const QByteArray &bytes, const char *mark)
{
    return bytes.startsWith(QByteArrayView(mark));
}

// UTF-16 is taken code unit by code unit, both ways, so that every unit
// survives a rewrite of the file unchanged. Half a code unit at the very end
// is dropped rather than read as a replacement character that a rewrite
// would write out.
QString decodeUtf16(QByteArrayView bytes, bool littleEndian)
{
    QString text(bytes.size() / 2, Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        const char *unit = bytes.data() + i;
        *out++ = QChar(
            littleEndian ? qFromLittleEndian<quint16>(unit) : qFromBigEndian<quint16>(unit));
    }
    return text;
}

QByteArray encodeUtf16(QStringView text, bool littleEndian)
{
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    char *out = bytes.data();
    for (const QChar c : text) {
        if (littleEndian)
            qToLittleEndian<quint16>(c.unicode(), out);
        else
            qToBigEndian<quint16>(c.unicode(), out);
        out += 2;
    }
    return bytes;
}

} // namespace

QString decodeWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = (b >= 0x80 && b < 0xA0) ? QChar(windows1252High[b - 0x80]) : QChar(char16_t(b));
    }
    return text;
}

QByteArray encodeWindows1252(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (const QChar c : text) {
        const int b = windows1252Byte(c.unicode());
        *out++ = static_cast<char>(b < 0 ? '?' : b);
    }
    return bytes;
}

bool canEncodeWindows1252(QStringView text)
{
    for (const QChar c : text) {
        if (windows1252Byte(c.unicode()) < 0)
            return false;
    }
    return true;
}

IniText decodeIniText(const QByteArray &bytes)
{
    IniText result;
    if (startsWith(bytes, "\xFF\xFE") || startsWith(bytes, "\xFE\xFF")) {
        const bool little = bytes.at(0) == '\xFF';
        result.encoding = little ? IniEncoding::Utf16LE : IniEncoding::Utf16BE;
        result.byteOrderMark = bytes.left(2);
        result.text = decodeUtf16(QByteArrayView(bytes).sliced(2), little);
        return result;
    }
    if (startsWith(bytes, "\xEF\xBB\xBF"))
        result.byteOrderMark = bytes.left(3);
    const QByteArrayView body = QByteArrayView(bytes).sliced(result.byteOrderMark.size());
    QStringDecoder utf8(QStringConverter::Utf8,
        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    result.text = utf8.decode(body);
    if (!utf8.hasError())
        return result;
    // Not UTF-8: a file of the existing installations, in their code page.
    result.encoding = IniEncoding::Windows1252;
    result.text = decodeWindows1252(body.toByteArray());
    return result;
}

QByteArray encodeIniText(const QString &text, IniEncoding encoding, const QByteArray &byteOrderMark)
{
    QByteArray bytes = byteOrderMark;
    switch (encoding) {
    case IniEncoding::Windows1252:
        return bytes + encodeWindows1252(text);
    case IniEncoding::Utf16LE:
    case IniEncoding::Utf16BE:
        return bytes + encodeUtf16(text, encoding == IniEncoding::Utf16LE);
    case IniEncoding::Utf8:
        break;
    }
    return bytes + text.toUtf8();
}

} // namespace solvaro
