// TDataModule1: the drill record tables over SQLite.
#include "data_module.h"

#include "digit_entry.h"
#include "program_clock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QVariant>

namespace {
const QString kFileName = QStringLiteral("kyozai.db");

const QString kCannotSaveNotice = QStringLiteral(
    "ドリルの きろくを ファイルに 書きこめないよ。\n"
    "ドリルは このまま つづけられるけど、\n"
    "きろくは プログラムを おわると きえるよ。");
const QString kNoRecordsNotice = QStringLiteral(
    "ドリルの きろくを 作れないよ。\n"
    "ドリルは このまま つづけられるけど、\n"
    "「けっか」の ひょうには なにも 出ないよ。");

QString BrokenFileNotice(const QString& movedName)
{
    return QStringLiteral("ドリルの きろくの ファイルが こわれていたので、\n"
                          "新しく 作りなおしたよ。\n"
                          "前の ファイルは「%1」という 名前で のこしてあるよ。")
        .arg(movedName);
}

TDataModule1*& Current()
{
    static TDataModule1* module = nullptr;
    return module;
}

int NextConnectionSerial()
{
    static int serial = 0;
    return ++serial;
}

// Closes a result set. The model lets go of its statement and of the
// connection's driver (QSqlQueryModel::clear() would keep a statement of that
// driver, which dangles once the connection is removed).
void CloseResultSet(QSqlQueryModel* model)
{
    model->setQuery(QSqlQuery(QSqlDatabase()));
}

int Index(DrillTable table)
{
    return table == DrillTable::Dorills ? 0 : 1;
}

QString TableName(DrillTable table)
{
    return table == DrillTable::Dorills ? QStringLiteral("dorills") : QStringLiteral("dorill");
}

// SQLite's "file is not a database" (26) and "database disk image is
// malformed" (11), whatever their extended codes.
bool IsBrokenFile(const QSqlError& error)
{
    bool number = false;
    const int code = error.nativeErrorCode().toInt(&number);
    return number && ((code & 0xff) == 26 || (code & 0xff) == 11);
}

bool Run(const QSqlDatabase& db, const QString& sql, QString* error)
{
    QSqlQuery query(db);
    if (query.exec(sql))
        return true;
    *error = query.lastError().text();
    return false;
}

// Every row of a table, for carrying the rows over into memory.
QList<DrillRecord> ReadRows(const QSqlDatabase& db, DrillTable table)
{
    QList<DrillRecord> rows;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("select * from ") + TableName(table)))
        return rows;
    while (query.next()) {
        DrillRecord r;
        r.NB = query.value(0).toInt();
        r.MND = query.value(1).toString();
        r.KAI = query.value(2).toString();
        r.KOT = query.value(3).toString();
        r.HNT = query.value(4).toString();
        if (table == DrillTable::Dorill) {
            r.AMS = query.value(5).toString();
            r.AMI = query.value(6).toString();
        }
        rows.append(r);
    }
    return rows;
}

bool InsertRow(const QSqlDatabase& db, DrillTable table, const DrillRecord& r, QString* error)
{
    QSqlQuery query(db);
    const bool dorill = table == DrillTable::Dorill;
    const QString sql = dorill
        ? QStringLiteral("insert into dorill (NB, MND, KAI, KOT, HNT, AMS, AMI) values (?, ?, ?, ?, ?, ?, ?)")
        : QStringLiteral("insert into dorills (NB, MND, KAI, KOT, HNT) values (?, ?, ?, ?, ?)");
    if (!query.prepare(sql)) {
        *error = query.lastError().text();
        return false;
    }
    query.addBindValue(r.NB);
    query.addBindValue(r.MND);
    query.addBindValue(r.KAI);
    query.addBindValue(r.KOT);
    query.addBindValue(r.HNT);
    if (dorill) {
        query.addBindValue(r.AMS);
        query.addBindValue(r.AMI);
    }
    if (!query.exec()) {
        *error = query.lastError().text();
        return false;
    }
    return true;
}
} // namespace

QString DrillMark(bool right)
{
    return QStringLiteral(" ") + VerdictMark(right);
}

TDataModule1* DataModule1()
{
    return Current();
}

