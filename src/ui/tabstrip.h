#pragma once

#include <QTabBar>

namespace solvaro {

// A row of numbered tabs ("01", "02", ...), as the sheet tabs of the home page
// and the exercise tabs of the main window. A change made by the user is told
// in two steps: first the tab being left, then the tab now chosen.
class TabStrip : public QTabBar
{
    Q_OBJECT

public:
    explicit TabStrip(QWidget *parent = nullptr);

    // The caption of tab index: index + 1 in at least two digits.
    static QString numberedCaption(int index);

    // Replaces the tabs with count numbered tabs and selects the first, without
    // telling it as a change: filling the strip is not the user's choice.
    void setNumberedTabs(int count);
    // Adds one numbered tab at the end, again silently.
    void addNumberedTab();
    void clearTabs();
    // Selects a tab from the program's side, silently; only the user's clicks
    // are told as changes.
    void selectTab(int index);

signals:
    // The tab the user is leaving, just before tabChanged.
    void tabLeaving(int index);
    void tabChanged(int index);
    // Enter or Space on the current tab: the keyboard's click on it.
    void tabActivated(int index);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void onCurrentChanged(int index);

    int m_previous = -1;
};

} // namespace solvaro
