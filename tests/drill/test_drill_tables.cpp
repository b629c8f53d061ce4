// Tests of the drill record tables: rows written and read back by another
// connection, the folder and tables made when missing, a broken file moved
// aside, a database that cannot be written (as a user who is not root), and a
// writer killed in the middle of a drill.
#include "data_module.h"
#include "drill_fixture.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QStandardPaths>
#include <QTest>
#include <cstdio>
#include <unistd.h>

namespace {
const QString kAppendUntilKilled = QStringLiteral("--append-until-killed");
const QString kUseReadOnly = QStringLiteral("--use-read-only");

DrillRecord Row(int nb, const QString& problem = QStringLiteral(" 7.3 x 12"))
{
    return {nb, problem, QStringLiteral(" 87.6"), QStringLiteral(" 87.6"), QStringLiteral(" ○"), {}, {}};
}

QByteArray FileHash(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// Child: appends rows to dorills until it is killed, telling each NB on
// standard output once its append has returned.
int AppendUntilKilled()
{
    TDataModule1 data;
    if (!data.ClearTable(DrillTable::Dorills))
        return 2;
    for (int nb = 1; nb <= 100000; ++nb) {
        if (!data.AppendRecord(DrillTable::Dorills, Row(nb)))
            return 3;
        std::printf("%d\n", nb);
        std::fflush(stdout);
    }
    return 0;
}

// Child: runs a drill's table work in the current folder and tells what came of it.
int UseReadOnly()
{
    TDataModule1 data;
    const bool cleared = data.ClearTable(DrillTable::Dorills);
    const bool appended = data.AppendRecord(DrillTable::Dorills, Row(1)) && data.AppendRecord(DrillTable::Dorills, Row(2));
    const QString notice = data.takeNotice();
    const QString again = data.takeNotice();
    std::printf("cleared=%d\nappended=%d\nondisk=%d\nrows=%d\nnotice=%s\nagain=%s\n", cleared, appended,
                data.keptOnDisk(), data.DataSource4()->rowCount(), qPrintable(notice.simplified()),
                qPrintable(again.simplified()));
    return 0;
}

// key=value lines of a child's output.
QMap<QString, QString> ReadAnswers(const QByteArray& output)
{
    QMap<QString, QString> answers;
    for (const QByteArray& line : output.split('\n')) {
        const int eq = line.indexOf('=');
        if (eq > 0)
            answers.insert(QString::fromUtf8(line.left(eq)), QString::fromUtf8(line.mid(eq + 1)));
    }
    return answers;
}
} // namespace

class DrillTablesTest : public QObject
{
    Q_OBJECT
private slots:
    void resultSetsAreClosedAndDiskUntouchedUntilFirstUse();
    void rowsAreAppendedInOrderAndReadBack_data();
    void rowsAreAppendedInOrderAndReadBack();
    void missingFolderOrTablesAreMade_data();
    void missingFolderOrTablesAreMade();
    void clearingEmptiesOnlyItsTable();
    void brokenFileIsMovedAsideAndReplaced();
    void unwritableDatabaseKeepsRecordsInMemory_data();
    void unwritableDatabaseKeepsRecordsInMemory();
    void killedWriterLosesNoPostedRow();
};

void DrillTablesTest::resultSetsAreClosedAndDiskUntouchedUntilFirstUse()
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    {
        TDataModule1 first;
        first.ClearTable(DrillTable::Dorills);
        first.AppendRecord(DrillTable::Dorills, Row(1));
    }
    {
        // Rows of an earlier run stay in the table but are not shown.
        TDataModule1 data;
        QCOMPARE(DataModule1(), &data);
        QVERIFY(!data.isOpen(DrillTable::Dorills));
        QVERIFY(!data.isOpen(DrillTable::Dorill));
        QCOMPARE(data.DataSource4()->rowCount(), 0);
        QVERIFY(data.ReopenDorills());
        QCOMPARE(data.DataSource4()->rowCount(), 1);
    }
    QCOMPARE(DataModule1(), nullptr);
    QDir::setCurrent(previous);

