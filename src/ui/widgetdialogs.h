#pragma once

#include "base/dialogs.h"

#include <QFont>

class QWidget;

namespace solvaro {

// The font dialog lists only the families installed here. A font whose family
// is not (as a look written on another machine names) opens on the family
// that stands in for it on screen, with its own style and size, rather than on
// the dialog's default; and confirmed as it opened it stays the font it was.
QFont fontDialogStart(const QFont &font);
QFont fontDialogChoice(const QFont &font, const QFont &start, const QFont &chosen);

// The real dialogs, shown modally over a parent window.
class WidgetDialogs final : public Dialogs
{
public:
    explicit WidgetDialogs(QWidget *parent = nullptr);

    void setParentWindow(QWidget *parent) { m_parent = parent; }

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

private:
    QWidget *m_parent;
};

} // namespace solvaro
