#include "ui/pagehost.h"

namespace solvaro {

PageHost::PageHost(QWidget *parent)
    : QWidget(parent)
{
}

int PageHost::addPage(QWidget *page)
{
    if (!page)
        return -1;
    const int existing = indexOf(page);
    if (existing >= 0)
        return existing;
    page->setParent(this, Qt::Widget);
    // Explicitly hidden, so that showing the host does not show the page too.
    page->hide();
    m_pages.append(page);
    return int(m_pages.size()) - 1;
}

QWidget *PageHost::page(int index) const
{
    if (index < 0 || index >= m_pages.size())
        return nullptr;
    return m_pages.at(index);
}

int PageHost::indexOf(const QWidget *page) const
{
    for (qsizetype i = 0; i < m_pages.size(); ++i) {
        if (m_pages.at(i) == page)
            return int(i);
    }
    return -1;
}

void PageHost::showPage(int index)
{
    QWidget *next = page(index);
    if (!next)
        return;
    if (QWidget *shown = currentPage())
        shown->hide();
    next->setGeometry(rect());
    next->raise();
    next->show();
    const bool changed = m_current != index;
    m_current = index;
    if (changed)
        emit pageChanged(m_current);
}

void PageHost::hidePage()
{
    if (m_current < 0)
        return;
    if (QWidget *shown = currentPage())
        shown->hide();
    m_current = -1;
    emit pageChanged(m_current);
}

void PageHost::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (QWidget *shown = currentPage())
        shown->setGeometry(rect());
}

} // namespace solvaro
