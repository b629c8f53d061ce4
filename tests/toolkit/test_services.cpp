// Tests of the screen services: sound cues, the prompt blink, the status-bar
// clock, the quit confirmation and the pick list.
#include "fake_sound_sink.h"
#include "message_boxes.h"
#include "modal_driver.h"
#include "pick_list.h"
#include "prompt_blinker.h"
#include "screen_clock.h"
#include "sound_cue.h"
#include "widget_driver.h"

#include "program_folder.h"

#include <QAudioDevice>
#include <QLabel>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QListWidget>
#include <QTest>
#include <QTimer>

class ServicesTest : public QObject
{
    Q_OBJECT
private slots:
    void cuesAreSilentUntilSoundIsOn();
    void laterCueCutsOffEarlier();
    void cueOutsideTableReplaysLastFile();
    void playerWithoutDeviceOrFilesIsSilent();
    void cueFileNames_data();
    void cueFileNames();

    void blinkHidesOnceAndEndsShown();
    void blinkRestartedWhileRunning();

    void clockText_data();
    void clockText();

    void confirmQuit_data();
    void confirmQuit();

    void pickListFiresOnlyOnChangedUserPick();
};

void ServicesTest::cuesAreSilentUntilSoundIsOn()
{
    FakeSoundSink sink(false);
    SoundCue(12);
    SoundCue(17);
    QVERIFY(sink.played.isEmpty());
    SetSoundEnabled(true);
    SoundCue(16);
    QCOMPARE(sink.played, QList<int>{16});
}

void ServicesTest::laterCueCutsOffEarlier()
{
    FakeSoundSink sink;
    SoundCue(12);
    const int stopsBefore = sink.stops;
    SoundCue(11);
    QCOMPARE(sink.played, (QList<int>{12, 11}));
    // The second cue stopped the first before it started.
    QCOMPARE(sink.stops, stopsBefore + 1);
}

void ServicesTest::cueOutsideTableReplaysLastFile()
{
    FakeSoundSink sink;
    SoundCue(14);
    SoundCue(0);
    SoundCue(21);
    QCOMPARE(sink.played, (QList<int>{14, 14, 14}));
}

void ServicesTest::playerWithoutDeviceOrFilesIsSilent()
{
    // No cue files at all, and (on CI) no audio output: every cue still
    // returns at once, with no box and no error.
    QTemporaryDir empty;
    SetProgramFolder(empty.path());
    EffectSoundSink player;
    InstallSoundSink(&player);
    SetSoundEnabled(true);
    player.load();
    QCOMPARE(player.playerCount(), QMediaDevices::audioOutputs().isEmpty() ? 0 : kCueCount);
    for (int cue = 1; cue <= kCueCount; ++cue)
        SoundCue(cue);
    InstallSoundSink(nullptr);
    SetSoundEnabled(false);
    SetProgramFolder(QString());
}

void ServicesTest::cueFileNames_data()
{
    QTest::addColumn<int>("cue");
    QTest::addColumn<QString>("file");
    QTest::newRow("1") << 1 << "oto/1.wav";
    QTest::newRow("10") << 10 << "oto/10.wav";
    QTest::newRow("11") << 11 << "oto/pipo.wav";
    QTest::newRow("13") << 13 << "oto/bubuu.wav";
    QTest::newRow("14") << 14 << "oto/pinpon.wav";
    QTest::newRow("16") << 16 << "oto/charararan.wav";
    QTest::newRow("19") << 19 << "oto/chararan.wav";
    QTest::newRow("20") << 20 << "oto/20.wav";
    QTest::newRow("0") << 0 << "";
    QTest::newRow("21") << 21 << "";
}

void ServicesTest::cueFileNames()
{
    QFETCH(int, cue);
    QFETCH(QString, file);
    QCOMPARE(CueFileName(cue), file);
}

