// PickList: the pick lists used for menus, times and answer digits.
#include "pick_list.h"

#include "screen_style.h"

#include <QLineEdit>
#include <QListWidget>

#include <algorithm>

QStringList DigitItems()
{
    return {QStringLiteral("０"), QStringLiteral("１"), QStringLiteral("２"), QStringLiteral("３"),
            QStringLiteral("４"), QStringLiteral("５"), QStringLiteral("６"), QStringLiteral("７"),
            QStringLiteral("８"), QStringLiteral("９")};
}

PickList::Look MenuLook()
{
    return {.width = 220, .rowHeight = 26, .pixelSize = 18, .editHeight = 28};
}

PickList::PickList(QWidget* parent, const QString& name, const QStringList& items,
                   const QString& heading, QPoint topLeft, const Look& look)
    : QWidget(parent)
    , items_(items)
    , heading_(heading)
{
    setObjectName(name);
    const QFont font = ScreenFont(look.pixelSize);
    // Digit lists (items of a character or so) read best centred; menus and
    // time lists read from the left, where their headings' leading blanks are
    // meant to count.
    const bool shortItems = std::all_of(items.begin(), items.end(), [](const QString& item) { return item.size() <= 3; });
    const Qt::Alignment alignment = shortItems ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter);
    const int rows = look.visibleRows > 0 ? look.visibleRows : int(items.size());
    constexpr int frame = 1;

    edit_ = new QLineEdit(heading, this);
    edit_->setObjectName(name + QStringLiteral("Edit"));
    edit_->setReadOnly(true);
    edit_->setFocusPolicy(Qt::NoFocus);
    edit_->setFont(font);
    edit_->setAlignment(alignment);
    edit_->setTextMargins(0, 0, 0, 0);
    edit_->setStyleSheet(QStringLiteral("QLineEdit { padding: 0px 2px; border: 1px solid #7f7f9f; background: white; }"));
    edit_->setGeometry(0, 0, look.width, look.editHeight);

    // A narrow list shows scroll bars and clips its last row unless every row
    // has a fixed height and the list is exactly as tall as its rows.
    list_ = new QListWidget(this);
    list_->setObjectName(name + QStringLiteral("List"));
    list_->setFont(font);
    list_->setFocusPolicy(Qt::NoFocus);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setVerticalScrollBarPolicy(look.visibleRows > 0 && look.visibleRows < items.size()
                                          ? Qt::ScrollBarAsNeeded
                                          : Qt::ScrollBarAlwaysOff);
    list_->setFrameShape(QFrame::Box);
    list_->setLineWidth(frame);
    list_->setUniformItemSizes(true);
    list_->setTextElideMode(Qt::ElideNone);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setStyleSheet(QStringLiteral("QListWidget { border: 1px solid #7f7f9f; background: white; }"
                                        "QListWidget::item { padding: 0px 2px; }"
                                        "QListWidget::item:selected { background: #ffd86b; color: black; }"));
    for (const QString& text : items) {
        auto* item = new QListWidgetItem(text, list_);
        item->setTextAlignment(alignment);
        item->setSizeHint(QSize(look.width - 2 * frame, look.rowHeight));
    }
    list_->setGeometry(0, look.editHeight, look.width, rows * look.rowHeight + 2 * frame);

    connect(list_, &QListWidget::clicked, this, [this](const QModelIndex& index) {
        onClicked(index.row());
    });

    setGeometry(topLeft.x(), topLeft.y(), look.width, look.editHeight + list_->height());
}

QString PickList::text() const
{
    return edit_->text();
}

void PickList::setHeading(const QString& heading)
{
    heading_ = heading;
    edit_->setText(heading);
}

void PickList::setItemIndex(int index)
{
    if (index < 0 || index >= items_.size()) {
        clearPick();
        return;
    }
    itemIndex_ = index;
    list_->setCurrentRow(index);
    edit_->setText(items_.at(index));
}

void PickList::clearPick()
{
    itemIndex_ = -1;
    list_->clearSelection();
    list_->setCurrentRow(-1);
    edit_->setText(heading_);
}

void PickList::onClicked(int row)
{
    if (row < 0 || row >= items_.size() || row == itemIndex_)
        return;
    setItemIndex(row);
    emit picked(row);
}
