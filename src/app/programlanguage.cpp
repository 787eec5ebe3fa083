#include "app/programlanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace solvaro {

ProgramLanguage::ProgramLanguage(const QLocale &language)
{
    // The program's translations are built into it; Qt's come with Qt.
    if (m_program.load(
            language, QStringLiteral("solvaro"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        m_programInstalled = QCoreApplication::installTranslator(&m_program);
    if (m_programInstalled
        && m_qt.load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        m_qtInstalled = QCoreApplication::installTranslator(&m_qt);
}

ProgramLanguage::~ProgramLanguage()
{
    if (m_qtInstalled)
        QCoreApplication::removeTranslator(&m_qt);
    if (m_programInstalled)
        QCoreApplication::removeTranslator(&m_program);
}

} // namespace solvaro
