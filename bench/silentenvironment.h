#pragma once

// Dialogs and a sound channel for the benchmarks: nothing is shown or heard,
// errors go to the standard error stream.
#include "base/dialogs.h"
#include "media/soundoutput.h"

#include <cstdio>

namespace solvaro {

class SilentDialogs : public Dialogs
{
public:
    // What the save dialog answers; empty cancels it.
    QString fileToSave;

    void showMessage(const QString &) override { }
    void showError(const QString &text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    bool askYesNo(const QString &, const QString &) override { return false; }
    std::optional<QString> inputText(
        const QString &, const QString &, const QString &, bool) override
    {
        return std::nullopt;
    }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(
        const QString &, const QString &, const QString &, const QString &) override
    {
        return fileToSave;
    }
    std::optional<QFont> chooseFont(const QFont &) override { return std::nullopt; }
    std::optional<QColor> chooseColor(const QColor &) override { return std::nullopt; }
};

class SilentSound final : public SoundOutput
{
public:
    void play(const QString &, bool) override { }
    void stop() override { }
};

} // namespace solvaro
