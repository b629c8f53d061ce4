// DrillGrid (DBGrid1 of the drill screens): the results grid, a read-only
// table view bound to a drill's result set. It shows the columns it is given,
// by field name, in the given order, with their titles and widths; columns of
// the result set that are not listed stay hidden. The grid keeps its columns
// across every reopen of the result set.
#pragma once

#include <QList>
#include <QTableView>

class QAbstractItemModel;
class QIdentityProxyModel;

struct DrillColumn {
    QString field; // the column of the table ("NB", "MND", ...)
    QString title; // the grid's title ("番号")
    int width = 40;
};

class DrillGrid : public QTableView
{
    Q_OBJECT
public:
    DrillGrid(QWidget* parent, const QString& name, const QRect& geometry, const QList<DrillColumn>& columns);

    // Shows the rows of a result set (nullptr: shows nothing).
    void bindTo(QAbstractItemModel* resultSet);
    QAbstractItemModel* resultSet() const { return resultSet_; }

    const QList<DrillColumn>& columns() const { return columns_; }

private:
    void applyColumns();

    QList<DrillColumn> columns_;
    QIdentityProxyModel* titled_ = nullptr;
    QAbstractItemModel* resultSet_ = nullptr;
};
