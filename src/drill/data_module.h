// TDataModule1 (the program's DataModule1): the drill record tables.
//
// The tables live in an SQLite database, the file "kyozai.db" in the folder
// "kyozai", which is resolved against the current folder when the module is
// made (not against the program's folder). The module touches the disk only
// when a drill first uses a table: then it makes the folder, the file and the
// tables dorills, dorill and kuku when they are missing, and checks the file
// (PRAGMA quick_check and a test write). A program run without a drill
// leaves no trace, and start-up never waits on the disk.
//
// Each record table has one result set, a QSqlQueryModel that the results
// grids bind to: DataSource4 reads dorills, DataSource2 reads dorill. Both are
// closed (empty) until a drill reopens them. Reading a table is lazy (the
// model fetches 256 rows at a time), so reopening costs the same however many
// rows the table holds.
//
// Every write is its own transaction with PRAGMA synchronous=FULL, so a row is
// on disk when AppendRecord returns.
//
// Faults never stop a drill:
// - a file that is not a database is moved aside under a new name (never
//   deleted) and a fresh database is made;
// - when the disk database cannot be opened or written (a read-only folder, a
//   full disk), the records of this run are carried over into a database in
//   memory and kept there until the program ends, so the drill and its
//   results grid go on working.
// Either way the error detail goes to standard error, and one message for the
// child waits in takeNotice(); the drill screens show it in a box.
#pragma once

#include "drill_record.h"

#include <QObject>
#include <QString>
#include <QStringList>

class QSqlDatabase;
class QSqlQueryModel;

class TDataModule1 : public QObject
{
    Q_OBJECT
public:
    // folder: the database folder, relative to the current folder.
    explicit TDataModule1(const QString& folder = QStringLiteral("kyozai"), QObject* parent = nullptr);
    ~TDataModule1() override;

    // The result sets the grids bind to (DataSource4: dorills, DataSource2: dorill).
    QSqlQueryModel* DataSource4() const { return dorills_; }
    QSqlQueryModel* DataSource2() const { return dorill_; }
    QSqlQueryModel* dataSource(DrillTable table) const;

    // Closes the table's result set and opens it again on every row of the table.
    bool ReopenDorills();
    bool ReopenDorill();
    bool Reopen(DrillTable table);
    bool isOpen(DrillTable table) const;

    // Removes every row of the table ("スタート" of a drill), then reopens it.
    bool ClearTable(DrillTable table);

    // Appends one row (NB as a number, the other columns as texts) and
    // reopens the table so that its grid shows the row. For dorills the
    // remainder columns are not written.
    bool AppendRecord(DrillTable table, const DrillRecord& record);

    // A message for the child about the records (a broken file replaced,
    // records that cannot be saved). Each is given once; empty when there is none.
    QString takeNotice();

    // The absolute path of the database file.
    QString databaseFile() const { return file_; }
    // False once the records are kept in memory instead of on disk.
    bool keptOnDisk() const { return onDisk_; }
    // The connection the module reads and writes through (for tests and tools).
    QString connectionName() const { return connection_; }

private:
    void ensureOpen();
    bool openDisk();
    bool openConnection(const QString& databaseName);
    bool checkFile(bool* broken);
    bool makeTables();
    bool testWrite();
    bool moveAside();
    void keepInMemory(const QString& why);
    void closeConnection();

    template <class Operation>
    bool withFallback(const char* action, Operation operation);
    bool reopenNow(DrillTable table);
    bool clearNow(DrillTable table);
    bool appendNow(DrillTable table, const DrillRecord& record);
    void report(const char* action, const QString& detail) const;
    QSqlDatabase database() const;
    QSqlQueryModel* model(DrillTable table) const;

    QString file_;
    QString connection_;
    bool onDisk_ = false;
    bool opened_ = false;   // the first use has opened the database
    bool usable_ = false;   // the connection (on disk or in memory) works
    bool inMemory_ = false;
    bool open_[2] = {false, false};
    QStringList notices_;
    QSqlQueryModel* dorills_ = nullptr;
    QSqlQueryModel* dorill_ = nullptr;
};

// The program's data module, or nullptr before it is made (the most recently
// made one while several exist, as in tests).
TDataModule1* DataModule1();
