// The media settings dialog at work: reading the settings, the previews, and
// storing on OK.
#include "dialogs/unit5.h"

#include "app/appcontext.h"
#include "app/unit0.h"
#include "base/dialogs.h"
#include "base/error.h"
#include "dialogs/mediasettings.h"
#include "media/soundoutput.h"
#include "ui/animatedpicture.h"
#include "ui/filenameedit.h"
#include "ui/memo.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QStyle>

namespace solvaro {

bool TForm5::editMedia(const QString &exerciseFile, int exercise)
{
    prepare(exerciseFile, exercise);
    return exec() == QDialog::Accepted;
}

void TForm5::prepare(const QString &exerciseFile, int exercise)
{
    m_exerciseFile = exerciseFile;
    if (exercise >= 0)
        m_exercise = exercise;
    FormActivate();
}

void TForm5::FormActivate()
{
    if (const QWidget *mainWindow = m_context.forms.Form0)
        setWindowTitle(mainWindow->windowTitle());
    const MediaSettings settings
        = readMediaSettings(MediaPlace { m_context.folders, m_exerciseFile, m_exercise });
    for (qsizetype i = 0; i < soundFields.size(); ++i)
        soundFields.at(i)->setFileName(settings.sounds.value(i));
    for (qsizetype i = 0; i < animationFields.size(); ++i) {
        animationFields.at(i)->setFileName(settings.animations.value(i));
        // The previews show this sheet's animations, not the last one's.
        setAnimating(int(i) + 1, false);
        animationPreviews.at(i)->clear();
        showPreview(int(i) + 1);
    }
    MSG_HLP->setText(settings.helpMessages);
    MSG_ERR->setText(settings.errorMessages);
    LMDhelp_gen->setText(settings.generalHelp);
    m_previewSounded = false;
}

MediaSettings TForm5::fieldSettings() const
{
    MediaSettings settings;
    for (const FileNameEdit *field : soundFields)
        settings.sounds.append(field->fileName());
    for (const FileNameEdit *field : animationFields)
        settings.animations.append(field->fileName());
    settings.helpMessages = MSG_HLP->text();
    settings.errorMessages = MSG_ERR->text();
    settings.generalHelp = LMDhelp_gen->text();
    return settings;
}

void TForm5::LMDButton1Click()
{
    Dialogs &dialogs = *m_context.env.dialogs;
    try {
        const MediaStoreResult result = storeMediaSettings(
            MediaPlace { m_context.folders, m_exerciseFile, m_exercise }, fieldSettings());
        if (!result.stored()) {
            // The teacher may correct the field and press OK again.
            dialogs.showMessage(result.problem);
            return;
        }
    } catch (const Error &error) {
        dialogs.showError(error.message());
        return;
    }
    accept();
}

void TForm5::LMDButton2Click()
{
    reject();
}

void TForm5::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TForm5::FormClose()
{
    for (int n = 1; n <= animationPreviews.size(); ++n)
        setAnimating(n, false);
    // Only a preview of ours is stopped: the one sound channel may carry
    // another sound that the dialog did not start.
    if (m_previewSounded && m_context.sound)
        m_context.sound->stop();
    m_previewSounded = false;
}

void TForm5::PlayClick(int n)
{
    const FileNameEdit *field = soundFields.value(n - 1);
    if (!field || !m_context.sound)
        return;
    const QString file = field->fileName().trimmed();
    if (!QFileInfo(file).isFile())
        return;
    m_context.sound->play(file);
    m_previewSounded = true;
}

void TForm5::AnimateClick(int n)
{
    const AnimatedPicture *preview = animationPreviews.value(n - 1);
    if (preview)
        setAnimating(n, !preview->isAnimating());
}

void TForm5::AnimationFieldChange(int n)
{
    const FileNameEdit *field = animationFields.value(n - 1);
    if (field && QFileInfo(field->fileName().trimmed()).isFile())
        showPreview(n);
}

void TForm5::showPreview(int n)
{
    AnimatedPicture *preview = animationPreviews.value(n - 1);
    const FileNameEdit *field = animationFields.value(n - 1);
    if (!preview || !field)
        return;
    const QString file = field->fileName().trimmed();
    if (!QFileInfo(file).isFile() || !preview->load(file))
        return;
    // A large animation is scaled down into the box, keeping its shape.
    const QSize box(PreviewSide, PreviewSide);
    const QSize picture = preview->pictureSize();
    const bool larger = picture.width() > box.width() || picture.height() > box.height();
    preview->setStretch(larger);
    preview->setFixedSize(larger ? picture.scaled(box, Qt::KeepAspectRatio) : box);
}

void TForm5::setAnimating(int n, bool on)
{
    AnimatedPicture *preview = animationPreviews.value(n - 1);
    QAbstractButton *button = animateButtons.value(n - 1);
    if (!preview || !button)
        return;
    preview->setAnimating(on);
    button->setText(on ? QStringLiteral("Stop") : QStringLiteral("Start"));
    button->setIcon(style()->standardIcon(on ? QStyle::SP_MediaStop : QStyle::SP_MediaPlay));
}

QStringList TForm5::animationPaths() const
{
    QStringList files;
    for (const FileNameEdit *field : animationFields)
        files.append(field->fileName());
    return storedAnimationNames(m_context.folders, files);
}

} // namespace solvaro