TDataModule1::TDataModule1(const QString& folder, QObject* parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("DataModule1"));
    file_ = QDir(QDir::current().absoluteFilePath(folder)).absoluteFilePath(kFileName);
    connection_ = QStringLiteral("kyozai-%1").arg(NextConnectionSerial());
    dorills_ = new QSqlQueryModel(this);
    dorills_->setObjectName(QStringLiteral("DataSource4"));
    dorill_ = new QSqlQueryModel(this);
    dorill_->setObjectName(QStringLiteral("DataSource2"));

    Current() = this;
}

void TDataModule1::ensureOpen()
{
    if (opened_)
        return;
    opened_ = true;
    if (!openDisk())
        keepInMemory(QStringLiteral("the database file cannot be used"));
}

TDataModule1::~TDataModule1()
{
    closeConnection();
    if (Current() == this)
        Current() = nullptr;
}

QSqlQueryModel* TDataModule1::dataSource(DrillTable table) const
{
    return model(table);
}

QSqlQueryModel* TDataModule1::model(DrillTable table) const
{
    return table == DrillTable::Dorills ? dorills_ : dorill_;
}

QSqlDatabase TDataModule1::database() const
{
    return QSqlDatabase::database(connection_, false);
}

void TDataModule1::report(const char* action, const QString& detail) const
{
    qWarning("kyozai: could not %s (%s): %s", action, inMemory_ ? "in memory" : qPrintable(file_), qPrintable(detail));
}

bool TDataModule1::openDisk()
{
    const QString folder = QFileInfo(file_).path();
    if (!QDir().mkpath(folder)) {
        report("make the folder", folder);
        return false;
    }
    if (!openConnection(file_))
        return false;
    bool broken = false;
    if (!checkFile(&broken)) {
        if (!broken)
            return false;
        closeConnection();
        if (!moveAside() || !openConnection(file_) || !checkFile(&broken))
            return false;
    }
    if (!makeTables() || !testWrite())
        return false;
    onDisk_ = true;
    usable_ = true;
    return true;
}

bool TDataModule1::openConnection(const QString& databaseName)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(databaseName);
    if (db.open())
        return true;
    report("open the database", db.lastError().text());
    return false;
}

bool TDataModule1::checkFile(bool* broken)
{
    *broken = false;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    QStringList problems;
    if (query.exec(QStringLiteral("PRAGMA quick_check"))) {
        while (query.next()) {
            const QString line = query.value(0).toString();
            if (line != QLatin1String("ok"))
                problems << line;
        }
    }
    if (query.lastError().isValid()) {
        *broken = IsBrokenFile(query.lastError());
        report("read the database", query.lastError().text());
        return false;
    }
    if (!problems.isEmpty()) {
        *broken = true;
        report("use the damaged database", problems.join(QStringLiteral("; ")));
        return false;
    }
    // Each write reaches the disk before it returns.
    QString error;
    if (!Run(database(), QStringLiteral("PRAGMA synchronous=FULL"), &error)) {
        report("set synchronous writes", error);
        return false;
    }
    return true;
}

bool TDataModule1::makeTables()
{
    // SQLite keeps texts of any length, so the longest texts of every drill fit.
    static const char* const statements[] = {
        "create table if not exists dorills (NB integer, MND text, KAI text, KOT text, HNT text)",
        "create table if not exists dorill (NB integer, MND text, KAI text, KOT text, HNT text, AMS text, AMI text)",
        "create table if not exists kuku (NB integer, MND text, KAI text, KOT text, HNT text)",
    };
    for (const char* sql : statements) {
        QString error;
        if (!Run(database(), QString::fromLatin1(sql), &error)) {
            report("make the tables", error);
            return false;
        }
    }
    return true;
}

bool TDataModule1::testWrite()
{
    // A real write: a read-only folder or file lets the database open and be
    // read, and fails only here.
    QString error;
    if (Run(database(), QStringLiteral("PRAGMA user_version = 1"), &error))
        return true;
    report("write the database", error);
    return false;
}

