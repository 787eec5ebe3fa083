#include "dialogs/unit3.h"

#include "app/appcontext.h"
#include "dialogs/closingscore.h"
#include "media/soundoutput.h"
#include "storage/datafolders.h"
#include "ui/animatedpicture.h"
#include "ui/fillpanel.h"
#include "ui/lednumber.h"

#include <QFileInfo>
#include <QShowEvent>
#include <QTimer>

static void initBuiltInSounds()
{
    Q_INIT_RESOURCE(sounds);
}

namespace solvaro {

namespace {

constexpr QSize panelSize(737, 537);
constexpr int scoreDigits = 4;
constexpr int programCloseSound = 7;
// The cockade positions are 55 pixels apart; a larger picture is shown at
// this width so that neighbours do not cover each other.
constexpr int cockadeWidth = 50;

const QString programName = QStringLiteral("Solvaro");
const QString creditsLine = QStringLiteral("Problemi di Matematica per la Scuola Primaria");
const QString bellFile = QStringLiteral("SOL_WAV\\ding.wav");
const QString builtInBell = QStringLiteral(":/sounds/bell.wav");
const QString cockadePicture = QStringLiteral("SOL_IMG\\coccarda.bmp");
const QString backgroundPicture = QStringLiteral("SOL_IMG\\Sfondo Prato.bmp");
const QString closingAnimation = QStringLiteral("SOL_IMG\\Omino.gif");

FillPanel *textStrip(QWidget *parent, const char *name, const QRect &place, int pointSize,
    bool bold, const QColor &color, const QString &caption = QString())
{
    auto *strip = new FillPanel(parent);
    strip->setObjectName(QString::fromLatin1(name));
    strip->setGeometry(place);
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSize(pointSize);
    font.setBold(bold);
    strip->setCaptionFont(font);
    strip->setCaptionColor(color);
    strip->setCaptionAlignment(NineAlignment::Center);
    strip->setCaption(caption);
    return strip;
}

} // namespace

TForm3::TForm3(AppContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
{
    initBuiltInSounds();
    setObjectName(QStringLiteral("Form3"));
    setAutoFillBackground(true);

    LMDPF = new FillPanel(this);
    LMDPF->setObjectName(QStringLiteral("LMDPF"));
    LMDPF->resize(panelSize);
    LMDPF->setFillStyle(FillStyle::Bitmap);
    LMDPF->setTileMode(TileMode::Stretch);

    const QColor ink(0x1e, 0x5a, 0xa8);
    // Sky above, a lawn below on which the cockades are laid out.
    LMDFill1 = textStrip(LMDPF, "LMDFill1", QRect(20, 36, 697, 36), 16, true, ink);
    LMDFill2 = textStrip(
        LMDPF, "LMDFill2", QRect(20, 96, 697, 32), 14, true, ink, QStringLiteral("Punteggio"));
    LMDFill3 = textStrip(LMDPF, "LMDFill3", QRect(20, 488, 697, 36), 16, true, Qt::white,
        QStringLiteral("Ciao, alla prossima!"));

    SCORE = new LedNumber(scoreDigits, LMDPF);
    SCORE->setObjectName(QStringLiteral("SCORE"));
    SCORE->setGeometry(253, 136, 230, 96);
    SCORE->setFrameShape(QFrame::Box);
    SCORE->setLineWidth(3);
    SCORE->setAutoFillBackground(true);
    QPalette board = SCORE->palette();
    board.setColor(QPalette::Window, QColor(0x26, 0x32, 0x38));
    SCORE->setPalette(board);
    SCORE->setDigitColor(QColor(0xff, 0xd5, 0x4f));

    ani1 = new AnimatedPicture(LMDPF);
    ani1->setObjectName(QStringLiteral("ani1"));
    ani1->setGeometry(590, 200, 90, 120);
    ani1->setTransparent(true);
    ani1->setCenter(true);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    m_context.handlers().connect(Timer1, &QTimer::timeout, this, &TForm3::Timer1Timer);
    m_endWait = new QTimer(this);
    m_endWait->setObjectName(QStringLiteral("endWait"));
    m_endWait->setSingleShot(true);
    m_context.handlers().connect(m_endWait, &QTimer::timeout, this, &TForm3::endWaitTimeout);
}

TForm3::~TForm3() = default;

QString TForm3::CaricaVOCE(int n) const
{
    return eventSoundPath(m_context.folders, n);
}

void TForm3::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The window system showing the program again (after a minimise) is not
    // the screen being shown: the count and the end wait go on as they were.
    if (!event->spontaneous())
        FormActivate();
}

void TForm3::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    centrePanel();
}

