#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class QTimer;

namespace solvaro {

struct AppContext;
class AnimatedPicture;
class FillPanel;
class LedNumber;

// The closing screen, the last page of a run: it counts the run's score up with
// a cockade and a bell for every solved exercise, or plays the "program close"
// sound over an animation when nothing was solved, and then ends the program.
// Its waits are timers, so the window stays responsive.
class TForm3 final : public QWidget
{
    Q_OBJECT

public:
    // Waits before the program ends: after the count, and without a close sound.
    static constexpr int afterCountMs = 9000;
    static constexpr int withoutSoundMs = 10000;
    static constexpr int firstTickMs = 5;
    static constexpr int countStepMs = 80;

    explicit TForm3(AppContext &context, QWidget *parent = nullptr);
    ~TForm3() override;

    FillPanel *LMDPF = nullptr;
    FillPanel *LMDFill1 = nullptr;
    FillPanel *LMDFill2 = nullptr;
    FillPanel *LMDFill3 = nullptr;
    AnimatedPicture *ani1 = nullptr;
    LedNumber *SCORE = nullptr;
    QTimer *Timer1 = nullptr;
    // The sound the bell plays: the installation's "SOL_WAV\\ding.wav", or the
    // built-in bell.
    QString SUONO;

    // The exercises solved in this run, handed in before the page is shown.
    void setTarget(int solvedExercises) { m_solvedExercises = solvedExercises; }
    // Ten points per solved exercise once the page has opened.
    int target() const { return m_target; }
    int cockadesPlaced() const { return int(m_cockades.size()); }
    QList<AnimatedPicture *> cockades() const { return m_cockades; }
    // The single-shot wait after which the program ends.
    QTimer *endWait() const { return m_endWait; }

    // The full path of event sound "W" + n of the global settings file.
    QString CaricaVOCE(int n) const;

    // Runs when the page is shown.
    void FormActivate();
    void Timer1Timer();
    // The end of the last wait: the program ends.
    void endWaitTimeout();

signals:
    // The show is over; the program ends.
    void programEnded();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void centrePanel();
    void loadPictures();
    void placeCockade(int k);
    void playSound(const QString &file);
    void endProgram();

    AppContext &m_context;
    int m_solvedExercises = 0;
    int m_target = 0;
    QList<AnimatedPicture *> m_cockades;
    QTimer *m_endWait = nullptr;
    bool m_ended = false;
    bool m_picturesLoaded = false;
};

} // namespace solvaro
