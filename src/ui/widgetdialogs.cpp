#include "ui/widgetdialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>

namespace solvaro {

namespace {

// After a modal dialog the keys go back to the window it was shown over, also
// where no window manager hands them back.
class KeysBackAfterwards
{
public:
    explicit KeysBackAfterwards(QWidget *parent)
        : m_window(parent ? parent->window() : nullptr)
    {
    }
    ~KeysBackAfterwards()
    {
        if (m_window && m_window->isVisible())
            m_window->activateWindow();
    }
    KeysBackAfterwards(const KeysBackAfterwards &) = delete;
    KeysBackAfterwards &operator=(const KeysBackAfterwards &) = delete;

private:
    QPointer<QWidget> m_window;
};

} // namespace

WidgetDialogs::WidgetDialogs(QWidget *parent)
    : m_parent(parent)
{
}

void WidgetDialogs::showMessage(const QString &text)
{
    const KeysBackAfterwards keys(m_parent);
    QMessageBox::information(m_parent, QApplication::applicationName(), text);
}

void WidgetDialogs::showError(const QString &text)
{
    const KeysBackAfterwards keys(m_parent);
    QMessageBox::critical(m_parent, QApplication::applicationName(), text);
}

bool WidgetDialogs::askYesNo(const QString &text, const QString &caption)
{
    const KeysBackAfterwards keys(m_parent);
    const QString title = caption.isEmpty() ? QApplication::applicationName() : caption;
    return QMessageBox::question(m_parent, title, text, QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

std::optional<QString> WidgetDialogs::inputText(
    const QString &caption, const QString &prompt, const QString &defaultText, bool masked)
{
    const KeysBackAfterwards keys(m_parent);
    bool ok = false;
    const QString text = QInputDialog::getText(m_parent, caption, prompt,
        masked ? QLineEdit::Password : QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString WidgetDialogs::openFileName(
    const QString &caption, const QString &folder, const QString &filter)
{
    const KeysBackAfterwards keys(m_parent);
    return QFileDialog::getOpenFileName(m_parent, caption, folder, filter);
}

QString WidgetDialogs::saveFileName(const QString &caption, const QString &folder,
    const QString &filter, const QString &defaultSuffix)
{
    const KeysBackAfterwards keys(m_parent);
    QFileDialog dialog(m_parent, caption, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QFont fontDialogStart(const QFont &font)
{
    if (QFontDatabase::hasFamily(font.family()))
        return font;
    QFont shown = font;
    shown.setFamily(QFontInfo(font).family());
    return shown;
}

QFont fontDialogChoice(const QFont &font, const QFont &start, const QFont &chosen)
{
    const bool unchanged = chosen.family() == start.family()
        && chosen.pointSize() == start.pointSize() && chosen.bold() == start.bold()
        && chosen.italic() == start.italic() && chosen.underline() == start.underline()
        && chosen.strikeOut() == start.strikeOut();
    return unchanged ? font : chosen;
}

std::optional<QFont> WidgetDialogs::chooseFont(const QFont &initial)
{
    const KeysBackAfterwards keys(m_parent);
    bool ok = false;
    const QFont start = fontDialogStart(initial);
    const QFont font = QFontDialog::getFont(&ok, start, m_parent);
    if (!ok)
        return std::nullopt;
    return fontDialogChoice(initial, start, font);
}

std::optional<QColor> WidgetDialogs::chooseColor(const QColor &initial)
{
    const KeysBackAfterwards keys(m_parent);
    const QColor color = QColorDialog::getColor(initial, m_parent);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

} // namespace solvaro
