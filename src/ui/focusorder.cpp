#include "ui/focusorder.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QRadioButton>
#include <QWidget>

#include <algorithm>

namespace solvaro {

namespace {

bool takesTabFocus(const QWidget *widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && widget->isVisible()
        && widget->isEnabled() && !widget->focusProxy();
}

// Shown, but inside something of no size: nothing of it is on the screen.
bool squeezedOut(const QWidget *widget, const QWidget *root)
{
    for (const QWidget *level = widget; level && level != root; level = level->parentWidget()) {
        if (level->width() <= 0 || level->height() <= 0)
            return true;
    }
    return false;
}

// Whether something drawn over the widget hides its middle: a later sibling of
// the widget or of one of its parents, as a page hides the start panel under it.
bool hiddenUnder(const QWidget *widget, const QWidget *root)
{
    QPoint middle = widget->rect().center();
    for (const QWidget *level = widget; level != root && level->parentWidget();
         level = level->parentWidget()) {
        middle = level->mapToParent(middle);
        const QObjectList &siblings = level->parentWidget()->children();
        for (qsizetype i = siblings.indexOf(level) + 1; i < siblings.size(); ++i) {
            const auto *above = qobject_cast<const QWidget *>(siblings.at(i));
            if (above && !above->isWindow() && above->isVisible()
                && !above->testAttribute(Qt::WA_TransparentForMouseEvents)
                && above->geometry().contains(middle))
                return true;
        }
    }
    return false;
}

// The item of a radio group that stands for the whole group.
bool standsForItsGroup(const QRadioButton *item)
{
    const QButtonGroup *group = item->group();
    if (!group || !group->exclusive())
        return true;
    if (const QAbstractButton *chosen = group->checkedButton())
        return chosen == item;
    for (const QAbstractButton *member : group->buttons()) {
        if (member->isVisible() && member->isEnabled())
            return member == item;
    }
    return false;
}

// The controls, and `extra` among them when it is not one (a control that has
// just been disabled or hidden still has its place on the screen).
QList<QWidget *> controlsInScreenOrder(QWidget *root, QWidget *extra)
{
    QList<QWidget *> controls;
    if (extra && extra != root && root->isAncestorOf(extra))
        controls.append(extra);
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        if (widget == extra)
            continue;
        if (widget->window() != root->window() || !takesTabFocus(widget)
            || squeezedOut(widget, root) || hiddenUnder(widget, root))
            continue;
        if (const auto *item = qobject_cast<QRadioButton *>(widget);
            item && !standsForItsGroup(item))
            continue;
        controls.append(widget);
    }
    const auto placeOf = [root](const QWidget *widget) {
        return QRect(widget->mapTo(root, QPoint(0, 0)), widget->size());
    };
    std::stable_sort(controls.begin(), controls.end(), [&](const QWidget *a, const QWidget *b) {
        return placeOf(a).center().y() < placeOf(b).center().y();
    });
    // Lines from the top, then each line from the left.
    QList<QWidget *> ordered;
    int lineStart = 0;
    while (lineStart < controls.size()) {
        const QRect first = placeOf(controls.at(lineStart));
        int lineEnd = lineStart + 1;
        while (lineEnd < controls.size()
            && placeOf(controls.at(lineEnd)).center().y() <= first.bottom())
            ++lineEnd;
        QList<QWidget *> line = controls.mid(lineStart, lineEnd - lineStart);
        std::stable_sort(line.begin(), line.end(), [&](const QWidget *a, const QWidget *b) {
            return placeOf(a).left() < placeOf(b).left();
        });
        ordered += line;
        lineStart = lineEnd;
    }
    return ordered;
}

} // namespace

QWidget *nextInScreenOrder(QWidget *root, QWidget *from, bool forward)
{
    // An item of a radio group goes from the group's stop.
    if (auto *item = qobject_cast<QRadioButton *>(from); item && item->group()) {
        for (QAbstractButton *member : item->group()->buttons()) {
            auto *stop = qobject_cast<QRadioButton *>(member);
            if (stop && takesTabFocus(stop) && standsForItsGroup(stop))
                from = stop;
        }
    }
    // A widget inside a control goes from the control.
    for (QWidget *widget = from; widget && widget != root; widget = widget->parentWidget()) {
        if (takesTabFocus(widget)) {
            from = widget;
            break;
        }
    }
    const QList<QWidget *> controls = controlsInScreenOrder(root, from);
    const int at = from ? int(controls.indexOf(from)) : -1;
    const int count = int(controls.size());
    for (int step = 1; step <= count; ++step) {
        if (at < 0)
            return controls.isEmpty() ? nullptr : (forward ? controls.first() : controls.last());
        QWidget *candidate = controls.at((at + (forward ? step : count - step)) % count);
        if (candidate != from)
            return candidate;
    }
    return nullptr;
}

} // namespace solvaro
