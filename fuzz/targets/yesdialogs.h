#pragma once

#include "base/dialogs.h"

namespace solvaro::fuzz {

// Dialogs that answer every question with Yes and cancel every other dialog,
// counting the messages shown.
class YesDialogs : public Dialogs
{
public:
    int messages = 0;

    void showMessage(const QString &) override { ++messages; }
    void showError(const QString &) override { ++messages; }
    bool askYesNo(const QString &, const QString &) override { return true; }
    std::optional<QString> inputText(
        const QString &, const QString &, const QString &, bool) override
    {
        return std::nullopt;
    }
    QString openFileName(const QString &, const QString &, const QString &) override
    {
        return QString();
    }
    QString saveFileName(
        const QString &, const QString &, const QString &, const QString &) override
    {
        return QString();
    }
    std::optional<QFont> chooseFont(const QFont &) override { return std::nullopt; }
    std::optional<QColor> chooseColor(const QColor &) override { return std::nullopt; }
};

} // namespace solvaro::fuzz
