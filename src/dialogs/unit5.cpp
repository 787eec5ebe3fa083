// The media settings dialog's tabs and controls.
#include "dialogs/unit5.h"

#include "app/appcontext.h"
#include "dialogs/mediasettings.h"
#include "storage/datafolders.h"
#include "ui/animatedpicture.h"
#include "ui/filenameedit.h"
#include "ui/memo.h"
#include "ui/picturebutton.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

namespace solvaro {

namespace {

constexpr int SoundFields = MediaSettings::soundCount;
constexpr int AnimationFields = MediaSettings::animationCount;

const QString SoundFilter = QStringLiteral("*.wav|*.WAV");
const QString SoundExtension = QStringLiteral("wav");
const QString AnimationFilter = QStringLiteral("*.gif|*.GIF");
const QString AnimationExtension = QStringLiteral("gif");

const QString SoundTitle = QStringLiteral("Audio message or Sound Effect");
const QString TopLeftTitle = QStringLiteral("Top Left");
const QString BottomTitle = QStringLiteral(" Bottom Gif width scroll from left to right");
const QString HintCaption = QStringLiteral("help messages for each problem sections");

QLabel *eventCaption(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + 3);
    label->setFont(font);
    return label;
}

PictureButton *dialogButton(
    const QString &name, QStyle::StandardPixmap icon, const QString &caption, QWidget *parent)
{
    auto *button = new PictureButton(parent);
    button->setObjectName(name);
    button->setPicture(parent->style()->standardIcon(icon).pixmap(24, 24));
    button->setCaption(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(false);
    return button;
}

} // namespace

TForm5::TForm5(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("GENERAL MEDIA SETTINGS"));
    setModal(true);
    soundFields = QList<FileNameEdit *>(SoundFields, nullptr);
    playButtons = QList<QAbstractButton *>(SoundFields, nullptr);
    animationFields = QList<FileNameEdit *>(AnimationFields, nullptr);
    animateButtons = QList<QAbstractButton *>(AnimationFields, nullptr);
    animationPreviews = QList<AnimatedPicture *>(AnimationFields, nullptr);

    auto *layout = new QVBoxLayout(this);
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    // Every tab's caption in full: the dialog is as wide as they need.
    PageControl1->setUsesScrollButtons(false);
    PageControl1->setElideMode(Qt::ElideNone);
    layout->addWidget(PageControl1, 1);
    buildTabs();

    auto *closeButtons = new QHBoxLayout;
    LMDButton1 = dialogButton(
        QStringLiteral("LMDButton1"), QStyle::SP_DialogOkButton, QStringLiteral("OK"), this);
    LMDButton2 = dialogButton(QStringLiteral("LMDButton2"), QStyle::SP_DialogCancelButton,
        QStringLiteral("Cancel"), this);
    closeButtons->addStretch();
    closeButtons->addWidget(LMDButton1);
    closeButtons->addWidget(LMDButton2);
    layout->addLayout(closeButtons);

    connectHandlers();
}

void TForm5::buildTabs()
{
    PageControl1->addTab(
        animationTab(QStringLiteral("ON CORRECT ANSWER"), 1, { 1 }, { TopLeftTitle }),
        QStringLiteral("Animation 1"));
    PageControl1->addTab(
        animationTab(QStringLiteral("ON WRONG ANSWER"), 2, { 2 }, { TopLeftTitle }),
        QStringLiteral("Animation 2"));
    PageControl1->addTab(animationTab(QStringLiteral("ON THE EXERCISE ENDED SUCCESSFULLY"), 5,
                             { 3, 6 }, { TopLeftTitle, BottomTitle }),
        QStringLiteral("Animation 3"));
    PageControl1->addTab(animationTab(QStringLiteral("ON REQUESTING HELP"), 4, { 4, 5 },
                             { TopLeftTitle, BottomTitle }),
        QStringLiteral("Animation 4"));
    PageControl1->addTab(hintTab(MSG_HLP, QStringLiteral("MSG_HLP")),
        QStringLiteral("Button Verify  -  Hint Messages"));
    PageControl1->addTab(
        hintTab(MSG_ERR, QStringLiteral("MSG_ERR")), QStringLiteral("Error Hint - Help Messages"));
    PageControl1->addTab(otherTab(), QStringLiteral("other"));
}

QWidget *TForm5::animationTab(const QString &caption, int sound, const QList<int> &animations,
    const QStringList &animationTitles)
{
    auto *page = new QWidget(PageControl1);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(eventCaption(caption, page));
    layout->addWidget(soundBox(sound, SoundTitle, page));
    for (qsizetype i = 0; i < animations.size(); ++i)
        layout->addWidget(animationBox(animations.at(i), animationTitles.value(i), page));
    layout->addStretch();
    return page;
}

