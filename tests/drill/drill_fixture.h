// DrillFixture: a drill test's own database folder. It makes a temporary
// folder the current folder, so "kyozai" lands there and never in the source
// tree, and makes the data module the drill screens use. Rows are read back
// through a connection of the test's own.
#pragma once

#include "data_module.h"
#include "drill_record.h"

#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <memory>

class DrillFixture
{
public:
    DrillFixture();
    ~DrillFixture();

    TDataModule1& data() { return *data_; }
    QString folder() const { return dir_.path(); }
    QString databaseFile() const;

    // Every row of a table, read by a new connection as another program would.
    QList<DrillRecord> rows(DrillTable table) const;

private:
    QTemporaryDir dir_;
    QString previous_;
    std::unique_ptr<TDataModule1> data_;
};

// Reads every row of a table of the database file through a new connection
// (nothing when the file does not exist).
QList<DrillRecord> ReadRecords(const QString& databaseFile, DrillTable table);

// A row as the test log shows it.
char* toString(const DrillRecord& record);
