#pragma once

#include <QLocale>
#include <QTranslator>

namespace solvaro {

// The program's own texts in the pupil's language: the program's translation
// and Qt's own (the buttons of message boxes) for a locale, installed into the
// application for as long as the object lives. Where no translation exists the
// texts stay as written in the code.
class ProgramLanguage
{
public:
    explicit ProgramLanguage(const QLocale &language);
    ~ProgramLanguage();
    ProgramLanguage(const ProgramLanguage &) = delete;
    ProgramLanguage &operator=(const ProgramLanguage &) = delete;

    // Whether the program's own texts are translated.
    bool translated() const { return m_programInstalled; }

private:
    QTranslator m_program;
    QTranslator m_qt;
    bool m_programInstalled = false;
    bool m_qtInstalled = false;
};

} // namespace solvaro
