// Tests of TForm9 driven through its widgets by objectName, as a child uses it.
#include "approx/approx_screen.h"
#include "contents_screen.h"
#include "cute_button.h"
#include "fake_sound_sink.h"
#include "pick_list.h"
#include "program.h"
#include "scripted_random.h"
#include "widget_driver.h"

#include <QPushButton>
#include <QTest>

namespace {
const QList<int> kSumDraws{3, 5, 4, 5, 6, 2, 1, 3, 1};   // 6457 + 3132, hundreds
const QList<int> kSameRoundingDraws{2, 5, 0, 4, 7, 3, 3}; // 451 - 448, tens

// The digit lists from ten-thousands down to ones.
const QStringList kPlaceLists{"ComboBox6", "ComboBox5", "ComboBox4", "ComboBox3", "ComboBox2"};

// Enters one number from its highest place down; the ones list, picked last,
// completes it.
void EnterNumber(TForm9& screen, int number)
{
    int weight = 10000;
    for (const QString& list : kPlaceLists) {
        if (number >= weight || weight == 1)
            Pick(&screen, list, number / weight % 10);
        weight /= 10;
    }
}

void StartProblem(TForm9& screen, int menuIndex)
{
    screen.FormCreate();
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    Pick(&screen, "ComboBox1", menuIndex);
    Click(&screen, "CuteButton3");
    Click(&screen, "CuteButton4");
}

QPushButton* Button(const TForm9& screen, const QString& name)
{
    return Find<QPushButton>(&screen, name);
}

int LabelTop(const TForm9& screen, const QString& name)
{
    return Find<QLabel>(&screen, name)->y();
}
} // namespace

class ApproxScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void registeredOnTheContentsScreen();
    void lessonsAndTheWayIntoTestMode();
    void sumWorkedExample();
    void onlyTheResultIsJudged_data();
    void onlyTheResultIsJudged();
};

void ApproxScreenTest::registeredOnTheContentsScreen()
{
    Program program;
    QVERIFY(program.screen("TForm9"));
    QVERIFY(program.contents()->topicButton(10)->isEnabled());
}

void ApproxScreenTest::lessonsAndTheWayIntoTestMode()
{
    FakeSoundSink sound;
    TForm9 screen;
    screen.FormCreate();
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));

    QCOMPARE(sound.last(), 12);
    QCOMPARE(screen.promptText(), QStringLiteral("「メニュー」を選んでね！"));
    QCOMPARE(Button(screen, "CuteButton3")->text(), QStringLiteral("べんきょう"));
    QVERIFY(!Button(screen, "CuteButton3")->isEnabled()); // no test before a sub-topic
    QVERIFY(Button(screen, "CuteButton4")->isVisible());
    QVERIFY(!Button(screen, "CuteButton4")->isEnabled());

    Pick(&screen, "ComboBox1", 1);
    QCOMPARE(screen.subTopic(), 2);
    QVERIFY(LabelText(&screen, "Label4").startsWith(QStringLiteral("6457 - 3132 の差を 百の位までの がい数で\n")));
    QVERIFY(LabelText(&screen, "Label4").endsWith(QStringLiteral("= 3400"))); // 6500 - 3100
    QVERIFY(Button(screen, "CuteButton3")->isEnabled());
    QCOMPARE(sound.last(), 12);

    Click(&screen, "CuteButton3");
    QCOMPARE(Button(screen, "CuteButton3")->text(), QStringLiteral("テスト"));
    QVERIFY(Button(screen, "CuteButton4")->isEnabled());
    QVERIFY(LabelText(&screen, "Label4").isEmpty());
    QCOMPARE(Find<PickList>(&screen, "ComboBox6")->text(), QStringLiteral("万"));
    QCOMPARE(screen.promptText(), QStringLiteral("「次へ」ボタンで進めてね！"));

    // Picks before the first "次へ" have no problem to answer and are taken back.
    Pick(&screen, "ComboBox4", 3);
    Pick(&screen, "ComboBox2", 5);
    QCOMPARE(Find<PickList>(&screen, "ComboBox4")->text(), QStringLiteral("百"));
    QCOMPARE(Find<PickList>(&screen, "ComboBox2")->text(), QStringLiteral("一"));
    QVERIFY(LabelText(&screen, "Label6").isEmpty());
    QCOMPARE(screen.promptText(), QStringLiteral("「次へ」ボタンで進めてね！"));

    Click(&screen, "CuteButton3");
    QCOMPARE(Button(screen, "CuteButton3")->text(), QStringLiteral("べんきょう"));
    QVERIFY(!Button(screen, "CuteButton4")->isEnabled());
    QVERIFY(Find<PickList>(&screen, "ComboBox2")->isHidden());
    QCOMPARE(screen.promptText(), QStringLiteral("「メニュー」を選んでね！"));

    // Showing again starts in study mode and keeps the sub-topic.
    Click(&screen, "CuteButton3");
    screen.close();
    screen.FormCreate();
    QCOMPARE(Button(screen, "CuteButton3")->text(), QStringLiteral("べんきょう"));
    QVERIFY(Button(screen, "CuteButton3")->isEnabled());
    QVERIFY(!Button(screen, "CuteButton4")->isEnabled());
    QVERIFY(Find<PickList>(&screen, "ComboBox2")->isHidden());
    QCOMPARE(screen.subTopic(), 2);
}

