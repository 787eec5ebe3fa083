#include "overview/csvexport.h"

#include <QSaveFile>

namespace solvaro {

namespace {

QString field(const QVariant &cell)
{
    if (cell.typeId() == QMetaType::Int)
        return QString::number(cell.toInt());
    QString text = cell.toString();
    if (!text.isEmpty() && QStringView(u"=+-@\t\r").contains(text.front()))
        text.prepend(QLatin1Char('\''));
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"'))
        || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
        text.replace(QLatin1String("\""), QLatin1String("\"\""));
        text = QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text;
}

void appendRecord(QString &out, const QVariantList &cells)
{
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0)
            out += QLatin1Char(',');
        out += field(cells[i]);
    }
    out += QLatin1String("\r\n");
}

} // namespace

QByteArray csvText(const QStringList &headers, const QVector<QVariantList> &rows)
{
    QString out;
    QVariantList headerCells;
    for (const QString &header : headers)
        headerCells.append(header);
    appendRecord(out, headerCells);
    for (const QVariantList &row : rows)
        appendRecord(out, row);
    return QByteArray("\xef\xbb\xbf") + out.toUtf8();
}

bool writeCsvFile(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(content) != content.size())
        return false;
    return file.commit();
}

} // namespace solvaro
