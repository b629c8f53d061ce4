// Tests of TForm3 driven through its widgets by objectName, as a child uses it.
#include "decimals/ten_times_screen.h"
#include "fake_sound_sink.h"
#include "pick_list.h"
#include "scripted_random.h"
#include "widget_driver.h"

#include <QPushButton>
#include <QTest>

namespace {
// The answer lists from hundreds down to thousandths.
const QStringList kPlaceLists = {"ComboBox7", "ComboBox6", "ComboBox5", "ComboBox4", "ComboBox3", "ComboBox2"};

// Picks the digits of a scaled answer (thousandths) into the six lists.
void PickAnswer(TForm3& screen, qint64 thousandths)
{
    for (int i = kPlaceLists.size() - 1; i >= 0; --i) {
        Pick(&screen, kPlaceLists.at(i), int(thousandths % 10));
        thousandths /= 10;
    }
}

bool Enabled(const TForm3& screen, const QString& name)
{
    auto* widget = Find<QWidget>(&screen, name);
    return widget && widget->isEnabled();
}
} // namespace

class TenTimesScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void menuShowsLessonAndNextWaitsForSubTopic();
    void rightAnswerIsChimedAndShown();
    void wrongAnswerIsBuzzed();
    void diamondAloneIsRightForZero();
    void showingAgainResetsButKeepsSubTopic();
};

void TenTimesScreenTest::menuShowsLessonAndNextWaitsForSubTopic()
{
    FakeSoundSink sound;
    TForm3 screen;
    screen.FormCreate();
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));

    QCOMPARE(sound.last(), 12);
    QCOMPARE(screen.promptText(), QStringLiteral("「メニュー」を選んでね！"));
    // Before a sub-topic is chosen there is nothing to answer.
    QVERIFY(!Enabled(screen, "CuteButton4"));
    QVERIFY(!Enabled(screen, "CuteButton3"));

    Pick(&screen, "ComboBox1", 1);
    QCOMPARE(screen.subTopic(), 2);
    QVERIFY(LabelText(&screen, "Label4").startsWith(QStringLiteral("数の 1/10 は、数を 10 で わることで、\n")));
    QVERIFY(LabelText(&screen, "Label4").endsWith(QStringLiteral("23.1 の 1/100は 0.231")));
    QCOMPARE(Find<QPushButton>(&screen, "CuteButton3")->text(), QStringLiteral("べんきょう"));
    QVERIFY(Enabled(screen, "CuteButton3"));
    QVERIFY(!Enabled(screen, "CuteButton4"));
    QCOMPARE(sound.last(), 12);

    Click(&screen, "CuteButton3");
    QVERIFY(Enabled(screen, "CuteButton4"));
    QVERIFY(LabelText(&screen, "Label4").isEmpty());
    QCOMPARE(screen.promptText(), QStringLiteral("「次へ」ボタンで進めてね！"));
}

void TenTimesScreenTest::rightAnswerIsChimedAndShown()
{
    FakeSoundSink sound;
    ScriptedRandom random({0, 3, 1, 4, 3, 4}); // 2.35 の 10倍は？
    TForm3 screen;
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    Pick(&screen, "ComboBox1", 0);
    Click(&screen, "CuteButton3");
    Click(&screen, "CuteButton4");

    QCOMPARE(random.reseeds, 1);
    QCOMPARE(sound.last(), 11);
    QCOMPARE(LabelText(&screen, "Label4"), QStringLiteral("2.35 の 10倍は？"));
    QCOMPARE(LabelText(&screen, "Label7"), QStringLiteral("小\n数\n点"));
    QCOMPARE(Find<PickList>(&screen, "ComboBox7")->text(), QStringLiteral("百"));
    QCOMPARE(Find<PickList>(&screen, "ComboBox2")->text(), QStringLiteral("三"));
    QVERIFY(!Enabled(screen, "CuteButton4"));

    Pick(&screen, "ComboBox6", 2);
    QCOMPARE(sound.last(), 17);
    Pick(&screen, "ComboBox5", 3);
    Pick(&screen, "ComboBox4", 5);
    Pick(&screen, "ComboBox8", 0);

    QCOMPARE(LabelText(&screen, "Label6"), QStringLiteral("○"));
    QCOMPARE(LabelText(&screen, "Label5"), QStringLiteral("23.5"));
    QCOMPARE(sound.last(), 14);
    QVERIFY(Enabled(screen, "CuteButton4"));
    QCOMPARE(screen.promptText(), QStringLiteral("「次へ」ボタンで進めてね！"));
}

void TenTimesScreenTest::wrongAnswerIsBuzzed()
{
    FakeSoundSink sound;
    ScriptedRandom random({0, 4, 5, 0}); // 4 の 1/100 は？ (0.04)
    TForm3 screen;
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    Pick(&screen, "ComboBox1", 1);
    Click(&screen, "CuteButton3");
    Click(&screen, "CuteButton4");
    QCOMPARE(LabelText(&screen, "Label4"), QStringLiteral("4 の 1/100 は？"));

    PickAnswer(screen, 400); // 0.4: the point moved only one place
    Pick(&screen, "ComboBox8", 0);
    QCOMPARE(LabelText(&screen, "Label6"), QStringLiteral("×"));
    QCOMPARE(LabelText(&screen, "Label5"), QStringLiteral("0.04"));
    QCOMPARE(sound.last(), 13);

    Click(&screen, "CuteButton4"); // the next problem clears the verdict
    QVERIFY(LabelText(&screen, "Label6").isEmpty());
    QVERIFY(LabelText(&screen, "Label5").isEmpty());
    QCOMPARE(Find<PickList>(&screen, "ComboBox8")->itemIndex(), -1);
}

void TenTimesScreenTest::diamondAloneIsRightForZero()
{
    FakeSoundSink sound;
    ScriptedRandom random({0, 0, 0, 0}); // 0 の 1/10 は？
    TForm3 screen;
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    Pick(&screen, "ComboBox1", 1);
    Click(&screen, "CuteButton3");
    Click(&screen, "CuteButton4");
    QCOMPARE(LabelText(&screen, "Label4"), QStringLiteral("0 の 1/10 は？"));
    Pick(&screen, "ComboBox8", 0);
    QCOMPARE(LabelText(&screen, "Label6"), QStringLiteral("○"));
    QCOMPARE(LabelText(&screen, "Label5"), QStringLiteral("0.0"));
    QCOMPARE(sound.last(), 14);
}

void TenTimesScreenTest::showingAgainResetsButKeepsSubTopic()
{
    FakeSoundSink sound;
    ScriptedRandom random({0, 3, 1, 4, 3, 4});
    TForm3 screen;
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    Pick(&screen, "ComboBox1", 0);
    Click(&screen, "CuteButton3");
    Click(&screen, "CuteButton4");
    screen.close();

    screen.FormCreate();
    QCOMPARE(screen.subTopic(), 1);
    QCOMPARE(Find<QPushButton>(&screen, "CuteButton3")->text(), QStringLiteral("べんきょう"));
    QVERIFY(LabelText(&screen, "Label4").isEmpty());
    QVERIFY(Find<PickList>(&screen, "ComboBox8")->isHidden());
    QVERIFY(Enabled(screen, "CuteButton4"));
    QCOMPARE(Find<PickList>(&screen, "ComboBox1")->text(), QStringLiteral("10倍、100倍など"));
}

QTEST_MAIN(TenTimesScreenTest)
#include "test_ten_times_screen.moc"
