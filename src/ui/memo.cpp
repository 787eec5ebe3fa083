#include "ui/memo.h"

#include "ui/linebreaktext.h"

namespace solvaro {

Memo::Memo(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
}

void Memo::setText(const QString &text)
{
    setPlainText(toLfLineBreaks(text));
}

QString Memo::text() const
{
    return toCrLfLineBreaks(toPlainText());
}

void Memo::setLines(const QStringList &lines)
{
    setPlainText(lines.join(QLatin1Char('\n')));
}

QStringList Memo::lines() const
{
    const QString plain = toPlainText();
    if (plain.isEmpty())
        return {};
    return plain.split(QLatin1Char('\n'));
}

} // namespace solvaro
