// Benchmark: the time to append one drill record and refresh the results
// grid, with 10, 1,000 and 10,000 rows already in the table. A drill of any
// length must feel instant, so the time must not grow with the table.
//
// Each append goes through the data module as a drill's "◆" does (a durable
// insert, then the result set reopened), and the grid bound to the result set
// is repainted. The rows already there are put in beforehand in one
// transaction. Prints the median and the 90th percentile of each size, and,
// for comparison, the same when the grid reads every row after each append.
#include "data_module.h"
#include "drill_grid.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
DrillRecord Row(int nb)
{
    return {nb, QStringLiteral(" 98.8 x 0.088"), QStringLiteral(" 8.6944"), QStringLiteral(" 8.6944"),
            QStringLiteral(" ○"), {}, {}};
}

// Puts rows 1..count into dorills in one transaction, through a connection of
// the benchmark's own.
void Fill(const QString& file, int count)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
        db.setDatabaseName(file);
        db.open();
        db.transaction();
        QSqlQuery query(db);
        query.prepare(QStringLiteral("insert into dorills (NB, MND, KAI, KOT, HNT) values (?, ?, ?, ?, ?)"));
        for (int nb = 1; nb <= count; ++nb) {
            const DrillRecord r = Row(nb);
            query.addBindValue(r.NB);
            query.addBindValue(r.MND);
            query.addBindValue(r.KAI);
            query.addBindValue(r.KOT);
            query.addBindValue(r.HNT);
            query.exec();
        }
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
}

struct Figures {
    double median = 0;
    double p90 = 0;
};

Figures Measure(TDataModule1& data, DrillGrid& grid, int existing, int appends, bool readEveryRow)
{
    data.ClearTable(DrillTable::Dorills);
    Fill(data.databaseFile(), existing);
    data.ReopenDorills();
    std::vector<double> ms;
    QElapsedTimer timer;
    for (int i = 0; i < appends; ++i) {
        timer.start();
        data.AppendRecord(DrillTable::Dorills, Row(existing + i + 1));
        if (readEveryRow) {
            while (data.DataSource4()->canFetchMore())
                data.DataSource4()->fetchMore();
        }
        grid.viewport()->repaint();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms[ms.size() * 9 / 10]};
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int appends = argc > 1 ? std::max(10, atoi(argv[1])) : 200;
    QTemporaryDir dir; // in the system's temporary folder, or $TMPDIR
    QDir::setCurrent(dir.path());
    TDataModule1 data;
    data.ClearTable(DrillTable::Dorills); // opens the database and makes the tables

    QWidget window;
    window.resize(955, 707);
    DrillGrid grid(&window, QStringLiteral("DBGrid1"), QRect(230, 112, 437, 401),
                   {{"NB", "番号", 40}, {"MND", "問題", 140}, {"KAI", "答え（正）", 90},
                    {"KOT", "答え（入力）", 90}, {"HNT", "○×", 40}});
    grid.bindTo(data.DataSource4());
    grid.show();
    window.show();

    std::printf("database: %s\n", qPrintable(data.databaseFile()));
    std::printf("%d appends at each size; milliseconds per append and refresh\n\n", appends);
    std::printf("%-8s %14s %14s   %26s\n", "rows", "median", "90th pct", "reading every row (median)");
    for (int existing : {10, 1000, 10000}) {
        const Figures lazy = Measure(data, grid, existing, appends, false);
        const Figures full = Measure(data, grid, existing, appends, true);
        std::printf("%-8d %14.3f %14.3f   %26.3f\n", existing, lazy.median, lazy.p90, full.median);
    }
    return 0;
}