QWidget *TForm5::hintTab(Memo *&memo, const QString &name)
{
    auto *page = new QWidget(PageControl1);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(eventCaption(HintCaption, page));
    memo = new Memo(page);
    memo->setObjectName(name);
    layout->addWidget(memo, 1);
    return page;
}

QWidget *TForm5::otherTab()
{
    auto *page = new QWidget(PageControl1);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(soundBox(3, QStringLiteral("sound effect on button scroll"), page));
    layout->addWidget(soundBox(6, QStringLiteral("when going out of the exercise page"), page));
    layout->addWidget(soundBox(7, QStringLiteral("On program close "), page));
    auto *help = new QGroupBox(QStringLiteral("Global Help Message"), page);
    LMDhelp_gen = new Memo(help);
    LMDhelp_gen->setObjectName(QStringLiteral("LMDhelp_gen"));
    (new QVBoxLayout(help))->addWidget(LMDhelp_gen);
    layout->addWidget(help, 1);
    return page;
}

QWidget *TForm5::soundBox(int n, const QString &title, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    auto *field = new FileNameEdit(box);
    field->setObjectName(QStringLiteral("LMDFileOpenW%1").arg(n));
    field->setDialogs(m_context.env.dialogs);
    field->setFilter(SoundFilter);
    field->setDefaultExtension(SoundExtension);
    field->setInitialFolder(m_context.folders.resolve(dataFolder::sounds));
    field->setDialogCaption(title.trimmed());
    auto *play = dialogButton(
        QStringLiteral("PlayW%1").arg(n), QStyle::SP_MediaPlay, QStringLiteral("Play"), box);
    auto *row = new QHBoxLayout(box);
    row->addWidget(field, 1);
    row->addWidget(play);
    soundFields[n - 1] = field;
    playButtons[n - 1] = play;
    return box;
}

QWidget *TForm5::animationBox(int n, const QString &title, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    auto *field = new FileNameEdit(box);
    field->setObjectName(QStringLiteral("LMDFileOpenG%1").arg(n));
    field->setDialogs(m_context.env.dialogs);
    field->setFilter(AnimationFilter);
    field->setDefaultExtension(AnimationExtension);
    field->setInitialFolder(m_context.folders.resolve(dataFolder::images));
    field->setDialogCaption(title.trimmed());
    auto *animate = dialogButton(
        QStringLiteral("AnimateG%1").arg(n), QStyle::SP_MediaPlay, QStringLiteral("Start"), box);

    auto *frame = new QFrame(box);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFixedSize(PreviewSide + 4, PreviewSide + 4);
    auto *preview = new AnimatedPicture(frame);
    preview->setObjectName(QStringLiteral("PreviewG%1").arg(n));
    preview->setCenter(true);
    preview->setAnimating(false);
    preview->setFixedSize(PreviewSide, PreviewSide);
    auto *frameLayout = new QGridLayout(frame);
    frameLayout->setContentsMargins(2, 2, 2, 2);
    frameLayout->addWidget(preview, 0, 0, Qt::AlignCenter);

    auto *controls = new QVBoxLayout;
    controls->addWidget(field);
    controls->addWidget(animate, 0, Qt::AlignLeft);
    controls->addStretch();
    auto *row = new QHBoxLayout(box);
    row->addLayout(controls, 1);
    row->addWidget(frame);
    animationFields[n - 1] = field;
    animateButtons[n - 1] = animate;
    animationPreviews[n - 1] = preview;
    return box;
}

void TForm5::connectHandlers()
{
    m_context.handlers().connect(
        LMDButton1, &QAbstractButton::clicked, this, &TForm5::LMDButton1Click);
    m_context.handlers().connect(
        LMDButton2, &QAbstractButton::clicked, this, &TForm5::LMDButton2Click);
    for (int n = 1; n <= SoundFields; ++n)
        m_context.handlers().connect(
            playButtons.at(n - 1), &QAbstractButton::clicked, this, [this, n] { PlayClick(n); });
    for (int n = 1; n <= AnimationFields; ++n) {
        m_context.handlers().connect(animateButtons.at(n - 1), &QAbstractButton::clicked, this,
            [this, n] { AnimateClick(n); });
        m_context.handlers().connect(animationFields.at(n - 1), &FileNameEdit::fileNameChanged,
            this, [this, n] { AnimationFieldChange(n); });
    }
}

} // namespace solvaro
