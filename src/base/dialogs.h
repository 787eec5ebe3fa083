#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

namespace solvaro {

// Every modal question the program asks goes through this interface, so that
// the program shows real dialogs and tests answer from a script.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // A plain message box with an OK button.
    virtual void showMessage(const QString &text) = 0;
    // The application's general error box.
    virtual void showError(const QString &text) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool askYesNo(const QString &text, const QString &caption = QString()) = 0;
    // A one-line input box; nothing when cancelled. With masked set every
    // typed character shows as '*'.
    virtual std::optional<QString> inputText(const QString &caption, const QString &prompt,
        const QString &defaultText, bool masked = false)
        = 0;
    // File dialogs; an empty string when cancelled. The filter uses Qt's form
    // ("Pictures (*.bmp *.jpg)").
    virtual QString openFileName(
        const QString &caption, const QString &folder, const QString &filter)
        = 0;
    virtual QString saveFileName(const QString &caption, const QString &folder,
        const QString &filter, const QString &defaultSuffix = QString())
        = 0;
    virtual std::optional<QFont> chooseFont(const QFont &initial) = 0;
    virtual std::optional<QColor> chooseColor(const QColor &initial) = 0;
};

} // namespace solvaro
