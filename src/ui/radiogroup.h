#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

class QButtonGroup;
class QRadioButton;
class QVBoxLayout;

namespace solvaro {

// A column of radio items, one per option, that sizes itself to them: its
// height always fits every item in the current font, and it is at least as
// wide as the widest item.
class RadioGroup : public QWidget
{
    Q_OBJECT

public:
    explicit RadioGroup(QWidget *parent = nullptr);

    // Replaces the items; none is chosen afterwards.
    void setItems(const QStringList &items);
    // The items from one text, one per line ("\r\n" or '\n').
    void setItemsText(const QString &text);
    QStringList items() const;
    int count() const { return int(m_buttons.size()); }

    // -1 when no item is chosen.
    int itemIndex() const;
    void setItemIndex(int index);
    QString itemText(int index) const;

    // Fits the size to the items now; font and item changes do it themselves.
    void fitToItems();

signals:
    // The user chose an item.
    void itemChosen(int index);
    // Enter on an item: the item is chosen first if it was not.
    void confirmRequested();

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QVBoxLayout *m_layout;
    QButtonGroup *m_group;
    QList<QRadioButton *> m_buttons;
};

} // namespace solvaro