void ServicesTest::blinkHidesOnceAndEndsShown()
{
    QWidget window;
    auto* label = new QLabel(&window);
    PromptBlinker blinker(label, 500, &window);
    window.show();

    blinker.start(QStringLiteral("「メニュー」を選んでね！"));
    QCOMPARE(label->text(), QStringLiteral("「メニュー」を選んでね！"));
    QVERIFY(blinker.timer()->isActive());
    QCOMPARE(blinker.timer()->interval(), 500);

    blinker.Timer2Timer(); // 1: hidden for 50 ms
    QVERIFY(label->isHidden());
    QCOMPARE(blinker.timer()->interval(), 50);
    blinker.Timer2Timer(); // 2: shown again for 500 ms
    QVERIFY(!label->isHidden());
    QCOMPARE(blinker.timer()->interval(), 500);
    blinker.Timer2Timer(); // 3: stopped, still shown
    QVERIFY(!blinker.timer()->isActive());
    QVERIFY(!label->isHidden());
}

void ServicesTest::blinkRestartedWhileRunning()
{
    QWidget window;
    auto* label = new QLabel(&window);
    PromptBlinker blinker(label, 1000, &window);
    window.show();

    blinker.start(QStringLiteral("a"));
    blinker.Timer2Timer();
    blinker.Timer2Timer();
    blinker.start(QStringLiteral("b"));
    QCOMPARE(blinker.count(), 0);
    QVERIFY(blinker.timer()->isActive());
    blinker.Timer2Timer();
    QVERIFY2(label->isHidden(), "a restarted blink hides the prompt once more");
    blinker.Timer2Timer();
    blinker.Timer2Timer();
    QVERIFY(!label->isHidden());
    QVERIFY(!blinker.timer()->isActive());
    QCOMPARE(label->text(), QStringLiteral("b"));
}

void ServicesTest::clockText_data()
{
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("text");
    QTest::newRow("half past midnight") << QDateTime(QDate(2026, 1, 2), QTime(0, 30)) << "01/02  12:30 AM";
    QTest::newRow("half past noon") << QDateTime(QDate(2026, 12, 31), QTime(12, 30)) << "12/31  12:30 PM";
    QTest::newRow("afternoon") << QDateTime(QDate(2026, 3, 7), QTime(15, 5, 59)) << "03/07  03:05 PM";
    QTest::newRow("morning") << QDateTime(QDate(2026, 10, 9), QTime(9, 41)) << "10/09  09:41 AM";
}

void ServicesTest::clockText()
{
    QFETCH(QDateTime, when);
    QFETCH(QString, text);
    QCOMPARE(ScreenClock::FormatClock(when), text);
}

void ServicesTest::confirmQuit_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("quits");
    QTest::newRow("はい") << "YesButton" << true;
    QTest::newRow("いいえ") << "NoButton" << false;
    QTest::newRow("Esc") << "Esc" << false;
    QTest::newRow("close box") << "Close" << true;
}

void ServicesTest::confirmQuit()
{
    QFETCH(QString, how);
    QFETCH(bool, quits);
    bool quitAsked = false;
    SetQuitAction([&quitAsked] { quitAsked = true; });

    QWidget window;
    window.show();
    QString text;
    if (how == QLatin1String("Esc"))
        EscapeNextBox(&text);
    else if (how == QLatin1String("Close"))
        CloseNextBox(&text);
    else
        AnswerNextBox(how, &text);
    ConfirmQuit(&window);

    QCOMPARE(text, QStringLiteral("終わっても いいの？"));
    QCOMPARE(quitAsked, quits);
}

void ServicesTest::pickListFiresOnlyOnChangedUserPick()
{
    QWidget window;
    window.resize(200, 300);
    auto* list = new PickList(&window, QStringLiteral("ComboBox5"), DigitItems(), QStringLiteral("一"),
                              QPoint(10, 10), {});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QList<int> picks;
    connect(list, &PickList::picked, this, [&picks](int index) { picks.append(index); });

    QCOMPARE(list->text(), QStringLiteral("一"));
    Pick(list, 7);
    QCOMPARE(picks, QList<int>{7});
    QCOMPARE(list->text(), QStringLiteral("７"));
    Pick(list, 7); // the same pick again changes nothing
    QCOMPARE(picks, QList<int>{7});
    list->setItemIndex(3); // from code: no signal
    QCOMPARE(picks, QList<int>{7});
    list->clearPick();
    QCOMPARE(list->itemIndex(), -1);
    QCOMPARE(list->text(), QStringLiteral("一"));
    Pick(list, 3);
    QCOMPARE(picks, (QList<int>{7, 3}));
}

QTEST_MAIN(ServicesTest)
#include "test_services.moc"
