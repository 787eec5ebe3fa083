#pragma once

#include "base/dialogs.h"

class QWidget;

namespace solvaro {

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