void TForm3::centrePanel()
{
    LMDPF->move(width() / 2 - LMDPF->width() / 2, height() / 2 - LMDPF->height() / 2);
}

// The screen is the last of the run; its pictures are read when it opens, not
// while the program starts.
void TForm3::loadPictures()
{
    if (m_picturesLoaded)
        return;
    m_picturesLoaded = true;
    LMDPF->setPicture(QPixmap(m_context.folders.resolve(backgroundPicture)));
    ani1->load(m_context.folders.resolve(closingAnimation));
}

void TForm3::FormActivate()
{
    loadPictures();
    LMDFill1->setCaption(programName + QLatin1StringView("    ") + creditsLine);
    ani1->show();
    centrePanel();

    SCORE->setValue(0);
    qDeleteAll(m_cockades);
    m_cockades.clear();
    m_target = m_solvedExercises * 10;
    ani1->setAnimating(false);

    if (m_target <= 0) {
        ani1->show();
        ani1->setAnimating(true);
        const QString voice = CaricaVOCE(programCloseSound);
        if (QFileInfo(voice).isFile()) {
            Timer1->stop();
            playSound(voice);
            Timer1->setInterval(closeSoundIntervalMs(voice));
            Timer1->start();
        } else {
            m_endWait->start(withoutSoundMs);
        }
        return;
    }
    SUONO = m_context.folders.exists(bellFile) ? m_context.folders.resolve(bellFile) : builtInBell;
    Timer1->setInterval(firstTickMs);
    Timer1->start();
}

void TForm3::Timer1Timer()
{
    if (ani1->isAnimating()) {
        endProgram();
        return;
    }
    // The count stops on the target itself: the display never shows a point
    // more than was earned.
    if (SCORE->value() >= m_target) {
        SCORE->setValue(m_target);
        Timer1->stop();
        m_endWait->start(afterCountMs);
        return;
    }
    Timer1->setInterval(countStepMs);
    SCORE->setValue(SCORE->value() + 1);
    if (SCORE->value() % 10 == 0) {
        placeCockade(cockadesPlaced());
        playSound(SUONO);
        LMDPF->repaint();
    }
}

void TForm3::placeCockade(int k)
{
    auto *cockade = new AnimatedPicture(LMDPF);
    cockade->setObjectName(QStringLiteral("cockade%1").arg(k));
    cockade->setTransparent(true);
    cockade->move(cockadePosition(k));
    // A missing picture leaves an empty place, as any missing media file does.
    if (cockade->load(m_context.folders.resolve(cockadePicture))) {
        const QSize natural = cockade->pictureSize();
        if (natural.width() > cockadeWidth) {
            cockade->setStretch(true);
            cockade->resize(cockadeWidth, natural.height() * cockadeWidth / natural.width());
        } else {
            cockade->resize(natural);
        }
    }
    cockade->raise();
    cockade->show();
    m_cockades.append(cockade);
}

void TForm3::playSound(const QString &file)
{
    if (m_context.sound)
        m_context.sound->play(file);
}

void TForm3::endWaitTimeout()
{
    endProgram();
}

void TForm3::endProgram()
{
    Timer1->stop();
    m_endWait->stop();
    if (m_ended)
        return;
    m_ended = true;
    emit programEnded();
    close();
}

} // namespace solvaro
