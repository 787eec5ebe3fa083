#include "ui/tabstrip.h"

#include "ui/enterkey.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace solvaro {

TabStrip::TabStrip(QWidget *parent)
    : QTabBar(parent)
{
    setExpanding(false);
    setDrawBase(false);
    connect(this, &QTabBar::currentChanged, this, &TabStrip::onCurrentChanged);
}

QString TabStrip::numberedCaption(int index)
{
    return QStringLiteral("%1").arg(index + 1, 2, 10, QLatin1Char('0'));
}

void TabStrip::setNumberedTabs(int count)
{
    const QSignalBlocker blocker(this);
    while (this->count() > 0)
        removeTab(this->count() - 1);
    for (int i = 0; i < count; ++i)
        addTab(numberedCaption(i));
    if (count > 0)
        setCurrentIndex(0);
    m_previous = currentIndex();
}

void TabStrip::addNumberedTab()
{
    const QSignalBlocker blocker(this);
    addTab(numberedCaption(count()));
    m_previous = currentIndex();
}

void TabStrip::clearTabs()
{
    setNumberedTabs(0);
}

void TabStrip::selectTab(int index)
{
    const QSignalBlocker blocker(this);
    setCurrentIndex(index);
    m_previous = currentIndex();
}

void TabStrip::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if ((isEnterKey(key) || key == Qt::Key_Space) && currentIndex() >= 0) {
        emit tabActivated(currentIndex());
        return;
    }
    QTabBar::keyPressEvent(event);
}

void TabStrip::onCurrentChanged(int index)
{
    const int leaving = m_previous;
    m_previous = index;
    emit tabLeaving(leaving);
    emit tabChanged(index);
}

} // namespace solvaro
