#pragma once

#include <QToolButton>

namespace solvaro {

// The small button with a loudspeaker beside a text that has it read aloud.
// Reached by Tab as well as by the mouse.
class SpeakerButton final : public QToolButton
{
    Q_OBJECT

public:
    explicit SpeakerButton(QWidget *parent = nullptr);

    static constexpr int size = 30;

protected:
    // Enter clicks it, as Space does.
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace solvaro
