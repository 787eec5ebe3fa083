#pragma once

#include <QObject>

class QWidget;

namespace solvaro {

// Lets a script time the start. With SOLVARO_EXIT_AFTER_START set, the program
// ends with exit code 0 as soon as the start panel has been painted; set to
// "report", it first prints one line "painted_ns=<time since the epoch in ns>
// rss_kb=<resident memory>". Without the variable nothing happens.
class StartProbe final : public QObject {
    Q_OBJECT

public:
    // Watches the start panel when the environment asks for it; returns
    // whether it does. The probe belongs to the panel.
    static bool installIfAsked(QWidget *startPanel);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    StartProbe(QWidget *startPanel, bool report);
    void finish();

    bool m_report = false;
    bool m_done = false;
};

// Resident memory of this process in kB, from /proc/self/status; 0 when unknown.
qint64 residentMemoryKb();

} // namespace solvaro
