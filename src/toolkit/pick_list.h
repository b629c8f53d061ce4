// PickList: an edit line over a list that is always open.
// The edit line shows the picked item, or the list's heading ("百", "一",
// "メニュー") while nothing is picked. picked() fires only when the child picks
// an item that differs from the current pick, as a list's change event does;
// changing the pick from code fires nothing.
#pragma once

#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;

class PickList : public QWidget
{
    Q_OBJECT
public:
    struct Look {
        int width = 28;
        int rowHeight = 18;
        int visibleRows = -1; // -1: every item has its row
        int pixelSize = 16;
        int editHeight = 22;
    };

    PickList(QWidget* parent, const QString& name, const QStringList& items, const QString& heading,
             QPoint topLeft, const Look& look);

    // The text of the edit line, as a reader of the widget sees it.
    QString text() const;

    // The heading shown while nothing is picked; setting it also shows it now.
    void setHeading(const QString& heading);
    QString heading() const { return heading_; }

    // The picked position, -1 while nothing is picked.
    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int index);

    // Removes the pick and puts the heading back into the edit line.
    void clearPick();

    QStringList items() const { return items_; }
    QListWidget* list() const { return list_; }
    QLineEdit* editLine() const { return edit_; }

signals:
    void picked(int index);

private:
    void onClicked(int row);

    QStringList items_;
    QString heading_;
    int itemIndex_ = -1;
    QLineEdit* edit_ = nullptr;
    QListWidget* list_ = nullptr;
};

// The ten items "０" to "９": the item's position is the digit.
QStringList DigitItems();

// How every screen's sub-topic menu looks.
PickList::Look MenuLook();
