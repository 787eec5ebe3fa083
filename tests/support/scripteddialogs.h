#pragma once

#include "base/dialogs.h"

#include <QList>
#include <QStringList>

#include <functional>

namespace solvaro {

// Answers every modal dialog from a script and records what was shown, so a
// test never waits on a real dialog. An unscripted question fails the test.
class ScriptedDialogs final : public Dialogs
{
public:
    // What the dialogs showed, in order.
    QStringList messages;
    QStringList errors;
    QStringList questions;
    QStringList prompts;
    // The text each input dialog offered.
    QStringList defaultTexts;

    // Answers, consumed in order.
    QList<bool> yesNoAnswers;
    QList<std::optional<QString>> inputAnswers;
    QStringList fileAnswers;
    QList<std::optional<QFont>> fontAnswers;
    QList<std::optional<QColor>> colorAnswers;
    // Called as each message shows, to look at the screen behind it.
    std::function<void(const QString &)> onMessage;

    void showMessage(const QString &text) override;
    void showError(const QString &text) override;
    bool askYesNo(const QString &text, const QString &caption) override;
    std::optional<QString> inputText(const QString &caption, const QString &prompt,
        const QString &defaultText, bool masked) override;
    QString openFileName(
        const QString &caption, const QString &folder, const QString &filter) override;
    QString saveFileName(const QString &caption, const QString &folder, const QString &filter,
        const QString &defaultSuffix) override;
    std::optional<QFont> chooseFont(const QFont &initial) override;
    std::optional<QColor> chooseColor(const QColor &initial) override;

    // The caption, masking and folder of the last input or file dialog.
    QString lastCaption;
    bool lastMasked = false;
    QString lastFolder;
    QString lastFilter;
};

} // namespace solvaro