    // A program that never starts a drill makes no folder.
    QTemporaryDir untouched;
    QDir::setCurrent(untouched.path());
    {
        TDataModule1 data;
        QVERIFY(data.databaseFile().startsWith(untouched.path()));
    }
    QVERIFY(!QFileInfo::exists(untouched.filePath(QStringLiteral("kyozai"))));
    QDir::setCurrent(previous);
}

void DrillTablesTest::rowsAreAppendedInOrderAndReadBack_data()
{
    QTest::addColumn<int>("table");
    QTest::newRow("dorills") << int(DrillTable::Dorills);
    QTest::newRow("dorill") << int(DrillTable::Dorill);
}

void DrillTablesTest::rowsAreAppendedInOrderAndReadBack()
{
    QFETCH(int, table);
    const auto t = DrillTable(table);
    DrillFixture fx;
    QVERIFY(fx.data().ClearTable(t));
    QList<DrillRecord> written = {
        Row(1),
        // the longest problem text any drill writes: three mixed fractions
        Row(2, QStringLiteral(" 8・10/11 - 5・10/11 + 8・10/11")),
        {3, QStringLiteral("　2.9 ÷ 4"), QStringLiteral("0.7"), QStringLiteral("0.7"), QStringLiteral(" ×"),
         QStringLiteral("0.1"), QStringLiteral("0.2")},
    };
    if (t == DrillTable::Dorills)
        written[2].AMS = written[2].AMI = QString(); // dorills has no remainder columns
    for (const DrillRecord& row : written)
        QVERIFY(fx.data().AppendRecord(t, row));

    // The result set shows the rows the moment each is appended.
    QSqlQueryModel* model = fx.data().dataSource(t);
    QVERIFY(fx.data().isOpen(t));
    QCOMPARE(model->rowCount(), 3);
    for (int row = 0; row < 3; ++row)
        QCOMPARE(model->index(row, 0).data().toInt(), row + 1);
    QCOMPARE(model->columnCount(), t == DrillTable::Dorills ? 5 : 7);

    QCOMPARE(fx.rows(t), written);
    QVERIFY(QFileInfo(fx.folder() + QStringLiteral("/kyozai")).isDir());
}

void DrillTablesTest::missingFolderOrTablesAreMade_data()
{
    QTest::addColumn<QString>("start");
    QTest::newRow("no folder") << "none";
    QTest::newRow("empty folder") << "folder";
    QTest::newRow("empty file") << "empty file";
    QTest::newRow("database without the tables") << "other tables";
}

void DrillTablesTest::missingFolderOrTablesAreMade()
{
    QFETCH(QString, start);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("kyozai/kyozai.db"));
    if (start != QLatin1String("none"))
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("kyozai")));
    if (start == QLatin1String("empty file")) {
        QFile empty(file);
        QVERIFY(empty.open(QIODevice::WriteOnly));
    }
    if (start == QLatin1String("other tables")) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        db.setDatabaseName(file);
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec(QStringLiteral("create table notes (x text)")));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));

    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    {
        TDataModule1 data;
        QVERIFY(data.ClearTable(DrillTable::Dorills));
        QVERIFY(data.ClearTable(DrillTable::Dorill));
        QVERIFY(data.AppendRecord(DrillTable::Dorills, Row(1)));
        QVERIFY(data.keptOnDisk());
        QCOMPARE(data.takeNotice(), QString());
    }
    QDir::setCurrent(previous);
    QCOMPARE(ReadRecords(file, DrillTable::Dorills), QList<DrillRecord>{Row(1)});
    QCOMPARE(ReadRecords(file, DrillTable::Dorill), QList<DrillRecord>{});
}

