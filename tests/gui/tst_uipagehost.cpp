#include "ui/pagehost.h"

#include <QSignalSpy>
#include <QTest>

using namespace solvaro;

class TestPageHost : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void addedPagesAreHiddenBorderlessChildrenInOrder();
    void addingAPageTwiceKeepsItsIndex();
    void startsWithNoPage();
    void showingAPageHidesTheOneOnShowAndFillsTheHost();
    void showingFollowsTheHostSize();
    void hidingRevealsWhatLiesUnderneath();
    void eachChangeIsSignalled();
    void anIndexWithoutAPageChangesNothing_data();
    void anIndexWithoutAPageChangesNothing();

private:
    QWidget *m_window = nullptr;
    PageHost *m_host = nullptr;
    QWidget *m_startPanel = nullptr;
    QList<QWidget *> m_pages;
};

void TestPageHost::init()
{
    m_window = new QWidget;
    m_window->resize(400, 300);
    m_host = new PageHost(m_window);
    m_host->setGeometry(0, 20, 400, 280);
    m_startPanel = new QWidget(m_host);
    m_startPanel->setGeometry(100, 50, 200, 150);
    m_pages.clear();
    for (int i = 0; i < 3; ++i) {
        // Pages are created as top-level forms, as the program creates them.
        auto *page = new QWidget;
        page->setObjectName(QStringLiteral("page%1").arg(i));
        page->setWindowFlags(Qt::Window);
        m_pages << page;
        QCOMPARE(m_host->addPage(page), i);
    }
    m_window->show();
}

void TestPageHost::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void TestPageHost::addedPagesAreHiddenBorderlessChildrenInOrder()
{
    QCOMPARE(m_host->count(), 3);
    for (int i = 0; i < 3; ++i) {
        QWidget *page = m_host->page(i);
        QCOMPARE(page, m_pages.at(i));
        QCOMPARE(page->parentWidget(), m_host);
        QVERIFY(!page->isWindow());
        QVERIFY(!page->isVisible());
        QCOMPARE(m_host->indexOf(page), i);
    }
    QVERIFY(m_startPanel->isVisible());
}

void TestPageHost::addingAPageTwiceKeepsItsIndex()
{
    QCOMPARE(m_host->addPage(m_pages.at(1)), 1);
    QCOMPARE(m_host->count(), 3);
    QCOMPARE(m_host->addPage(nullptr), -1);
}

void TestPageHost::startsWithNoPage()
{
    QCOMPARE(m_host->currentIndex(), -1);
    QCOMPARE(m_host->currentPage(), nullptr);
}

void TestPageHost::showingAPageHidesTheOneOnShowAndFillsTheHost()
{
    m_host->showPage(0);
    QCOMPARE(m_host->currentIndex(), 0);
    QVERIFY(m_pages.at(0)->isVisible());
    QCOMPARE(m_pages.at(0)->geometry(), m_host->rect());

    m_host->showPage(2);
    QCOMPARE(m_host->currentIndex(), 2);
    QCOMPARE(m_host->currentPage(), m_pages.at(2));
    QVERIFY(!m_pages.at(0)->isVisible());
    QVERIFY(!m_pages.at(1)->isVisible());
    QVERIFY(m_pages.at(2)->isVisible());
    QCOMPARE(m_pages.at(2)->geometry(), m_host->rect());
    // The page covers the start panel: it is the topmost child.
    QCOMPARE(m_host->childAt(m_startPanel->geometry().center()), m_pages.at(2));
}

void TestPageHost::showingFollowsTheHostSize()
{
    m_host->showPage(1);
    m_host->resize(640, 480);
    QCOMPARE(m_pages.at(1)->geometry(), QRect(0, 0, 640, 480));
}

void TestPageHost::hidingRevealsWhatLiesUnderneath()
{
    m_host->showPage(1);
    m_host->hidePage();
    QCOMPARE(m_host->currentIndex(), -1);
    QVERIFY(!m_pages.at(1)->isVisible());
    QVERIFY(m_startPanel->isVisible());
    QCOMPARE(m_host->childAt(m_startPanel->geometry().center()), m_startPanel);
}

void TestPageHost::eachChangeIsSignalled()
{
    QSignalSpy changes(m_host, &PageHost::pageChanged);
    m_host->showPage(0);
    m_host->showPage(1);
    m_host->hidePage();
    m_host->hidePage();
    m_host->showPage(2);
    QCOMPARE(changes.size(), 4);
    QCOMPARE(changes.at(0).at(0).toInt(), 0);
    QCOMPARE(changes.at(1).at(0).toInt(), 1);
    QCOMPARE(changes.at(2).at(0).toInt(), -1);
    QCOMPARE(changes.at(3).at(0).toInt(), 2);
}

void TestPageHost::anIndexWithoutAPageChangesNothing_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("minus one") << -1;
    QTest::newRow("past the end") << 3;
}

void TestPageHost::anIndexWithoutAPageChangesNothing()
{
    QFETCH(int, index);
    m_host->showPage(1);
    QSignalSpy changes(m_host, &PageHost::pageChanged);
    m_host->showPage(index);
    QCOMPARE(m_host->currentIndex(), 1);
    QVERIFY(m_pages.at(1)->isVisible());
    QCOMPARE(changes.size(), 0);
}

QTEST_MAIN(TestPageHost)
#include "tst_uipagehost.moc"
