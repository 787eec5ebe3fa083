#include "ui/radiogroup.h"

#include "ui/enterkey.h"
#include "ui/linebreaktext.h"

#include <QButtonGroup>
#include <QEvent>
#include <QKeyEvent>
#include <QRadioButton>
#include <QVBoxLayout>

namespace solvaro {

RadioGroup::RadioGroup(QWidget *parent)
    : QWidget(parent)
    , m_layout(new QVBoxLayout(this))
    , m_group(new QButtonGroup(this))
{
    m_layout->setContentsMargins(4, 4, 4, 4);
    m_layout->setSpacing(2);
    // The group sizes itself; the layout only places the items.
    m_layout->setSizeConstraint(QLayout::SetNoConstraint);
    connect(m_group, &QButtonGroup::idClicked, this, &RadioGroup::itemChosen);
}

void RadioGroup::setItems(const QStringList &items)
{
    // Without exclusivity the old choice could not be cleared.
    m_group->setExclusive(false);
    for (QRadioButton *button : std::as_const(m_buttons)) {
        m_group->removeButton(button);
        delete button;
    }
    m_buttons.clear();
    for (const QString &item : items) {
        auto *button = new QRadioButton(item, this);
        button->installEventFilter(this);
        m_group->addButton(button, int(m_buttons.size()));
        m_layout->addWidget(button);
        m_buttons.append(button);
    }
    m_group->setExclusive(true);
    fitToItems();
}

void RadioGroup::setItemsText(const QString &text)
{
    setItems(toLfLineBreaks(text).split(QLatin1Char('\n')));
}

QStringList RadioGroup::items() const
{
    QStringList result;
    for (const QRadioButton *button : m_buttons)
        result << button->text();
    return result;
}

int RadioGroup::itemIndex() const
{
    return m_group->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (index >= 0 && index < m_buttons.size()) {
        m_buttons.at(index)->setChecked(true);
        return;
    }
    m_group->setExclusive(false);
    for (QRadioButton *button : std::as_const(m_buttons))
        button->setChecked(false);
    m_group->setExclusive(true);
}

QString RadioGroup::itemText(int index) const
{
    if (index < 0 || index >= m_buttons.size())
        return QString();
    return m_buttons.at(index)->text();
}

void RadioGroup::fitToItems()
{
    m_layout->invalidate();
    m_layout->activate();
    const QSize needed = m_layout->sizeHint();
    resize(qMax(width(), needed.width()), needed.height());
}

bool RadioGroup::eventFilter(QObject *watched, QEvent *event)
{
    auto *button = qobject_cast<QRadioButton *>(watched);
    if (button && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (isEnterKey(key)) {
            if (!button->isChecked())
                button->click();
            emit confirmRequested();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void RadioGroup::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitToItems();
}

} // namespace solvaro
