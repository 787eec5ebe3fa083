#include "support/scripteddialogs.h"

#include <QTest>

namespace solvaro {

namespace {

template<typename T> T takeAnswer(QList<T> &answers, const char *kind)
{
    if (answers.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unscripted %1 dialog").arg(QLatin1String(kind))),
            __FILE__, __LINE__);
        return T {};
    }
    return answers.takeFirst();
}

} // namespace

void ScriptedDialogs::showMessage(const QString &text)
{
    messages << text;
    if (onMessage)
        onMessage(text);
}

void ScriptedDialogs::showError(const QString &text)
{
    errors << text;
}

bool ScriptedDialogs::askYesNo(const QString &text, const QString &caption)
{
    questions << text;
    lastCaption = caption;
    return takeAnswer(yesNoAnswers, "yes/no");
}

std::optional<QString> ScriptedDialogs::inputText(
    const QString &caption, const QString &prompt, const QString &defaultText, bool masked)
{
    prompts << prompt;
    defaultTexts << defaultText;
    lastCaption = caption;
    lastMasked = masked;
    return takeAnswer(inputAnswers, "input");
}

QString ScriptedDialogs::openFileName(
    const QString &caption, const QString &folder, const QString &filter)
{
    lastCaption = caption;
    lastFolder = folder;
    lastFilter = filter;
    return takeAnswer(fileAnswers, "open file");
}

QString ScriptedDialogs::saveFileName(
    const QString &caption, const QString &folder, const QString &filter, const QString &)
{
    lastCaption = caption;
    lastFolder = folder;
    lastFilter = filter;
    return takeAnswer(fileAnswers, "save file");
}

std::optional<QFont> ScriptedDialogs::chooseFont(const QFont &)
{
    return takeAnswer(fontAnswers, "font");
}

std::optional<QColor> ScriptedDialogs::chooseColor(const QColor &)
{
    return takeAnswer(colorAnswers, "colour");
}

} // namespace solvaro