bool TDataModule1::moveAside()
{
    const QString stamp = Clock::now().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = file_ + QStringLiteral(".broken-") + stamp;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = file_ + QStringLiteral(".broken-%1-%2").arg(stamp).arg(n);
    if (!QFile::rename(file_, target)) {
        report("move the broken file aside", target);
        return false;
    }
    // A journal left beside the broken file belongs to it, not to the new one.
    for (const char* suffix : {"-journal", "-wal", "-shm"}) {
        const QString companion = file_ + QLatin1String(suffix);
        if (QFileInfo::exists(companion))
            QFile::rename(companion, target + QLatin1String(suffix));
    }
    qWarning("kyozai: %s was not a database; moved it to %s and made a new one", qPrintable(file_),
             qPrintable(target));
    notices_ << BrokenFileNotice(QFileInfo(target).fileName());
    return true;
}

void TDataModule1::closeConnection()
{
    CloseResultSet(dorills_);
    CloseResultSet(dorill_);
    open_[0] = open_[1] = false;
    if (!QSqlDatabase::contains(connection_))
        return;
    {
        QSqlDatabase db = database();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
}

void TDataModule1::keepInMemory(const QString& why)
{
    qWarning("kyozai: %s; this run's drill records are kept in memory only", qPrintable(why));
    // Carry over the rows the disk tables hold, so the grid still shows the
    // whole drill run.
    QList<DrillRecord> rows[2];
    if (QSqlDatabase::contains(connection_) && database().isOpen()) {
        rows[0] = ReadRows(database(), DrillTable::Dorills);
        rows[1] = ReadRows(database(), DrillTable::Dorill);
    }
    closeConnection();
    onDisk_ = false;
    usable_ = false;
    inMemory_ = true;
    connection_ += QStringLiteral("-memory");
    if (!openConnection(QStringLiteral(":memory:")) || !makeTables()) {
        notices_ << kNoRecordsNotice;
        return;
    }
    usable_ = true;
    for (DrillTable table : {DrillTable::Dorills, DrillTable::Dorill}) {
        for (const DrillRecord& row : rows[Index(table)]) {
            QString error;
            if (!InsertRow(database(), table, row, &error))
                report("carry a row over", error);
        }
    }
    notices_ << kCannotSaveNotice;
}

template <class Operation>
bool TDataModule1::withFallback(const char* action, Operation operation)
{
    ensureOpen();
    if (usable_ && operation())
        return true;
    if (!onDisk_)
        return false;
    keepInMemory(QStringLiteral("could not %1 on disk").arg(QLatin1String(action)));
    return usable_ && operation();
}

bool TDataModule1::ReopenDorills()
{
    return Reopen(DrillTable::Dorills);
}

bool TDataModule1::ReopenDorill()
{
    return Reopen(DrillTable::Dorill);
}

bool TDataModule1::Reopen(DrillTable table)
{
    return withFallback("read the table", [&] { return reopenNow(table); });
}

bool TDataModule1::isOpen(DrillTable table) const
{
    return open_[Index(table)];
}

bool TDataModule1::ClearTable(DrillTable table)
{
    return withFallback("clear the table", [&] { return clearNow(table); });
}

bool TDataModule1::AppendRecord(DrillTable table, const DrillRecord& record)
{
    return withFallback("append a record", [&] { return appendNow(table, record); });
}

bool TDataModule1::reopenNow(DrillTable table)
{
    QSqlQueryModel* result = model(table);
    CloseResultSet(result);
    open_[Index(table)] = false;
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("select * from ") + TableName(table))) {
        report("read the table", query.lastError().text());
        return false;
    }
    result->setQuery(std::move(query));
    if (result->lastError().isValid()) {
        report("read the table", result->lastError().text());
        CloseResultSet(result);
        return false;
    }
    open_[Index(table)] = true;
    return true;
}

bool TDataModule1::clearNow(DrillTable table)
{
    // Close the result set first: no statement of ours is left running, so the
    // delete commits the moment it is done.
    CloseResultSet(model(table));
    open_[Index(table)] = false;
    QString error;
    if (!Run(database(), QStringLiteral("delete from ") + TableName(table), &error)) {
        report("clear the table", error);
        return false;
    }
    return reopenNow(table);
}

bool TDataModule1::appendNow(DrillTable table, const DrillRecord& record)
{
    CloseResultSet(model(table));
    open_[Index(table)] = false;
    QString error;
    if (!InsertRow(database(), table, record, &error)) {
        report("append a record", error);
        return false;
    }
    return reopenNow(table);
}

QString TDataModule1::takeNotice()
{
    const QString text = notices_.join(QStringLiteral("\n\n"));
    notices_.clear();
    return text;
}
