#include "ui/filenameedit.h"

#include "base/dialogs.h"
#include "ui/filefilter.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

namespace solvaro {

FileNameEdit::FileNameEdit(QWidget *parent)
    : QWidget(parent)
    , m_edit(new QLineEdit(this))
    , m_browse(new QToolButton(this))
{
    m_edit->setObjectName(QStringLiteral("fileNameField"));
    m_browse->setObjectName(QStringLiteral("browseButton"));
    m_browse->setText(QStringLiteral("..."));
    m_browse->setCursor(Qt::PointingHandCursor);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_edit, 1);
    layout->addWidget(m_browse);
    connect(m_browse, &QToolButton::clicked, this, &FileNameEdit::browse);
    connect(m_edit, &QLineEdit::editingFinished, this, &FileNameEdit::onEditingFinished);
}

QString FileNameEdit::fileName() const
{
    return m_edit->text();
}

void FileNameEdit::setFileName(const QString &fileName)
{
    m_edit->setText(fileName);
    m_lastTold = fileName;
}

void FileNameEdit::browse()
{
    if (!m_dialogs)
        return;
    const QString picked
        = m_dialogs->openFileName(m_dialogCaption, startFolder(), toQtFileFilter(m_filter));
    if (picked.isEmpty())
        return;
    m_edit->setText(withDefaultExtension(picked, m_defaultExtension));
    onEditingFinished();
}

QString FileNameEdit::startFolder() const
{
    const QFileInfo current(fileName());
    if (current.isAbsolute() && current.absoluteDir().exists())
        return current.absolutePath();
    return m_initialFolder;
}

void FileNameEdit::onEditingFinished()
{
    if (fileName() == m_lastTold)
        return;
    m_lastTold = fileName();
    emit fileNameChanged(m_lastTold);
}

} // namespace solvaro