void DrillTablesTest::clearingEmptiesOnlyItsTable()
{
    DrillFixture fx;
    QVERIFY(fx.data().ClearTable(DrillTable::Dorills));
    QVERIFY(fx.data().ClearTable(DrillTable::Dorill));
    for (int nb = 1; nb <= 3; ++nb) {
        QVERIFY(fx.data().AppendRecord(DrillTable::Dorills, Row(nb)));
        QVERIFY(fx.data().AppendRecord(DrillTable::Dorill, Row(nb)));
    }
    QVERIFY(fx.data().ClearTable(DrillTable::Dorills));
    QCOMPARE(fx.data().DataSource4()->rowCount(), 0);
    QCOMPARE(fx.rows(DrillTable::Dorills).size(), 0);
    QCOMPARE(fx.rows(DrillTable::Dorill).size(), 3);
    QVERIFY(fx.data().ClearTable(DrillTable::Dorills)); // clearing an empty table
    QCOMPARE(fx.rows(DrillTable::Dorills).size(), 0);
}

void DrillTablesTest::brokenFileIsMovedAsideAndReplaced()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("kyozai")));
    const QString file = dir.filePath(QStringLiteral("kyozai/kyozai.db"));
    QByteArray garbage(5000, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 7919 + 13) % 251);
    {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(garbage);
    }

    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QString notice;
    {
        TDataModule1 data;
        QVERIFY(data.ClearTable(DrillTable::Dorills));
        QVERIFY(data.AppendRecord(DrillTable::Dorills, Row(1)));
        QVERIFY(data.keptOnDisk());
        notice = data.takeNotice();
        QCOMPARE(data.takeNotice(), QString()); // told once
    }
    QDir::setCurrent(previous);

    const QStringList aside = QDir(dir.filePath(QStringLiteral("kyozai")))
                                  .entryList({QStringLiteral("kyozai.db.broken-*")}, QDir::Files);
    QCOMPARE(aside.size(), 1);
    QCOMPARE(FileHash(dir.filePath(QStringLiteral("kyozai/") + aside.first())),
             QCryptographicHash::hash(garbage, QCryptographicHash::Sha256));
    QVERIFY2(notice.contains(aside.first()), qPrintable(notice));
    QVERIFY(notice.contains(QStringLiteral("こわれていた")));
    QCOMPARE(ReadRecords(file, DrillTable::Dorills), QList<DrillRecord>{Row(1)});
}

void DrillTablesTest::unwritableDatabaseKeepsRecordsInMemory_data()
{
    QTest::addColumn<QString>("layout");
    QTest::newRow("folder cannot be made") << "no folder";
    QTest::newRow("read-only folder, no file") << "read-only folder";
    QTest::newRow("read-only file") << "read-only file";
    QTest::newRow("read-only folder, writable file") << "writable file";
}