void ApproxScreenTest::sumWorkedExample()
{
    FakeSoundSink sound;
    ScriptedRandom random(kSumDraws);
    TForm9 screen;
    StartProblem(screen, 0);

    QCOMPARE(random.reseeds, 1);
    QCOMPARE(sound.last(), 11);
    QCOMPARE(LabelText(&screen, "Label4"), QStringLiteral("次の和を 百の位までの がい数で求める。"));
    QCOMPARE(LabelText(&screen, "Label5"), QStringLiteral("6457 + 3132 ≒ ?"));
    QCOMPARE(LabelTop(screen, "Label5"), 208);
    QCOMPARE(LabelTop(screen, "Label6"), 272);
    QCOMPARE(screen.promptText(), QStringLiteral("6457 の がい数を 大きい位から順に選んでね！"));
    QVERIFY(!Button(screen, "CuteButton4")->isEnabled());

    EnterNumber(screen, 6500);
    QCOMPARE(LabelText(&screen, "Label6"), QStringLiteral("6500 + ?"));
    QCOMPARE(screen.promptText(), QStringLiteral("3132 の がい数を 大きい位から順に選んでね！"));
    QCOMPARE(Find<PickList>(&screen, "ComboBox5")->text(), QStringLiteral("千")); // lists ready again
    QCOMPARE(sound.last(), 12);

    // The ones pick that completes a number plays cue 17, then cue 12.
    Pick(&screen, "ComboBox5", 3);
    Pick(&screen, "ComboBox4", 1);
    sound.clear();
    Pick(&screen, "ComboBox2", 0);
    QCOMPARE(sound.played, (QList<int>{17, 12}));
    QCOMPARE(LabelText(&screen, "Label6"), QStringLiteral("6500 + 3100 ="));
    QCOMPARE(screen.promptText(), QStringLiteral("２つのがい数の和を 大きい位から順に選んでね！"));
    QVERIFY(LabelText(&screen, "Label7").isEmpty());

    EnterNumber(screen, 9600);
    QCOMPARE(LabelText(&screen, "Label5"), QStringLiteral("6457 + 3132 ≒ 9600"));
    QCOMPARE(LabelText(&screen, "Label6"), QStringLiteral("6500 + 3100 = 9600"));
    QCOMPARE(LabelText(&screen, "Label7"), QStringLiteral("○"));
    QCOMPARE(sound.last(), 14);
    QVERIFY(Button(screen, "CuteButton4")->isEnabled());
    QCOMPARE(screen.promptText(), QStringLiteral("「次へ」ボタンで進めてね！"));

    // A further ones pick only blinks the prompt and plays cue 12.
    Pick(&screen, "ComboBox2", 4);
    QCOMPARE(sound.last(), 12);
    QCOMPARE(LabelText(&screen, "Label7"), QStringLiteral("○"));
    QCOMPARE(LabelText(&screen, "Label6"), QStringLiteral("6500 + 3100 = 9600"));

    // Back to study mode clears the problem and puts the labels back.
    Click(&screen, "CuteButton3");
    QVERIFY(LabelText(&screen, "Label5").isEmpty());
    QVERIFY(LabelText(&screen, "Label7").isEmpty());
    QCOMPARE(LabelTop(screen, "Label5"), 120);
    QCOMPARE(LabelTop(screen, "Label6"), 80);
}

void ApproxScreenTest::onlyTheResultIsJudged_data()
{
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<int>("menuIndex");
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QString>("working");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<int>("cue");

    QTest::newRow("wrong roundings, right result") << kSumDraws << 0 << QList<int>{6400, 3200, 9600}
                                                   << "6400 + 3200 = 9600" << "○" << 14;
    QTest::newRow("right roundings, wrong result") << kSumDraws << 0 << QList<int>{6500, 3100, 9500}
                                                   << "6500 + 3100 = 9500" << "×" << 13;
    QTest::newRow("difference 0 from the ones list") << kSameRoundingDraws << 1 << QList<int>{450, 450, 0}
                                                     << "450 - 450 = 0" << "○" << 14;
}

void ApproxScreenTest::onlyTheResultIsJudged()
{
    QFETCH(QList<int>, draws);
    QFETCH(int, menuIndex);
    QFETCH(QList<int>, numbers);
    QFETCH(QString, working);
    QFETCH(QString, mark);
    QFETCH(int, cue);

    FakeSoundSink sound;
    ScriptedRandom random(draws);
    TForm9 screen;
    StartProblem(screen, menuIndex);
    for (int number : numbers)
        EnterNumber(screen, number);
    QCOMPARE(LabelText(&screen, "Label6"), working);
    QCOMPARE(LabelText(&screen, "Label7"), mark);
    QCOMPARE(sound.last(), cue);
}

QTEST_MAIN(ApproxScreenTest)
#include "test_approx_screen.moc"
