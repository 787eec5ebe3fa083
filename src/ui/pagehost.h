#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

namespace solvaro {

// The area of the main window that shows at most one page at a time, filling
// it whole. With no page on show (index -1) whatever lies underneath, the start
// panel, is visible.
class PageHost : public QWidget
{
    Q_OBJECT

public:
    explicit PageHost(QWidget *parent = nullptr);

    // Makes the page a borderless, hidden child of the host and returns its
    // index. A page added again keeps the index it has, so that the pages keep
    // being addressed 0, 1, 2 however often the main window adds them.
    int addPage(QWidget *page);
    int count() const { return int(m_pages.size()); }
    QWidget *page(int index) const;
    int indexOf(const QWidget *page) const;

    // Hides the page on show, then shows page index over the whole host. An
    // index that names no page changes nothing.
    void showPage(int index);
    // Hides the page on show; the index becomes -1.
    void hidePage();
    int currentIndex() const { return m_current; }
    QWidget *currentPage() const { return page(m_current); }

signals:
    // Each change of the page on show, with the new index (-1 for none).
    void pageChanged(int index);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QList<QPointer<QWidget>> m_pages;
    int m_current = -1;
};

} // namespace solvaro
