#include "ui/focusmarker.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QTabBar>
#include <QWidget>

namespace solvaro {

namespace {

constexpr int frameWidth = 3;
// Dark blue stands out on the yellow, red and white of the fields and on the
// light toolbar alike.
const QColor frameColor(0x0d, 0x47, 0xa1);

class FocusFrame final : public QWidget
{
public:
    explicit FocusFrame(QWidget *parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("focusFrame"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        QPen pen(frameColor, frameWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        const qreal half = frameWidth / 2.0;
        painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
        // A light line inside keeps the frame apart from a dark control.
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(QRectF(rect()).adjusted(
            frameWidth + 0.5, frameWidth + 0.5, -frameWidth - 0.5, -frameWidth - 0.5));
    }
};

} // namespace

FocusMarker::FocusMarker(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    connect(
        qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { follow(now); });
}

void FocusMarker::follow(QWidget *focused)
{
    if (m_framed) {
        m_framed->removeEventFilter(this);
        disconnect(m_framed, nullptr, this, nullptr);
    }
    delete m_frame.data();
    m_framed
        = focused && focused != m_window && focused->window() == m_window && focused->parentWidget()
        ? focused
        : nullptr;
    if (!m_framed)
        return;
    m_framed->installEventFilter(this);
    // A control freed while it has the focus takes its frame along.
    connect(m_framed, &QObject::destroyed, this, [this] { delete m_frame.data(); });
    if (auto *tabs = qobject_cast<QTabBar *>(m_framed.data()))
        connect(tabs, &QTabBar::currentChanged, this, &FocusMarker::fit);
    m_frame = new FocusFrame(m_framed->parentWidget());
    fit();
}

void FocusMarker::fit()
{
    if (!m_framed || !m_frame)
        return;
    // Round the control, as far as its parent has room; on a row of tabs
    // round the current tab.
    QRect place = m_framed->geometry();
    if (const auto *tabs = qobject_cast<QTabBar *>(m_framed.data());
        tabs && tabs->currentIndex() >= 0)
        place = tabs->tabRect(tabs->currentIndex()).translated(m_framed->pos());
    place.adjust(-frameWidth, -frameWidth, frameWidth, frameWidth);
    m_frame->setGeometry(place.intersected(m_framed->parentWidget()->rect()));
    m_frame->setVisible(m_framed->isVisible());
    m_frame->raise();
}

bool FocusMarker::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_framed) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ZOrderChange:
            fit();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace solvaro
