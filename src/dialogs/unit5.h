#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

class QAbstractButton;
class QTabWidget;

namespace solvaro {

struct AppContext;
struct MediaSettings;
class AnimatedPicture;
class FileNameEdit;
class Memo;
class PictureButton;

// "GENERAL MEDIA SETTINGS": the teacher chooses the sounds of the feedback
// events for the whole installation, the animations of the current sheet and
// the help and error hints of one exercise. OK copies the chosen files into
// the media folders and writes the settings; Cancel writes nothing.
class TForm5 final : public QDialog
{
    Q_OBJECT

public:
    explicit TForm5(AppContext &context, QWidget *parent = nullptr);

    // Opens the dialog modally on a sheet's exercise file (relative to the
    // executable folder) and one of its exercises; a negative exercise keeps
    // the one last set. True when the teacher pressed OK and all was stored.
    bool editMedia(const QString &exerciseFile, int exercise);
    // Hands the dialog its file and exercise and sets it up (FormActivate),
    // without showing it.
    void prepare(const QString &exerciseFile, int exercise);

    // Handlers.
    void FormActivate();
    void LMDButton1Click();
    void LMDButton2Click();
    void FormClose();
    // The play button of sound "W<n>", the start/stop button of animation
    // field n, and a change of animation field n.
    void PlayClick(int n);
    void AnimateClick(int n);
    void AnimationFieldChange(int n);

    // "SOL_IMG\\" and the bare name of the file of each animation field, as
    // the dialog left them, whatever its result.
    QStringList animationPaths() const;
    int exercise() const { return m_exercise; }

    QTabWidget *PageControl1;
    // LMDFileOpenW1 to LMDFileOpenW7 at index 0 to 6, LMDFileOpenG1 to
    // LMDFileOpenG6 at index 0 to 5; beside each its play or start/stop button
    // and each animation's preview.
    QList<FileNameEdit *> soundFields;
    QList<QAbstractButton *> playButtons;
    QList<FileNameEdit *> animationFields;
    QList<QAbstractButton *> animateButtons;
    QList<AnimatedPicture *> animationPreviews;
    Memo *MSG_HLP;
    Memo *MSG_ERR;
    Memo *LMDhelp_gen;
    PictureButton *LMDButton1;
    PictureButton *LMDButton2;

protected:
    void done(int result) override;

private:
    // The preview box; a larger animation is shown scaled down into it.
    static constexpr int PreviewSide = 128;

    void buildTabs();
    QWidget *animationTab(const QString &caption, int sound, const QList<int> &animations,
        const QStringList &animationTitles);
    QWidget *hintTab(Memo *&memo, const QString &name);
    QWidget *otherTab();
    QWidget *soundBox(int n, const QString &title, QWidget *parent);
    QWidget *animationBox(int n, const QString &title, QWidget *parent);
    void connectHandlers();
    MediaSettings fieldSettings() const;
    void showPreview(int n);
    void setAnimating(int n, bool on);

    AppContext &m_context;
    QString m_exerciseFile;
    int m_exercise = 0;
    // A preview sound was started while the dialog was open.
    bool m_previewSounded = false;
};

} // namespace solvaro
