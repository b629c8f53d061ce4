// DrillGrid: the drills' results grid.
#include "drill_grid.h"

#include "screen_style.h"

#include <QHeaderView>
#include <QIdentityProxyModel>

namespace {
// Passes the result set through unchanged and gives its columns the grid's
// titles, so that several grids can share one result set.
class TitledColumns : public QIdentityProxyModel
{
public:
    TitledColumns(const QList<DrillColumn>& columns, QObject* parent)
        : QIdentityProxyModel(parent)
        , columns_(columns)
    {
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && sourceModel()) {
            if (role == Qt::TextAlignmentRole)
                return int(Qt::AlignCenter);
            if (role == Qt::DisplayRole) {
                const QString field = sourceModel()->headerData(section, orientation, role).toString();
                for (const DrillColumn& column : columns_) {
                    if (column.field.compare(field, Qt::CaseInsensitive) == 0)
                        return column.title;
                }
            }
        }
        return QIdentityProxyModel::headerData(section, orientation, role);
    }

    // The grid only shows the records; the child cannot change them.
    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        return QIdentityProxyModel::flags(index) & ~Qt::ItemIsEditable;
    }

private:
    QList<DrillColumn> columns_;
};
} // namespace

DrillGrid::DrillGrid(QWidget* parent, const QString& name, const QRect& geometry,
                     const QList<DrillColumn>& columns)
    : QTableView(parent)
    , columns_(columns)
{
    setObjectName(name);
    setGeometry(geometry);
    setFont(ScreenFont(15));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(24);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setFont(ScreenFont(14, true));

    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, Palette::Cream);
    palette.setColor(QPalette::Window, Palette::Cream);
    palette.setColor(QPalette::Text, Palette::Navy);
    setPalette(palette);

    titled_ = new TitledColumns(columns_, this);
    setModel(titled_);
    // Reopening the result set resets it, and a reset forgets the widths,
    // order and hidden columns of the header: set them again each time.
    connect(titled_, &QAbstractItemModel::modelReset, this, &DrillGrid::applyColumns);
    hide();
}

void DrillGrid::bindTo(QAbstractItemModel* resultSet)
{
    if (resultSet_ == resultSet)
        return;
    resultSet_ = resultSet;
    titled_->setSourceModel(resultSet);
    applyColumns();
}

void DrillGrid::applyColumns()
{
    QAbstractItemModel* source = titled_->sourceModel();
    if (!source)
        return;
    QHeaderView* header = horizontalHeader();
    const int count = source->columnCount();
    // Hide every column, then show the listed ones in their order.
    for (int logical = 0; logical < count; ++logical)
        setColumnHidden(logical, true);
    int visual = 0;
    for (const DrillColumn& column : columns_) {
        for (int logical = 0; logical < count; ++logical) {
            const QString field = source->headerData(logical, Qt::Horizontal, Qt::DisplayRole).toString();
            if (field.compare(column.field, Qt::CaseInsensitive) != 0)
                continue;
            setColumnHidden(logical, false);
            header->moveSection(header->visualIndex(logical), visual++);
            header->resizeSection(logical, column.width);
        }
    }
}
