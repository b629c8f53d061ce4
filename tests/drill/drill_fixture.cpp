// DrillFixture: a temporary current folder and data module for drill tests.
#include "drill_fixture.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

DrillFixture::DrillFixture()
    : previous_(QDir::currentPath())
{
    QDir::setCurrent(dir_.path());
    data_ = std::make_unique<TDataModule1>();
}

DrillFixture::~DrillFixture()
{
    data_.reset();
    QDir::setCurrent(previous_);
}

QString DrillFixture::databaseFile() const
{
    return dir_.filePath(QStringLiteral("kyozai/kyozai.db"));
}

QList<DrillRecord> DrillFixture::rows(DrillTable table) const
{
    return ReadRecords(databaseFile(), table);
}

QList<DrillRecord> ReadRecords(const QString& databaseFile, DrillTable table)
{
    static int serial = 0;
    const QString name = QStringLiteral("test-reader-%1").arg(++serial);
    QList<DrillRecord> rows;
    if (!QFileInfo::exists(databaseFile))
        return rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(databaseFile);
        if (db.open()) {
            const bool dorill = table == DrillTable::Dorill;
            QSqlQuery query(db);
            query.exec(dorill ? QStringLiteral("select NB, MND, KAI, KOT, HNT, AMS, AMI from dorill")
                              : QStringLiteral("select NB, MND, KAI, KOT, HNT from dorills"));
            while (query.next()) {
                DrillRecord r;
                r.NB = query.value(0).toInt();
                r.MND = query.value(1).toString();
                r.KAI = query.value(2).toString();
                r.KOT = query.value(3).toString();
                r.HNT = query.value(4).toString();
                if (dorill) {
                    r.AMS = query.value(5).toString();
                    r.AMI = query.value(6).toString();
                }
                rows.append(r);
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}

char* toString(const DrillRecord& r)
{
    const QString text = QStringLiteral("{%1 |%2|%3|%4|%5|%6|%7}")
                             .arg(r.NB)
                             .arg(r.MND, r.KAI, r.KOT, r.HNT, r.AMS, r.AMI);
    return QTest::toString(text);
}
