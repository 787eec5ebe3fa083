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

namespace solvaro {

WidgetDialogs::WidgetDialogs(QWidget *parent)
    : m_parent(parent)
{
}

void WidgetDialogs::showMessage(const QString &text)
{
    QMessageBox::information(m_parent, QApplication::applicationName(), text);
}

void WidgetDialogs::showError(const QString &text)
{
    QMessageBox::critical(m_parent, QApplication::applicationName(), text);
}

bool WidgetDialogs::askYesNo(const QString &text, const QString &caption)
{
    const QString title = caption.isEmpty() ? QApplication::applicationName() : caption;
    return QMessageBox::question(m_parent, title, text, QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

std::optional<QString> WidgetDialogs::inputText(
    const QString &caption, const QString &prompt, const QString &defaultText, bool masked)
{
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
    return QFileDialog::getOpenFileName(m_parent, caption, folder, filter);
}

QString WidgetDialogs::saveFileName(const QString &caption, const QString &folder,
    const QString &filter, const QString &defaultSuffix)
{
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
    bool ok = false;
    const QFont start = fontDialogStart(initial);
    const QFont font = QFontDialog::getFont(&ok, start, m_parent);
    if (!ok)
        return std::nullopt;
    return fontDialogChoice(initial, start, font);
}

std::optional<QColor> WidgetDialogs::chooseColor(const QColor &initial)
{
    const QColor color = QColorDialog::getColor(initial, m_parent);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

} // namespace solvaro
