// Sounds, animations, smileys and the cockade of the feedback, and the 100 ms
// timer that sequences them.
#include "player/unitp3.h"

#include "app/appcontext.h"
#include "app/unit0.h"
#include "media/soundoutput.h"
#include "media/wavfile.h"
#include "storage/globalsettings.h"
#include "storage/inifile.h"
#include "ui/animatedpicture.h"
#include "ui/fillpanel.h"
#include "ui/pagehost.h"
#include "ui/textlabel.h"

#include <QFileInfo>

namespace solvaro {

namespace {

constexpr int SmileyLeft = 10;
constexpr int BottomAnimationLift = 10;
constexpr int PreviewAnimations = 4;

} // namespace

bool TFormP3::onShow() const
{
    const TForm0 *main = m_context.forms.Form0;
    if (main && main->FD)
        return main->FD->currentPage() == this && !isHidden();
    return !isHidden();
}

void TFormP3::Timer1Timer()
{
    if (!onShow() || !m_prepared)
        return;
    // The problem band covers the work area scrolling under it.
    LMDtestp->raise();
    LMDFill0->lower();
    LMDtesto->lower();
    m_logic.tick();
}

SoundStart TFormP3::playSound(globalSettings::EventSound event)
{
    const IniFile global(m_context.folders.globalSettingsFile(), m_context.env.decimalSeparator);
    const QString stored
        = global.readString(globalSettings::commonArea, globalSettings::soundKey(event), QString());
    const QString path = stored.isEmpty() ? QString() : m_context.folders.resolve(stored);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return {};
    SoundStart start;
    start.played = true;
    TWAVfile header;
    if (header.ReadFromFile(path) && header.valid())
        start.seconds = header.Duration();
    if (m_context.sound)
        m_context.sound->play(path);
    return start;
}

void TFormP3::stopSound()
{
    if (m_context.sound)
        m_context.sound->stop();
}

void TFormP3::showTopAnimation(const QString &key)
{
    if (TForm0 *main = m_context.forms.Form0)
        main->LOAD_GIF(exerciseFileName, GifTop, key);
    GifTop->setAnimating(true);
    GifTop->show();
    GifTop->raise();
}

void TFormP3::showTopAnimationFile(const QString &path)
{
    GifTop->load(path);
}

void TFormP3::hideTopAnimation()
{
    GifTop->hide();
}

AnimatedPicture *TFormP3::newWorkAreaPicture()
{
    auto *picture = new AnimatedPicture(LMDFill0);
    picture->setStretch(false);
    picture->setAutoSize(true);
    picture->setTransparent(true);
    return picture;
}

void TFormP3::showBottomAnimation(const QString &key)
{
    if (!bottomAnimator) {
        bottomAnimator = newWorkAreaPicture();
        bottomAnimator->setObjectName(QStringLiteral("bottomAnimator"));
        bottomAnimator->setAccessibleName(GifTop->accessibleName());
        bottomAnimator->setAnimating(true);
    }
    if (TForm0 *main = m_context.forms.Form0)
        main->LOAD_GIF(exerciseFileName, bottomAnimator, key);
    bottomAnimator->move(0, LMDFill0->height() - bottomAnimator->height());
    bottomAnimator->show();
    bottomAnimator->raise();
}

void TFormP3::moveBottomAnimation(int left)
{
    if (bottomAnimator) {
        bottomAnimator->move(
            left, LMDFill0->height() - bottomAnimator->height() - BottomAnimationLift);
    }
}

void TFormP3::removeBottomAnimation()
{
    delete bottomAnimator.data();
}

bool TFormP3::showCockade(const QString &file)
{
    const QString path = m_context.folders.resolve(file);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    delete cockadeImage.data();
    cockadeImage = newWorkAreaPicture();
    cockadeImage->setObjectName(QStringLiteral("cockadeImage"));
    cockadeImage->load(path);
    cockadeImage->move(LMDFill0->width() - cockadeImage->width(), 0);
    describeCockade();
    cockadeImage->show();
    cockadeImage->raise();
    return true;
}

void TFormP3::moveCockade(int top)
{
    if (cockadeImage)
        cockadeImage->move(cockadeImage->x(), top);
}

void TFormP3::showSmiley(int step, const QString &file, int top)
{
    if (step < 0 || step >= smileyImages.size())
        return;
    delete smileyImages.at(step).data();
    const QString path = m_context.folders.resolve(file);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    AnimatedPicture *smiley = newWorkAreaPicture();
    smiley->setObjectName(QStringLiteral("smiley%1").arg(step));
    smiley->load(path);
    smiley->move(SmileyLeft, top);
    describeSmiley(smiley, step);
    smiley->show();
    smiley->raise();
    smileyImages[step] = smiley;
}

void TFormP3::clearExercisePictures()
{
    for (const QPointer<AnimatedPicture> &smiley : std::as_const(smileyImages))
        delete smiley.data();
    for (const QPointer<TextLabel> &label : std::as_const(answerLabels))
        delete label.data();
    delete cockadeImage.data();
    delete bottomAnimator.data();
    stopSound();
}

void TFormP3::reloadAnimations()
{
    if (!m_prepared)
        return;
    GIFinit();
    startTimerIfRunning();
}

QStringList TFormP3::previewGifPaths(const IniFile &exerciseFile) const
{
    QStringList paths;
    for (int n = 1; n <= PreviewAnimations; ++n) {
        const QString stored = exerciseFile.readString(
            globalSettings::commonArea, QStringLiteral("GIF%1").arg(n), QString());
        const QString path = stored.isEmpty() ? QString() : m_context.folders.resolve(stored);
        paths.append(!path.isEmpty() && QFileInfo(path).isFile() ? path : QString());
    }
    return paths;
}

} // namespace solvaro