void DrillTablesTest::unwritableDatabaseKeepsRecordsInMemory()
{
    QFETCH(QString, layout);
    // Root writes anywhere, so the child runs as nobody when the test runs as root.
    const bool root = geteuid() == 0;
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (root && setpriv.isEmpty())
        QSKIP("setpriv is needed to run the child as another user");

    QTemporaryDir dir;
    const QString home = dir.path();
    const QString folder = home + QStringLiteral("/kyozai");
    const QString file = folder + QStringLiteral("/kyozai.db");
    if (layout != QLatin1String("no folder")) {
        QVERIFY(QDir(home).mkdir(QStringLiteral("kyozai")));
        if (layout != QLatin1String("read-only folder")) {
            const QString previous = QDir::currentPath();
            QDir::setCurrent(home);
            {
                TDataModule1 data;
                QVERIFY(data.ClearTable(DrillTable::Dorills));
                QVERIFY(data.AppendRecord(DrillTable::Dorills, Row(7)));
            }
            QDir::setCurrent(previous);
        }
    }
    // The child is a copy of this program in the temporary folder, which
    // nobody can reach wherever the build folder is.
    const QString child = home + QStringLiteral("/child");
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), child));
    const auto readOnlyDir = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
        | QFile::ReadOther | QFile::ExeOther;
    const auto openDir = readOnlyDir | QFile::WriteOwner;
    const auto readOnlyFile = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const auto writableFile = readOnlyFile | QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (layout == QLatin1String("no folder")) {
        QVERIFY(QFile::setPermissions(home, readOnlyDir));
    } else {
        QVERIFY(QFile::setPermissions(home, openDir));
        QVERIFY(QFile::setPermissions(folder, layout == QLatin1String("read-only file") ? openDir : readOnlyDir));
    }
    if (layout == QLatin1String("read-only file"))
        QVERIFY(QFile::setPermissions(file, readOnlyFile));
    if (layout == QLatin1String("writable file"))
        QVERIFY(QFile::setPermissions(file, writableFile));
    const QByteArray before = FileHash(file);

    QProcess process;
    process.setWorkingDirectory(home);
    if (root)
        process.start(setpriv, {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                                QStringLiteral("--clear-groups"), child, kUseReadOnly});
    else
        process.start(child, {kUseReadOnly});
    QVERIFY(process.waitForFinished(60000));
    const QByteArray output = process.readAllStandardOutput();
    QCOMPARE(process.exitCode(), 0);
    const auto answers = ReadAnswers(output);

    // The drill goes on: clearing and appending work in memory, and the grid
    // shows the rows of the run.
    QCOMPARE(answers.value(QStringLiteral("cleared")), QStringLiteral("1"));
    QCOMPARE(answers.value(QStringLiteral("appended")), QStringLiteral("1"));
    QCOMPARE(answers.value(QStringLiteral("ondisk")), QStringLiteral("0"));
    QCOMPARE(answers.value(QStringLiteral("rows")), QStringLiteral("2"));
    QVERIFY2(answers.value(QStringLiteral("notice")).contains(QStringLiteral("書きこめない")), output.constData());
    QCOMPARE(answers.value(QStringLiteral("again")), QString());
    QVERIFY2(process.readAllStandardError().contains("kyozai: could not"), "the detail goes to standard error");

    // Nothing on disk was changed, moved or made.
    QFile::setPermissions(home, openDir);
    QFile::setPermissions(folder, openDir);
    QCOMPARE(FileHash(file), before);
    if (layout == QLatin1String("no folder") || layout == QLatin1String("read-only folder"))
        QVERIFY(!QFileInfo::exists(file));
    QCOMPARE(QDir(folder).entryList({QStringLiteral("kyozai.db*")}, QDir::Files),
             QFileInfo::exists(file) ? QStringList{QStringLiteral("kyozai.db")} : QStringList());
}

void DrillTablesTest::killedWriterLosesNoPostedRow()
{
    QTemporaryDir dir;
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start(QCoreApplication::applicationFilePath(), {kAppendUntilKilled});
    QVERIFY(process.waitForStarted());

    // Past 256 rows, so that the result set no longer reads the whole table.
    int reported = 0;
    QByteArray pending;
    while (reported < 300) {
        QVERIFY2(process.waitForReadyRead(60000), "the child stopped appending");
        pending += process.readAllStandardOutput();
        const int end = pending.lastIndexOf('\n');
        if (end < 0)
            continue;
        const QList<QByteArray> lines = pending.left(end).split('\n');
        reported = lines.last().trimmed().toInt();
        pending = pending.mid(end + 1);
    }
    process.kill();
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::CrashExit);

    const QList<DrillRecord> rows = ReadRecords(dir.filePath(QStringLiteral("kyozai/kyozai.db")), DrillTable::Dorills);
    QVERIFY2(rows.size() >= reported, qPrintable(QStringLiteral("%1 rows, %2 posted").arg(rows.size()).arg(reported)));
    for (int i = 0; i < rows.size(); ++i)
        QCOMPARE(rows.at(i), Row(i + 1));
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.contains(kAppendUntilKilled))
        return AppendUntilKilled();
    if (args.contains(kUseReadOnly))
        return UseReadOnly();
    DrillTablesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_drill_tables.moc"
