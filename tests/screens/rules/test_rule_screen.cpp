// Tests of TForm8 driven through its widgets by objectName, as a child uses it.
#include "contents_screen.h"
#include "cute_button.h"
#include "fake_sound_sink.h"
#include "pick_list.h"
#include "program.h"
#include "rules/rule_screen.h"
#include "scripted_random.h"
#include "widget_driver.h"

#include <QPushButton>
#include <QTest>

namespace {
const QList<int> kSumDraws{4, 2, 3, 2, 4, 0};     // 35 + 24 + 36 = ?
const QList<int> kNearHundredDraws{0, 0, 1, 2, 3}; // 98 x 23 = ?

// Enters one number: the hundreds and tens only where they are not 0, then
// the ones digit, which completes the number.
void EnterNumber(TForm8& screen, int number)
{
    if (number >= 100)
        Pick(&screen, "ComboBox4", number / 100);
    if (number >= 10)
        Pick(&screen, "ComboBox3", number / 10 % 10);
    Pick(&screen, "ComboBox2", number % 10);
}

// Shows the screen, picks a sub-topic, switches to test mode and asks for a
// problem.
void StartProblem(TForm8& screen, int menuIndex)
{
    screen.FormCreate();
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    Pick(&screen, "ComboBox1", menuIndex);
    Click(&screen, "CuteButton3");
    Click(&screen, "CuteButton4");
}

QPushButton* Button(const TForm8& screen, const QString& name)
{
    return Find<QPushButton>(&screen, name);
}
} // namespace

class RuleScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void registeredOnTheContentsScreen();
    void lessonsAndModes();
    void sumPairNamedInOrder_data();
    void sumPairNamedInOrder();
    void distributiveTakesThreeNumbers();
    void menuPickEndsTheProblem();
};

void RuleScreenTest::registeredOnTheContentsScreen()
{
    Program program;
    QVERIFY(program.screen("TForm8"));
    QVERIFY(program.contents()->topicButton(9)->isEnabled());
}

void RuleScreenTest::lessonsAndModes()
{
    FakeSoundSink sound;
    TForm8 screen;
    screen.FormCreate();
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));

    QCOMPARE(sound.last(), 12);
    QCOMPARE(screen.promptText(), QStringLiteral("「メニュー」を選んでね！"));
    QCOMPARE(Button(screen, "CuteButton3")->text(), QStringLiteral("べんきょう"));
    QVERIFY(!Button(screen, "CuteButton3")->isEnabled()); // no test before a sub-topic
    QVERIFY(Button(screen, "CuteButton4")->isHidden());
    QCOMPARE(Find<PickList>(&screen, "ComboBox1")->text(), QStringLiteral("          メニュー"));

    Pick(&screen, "ComboBox1", 2);
    QCOMPARE(screen.subTopic(), 3);
    QVERIFY(Find<QLabel>(&screen, "Label4")->isVisible());
    QVERIFY(LabelText(&screen, "Label4").startsWith(QStringLiteral("かけ算の式では、次のようなきまりがあるよ。\n\n")));
    QVERIFY(LabelText(&screen, "Label4").endsWith(QStringLiteral("= 2700 - 27")));
    QCOMPARE(sound.last(), 12);

    Click(&screen, "CuteButton3");
    QCOMPARE(Button(screen, "CuteButton3")->text(), QStringLiteral("テスト"));
    QVERIFY(Button(screen, "CuteButton4")->isVisible());
    QVERIFY(Find<QLabel>(&screen, "Label4")->isHidden());
    QVERIFY(Find<PickList>(&screen, "ComboBox2")->isHidden());
    QCOMPARE(screen.promptText(), QStringLiteral("「次へ」ボタンで進めてね！"));

    Click(&screen, "CuteButton3");
    QCOMPARE(Button(screen, "CuteButton3")->text(), QStringLiteral("べんきょう"));
    QVERIFY(Button(screen, "CuteButton4")->isHidden());
    QVERIFY(LabelText(&screen, "Label4").isEmpty()); // back only with a menu pick
    QCOMPARE(screen.promptText(), QStringLiteral("「メニュー」を選んでね！"));

    // Showing again keeps the sub-topic, so test mode stays offered.
    Click(&screen, "CuteButton3");
    screen.close();
    screen.FormCreate();
    QCOMPARE(screen.subTopic(), 3);
    QCOMPARE(Button(screen, "CuteButton3")->text(), QStringLiteral("べんきょう"));
    QVERIFY(Button(screen, "CuteButton3")->isEnabled());
    QVERIFY(Button(screen, "CuteButton4")->isHidden());
}

void RuleScreenTest::sumPairNamedInOrder_data()
{
    QTest::addColumn<int>("firstNumber");
    QTest::addColumn<int>("secondNumber");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<int>("cue");
    QTest::newRow("left member first") << 24 << 36 << "○" << 14;
    QTest::newRow("right member first") << 36 << 24 << "×" << 13;
    QTest::newRow("one digit and a wrong pair") << 5 << 35 << "×" << 13;
}

void RuleScreenTest::sumPairNamedInOrder()
{
    QFETCH(int, firstNumber);
    QFETCH(int, secondNumber);
    QFETCH(QString, mark);
    QFETCH(int, cue);

    FakeSoundSink sound;
    ScriptedRandom random(kSumDraws);
    TForm8 screen;
    StartProblem(screen, 0);

    QCOMPARE(random.reseeds, 1);
    QCOMPARE(sound.last(), 12);
    QCOMPARE(LabelText(&screen, "Label5"), QStringLiteral("35 + 24 + 36 = ?\n\n先に計算する２つの数は？"));
    QCOMPARE(screen.promptText(), QStringLiteral("左の方から１つめの数を選んでね！"));
    QCOMPARE(Find<PickList>(&screen, "ComboBox4")->text(), QStringLiteral("百"));

    EnterNumber(screen, firstNumber);
    QCOMPARE(sound.last(), 17);
    QCOMPARE(screen.promptText(), QStringLiteral("２つめの数を選んでね！"));
    QCOMPARE(Find<PickList>(&screen, "ComboBox2")->text(), QStringLiteral("一")); // lists ready for the next number
    QCOMPARE(Find<PickList>(&screen, "ComboBox3")->text(), QStringLiteral("十"));
    QVERIFY(LabelText(&screen, "Label6").isEmpty());

    EnterNumber(screen, secondNumber);
    QCOMPARE(LabelText(&screen, "Label6"), mark);
    QCOMPARE(sound.last(), cue);
    QCOMPARE(LabelText(&screen, "Label5"), QStringLiteral("35 + 24 + 36 = 35 + ( 24 + 36 )"));
    QCOMPARE(Find<PickList>(&screen, "ComboBox2")->itemIndex(), secondNumber % 10); // the last picks stay

    // A further ones pick changes nothing and plays nothing.
    const qsizetype cues = sound.played.size();
    Pick(&screen, "ComboBox2", (secondNumber + 1) % 10);
    QCOMPARE(LabelText(&screen, "Label6"), mark);
    QCOMPARE(LabelText(&screen, "Label5"), QStringLiteral("35 + 24 + 36 = 35 + ( 24 + 36 )"));
    QCOMPARE(sound.played.size(), cues);
}

void RuleScreenTest::distributiveTakesThreeNumbers()
{
    FakeSoundSink sound;
    ScriptedRandom random(kNearHundredDraws);
    TForm8 screen;
    StartProblem(screen, 2);

    QCOMPARE(random.reseeds, 0); // only the sum problems reseed
    QCOMPARE(LabelText(&screen, "Label5"),
             QStringLiteral("98 x 23 = ?\n\n□を (○ - △) の形にして計算する時、\n□、○、△の数は？"));
    QCOMPARE(screen.promptText(), QStringLiteral("□の数を選んでね！"));

    EnterNumber(screen, 98);
    QCOMPARE(screen.promptText(), QStringLiteral("○の数を選んでね！"));
    EnterNumber(screen, 100);
    QCOMPARE(screen.promptText(), QStringLiteral("△の数を選んでね！"));
    QVERIFY(LabelText(&screen, "Label6").isEmpty());
    EnterNumber(screen, 2); // the hundreds and tens of 100 do not carry over
    QCOMPARE(LabelText(&screen, "Label6"), QStringLiteral("○"));
    QCOMPARE(sound.last(), 14);
    QCOMPARE(LabelText(&screen, "Label5"), QStringLiteral("98 x 23 = ( 100 - 2 ) x 23"));
    QCOMPARE(screen.promptText(), QStringLiteral("「次へ」ボタンで進めてね！"));

    // "次へ" puts up a fresh problem with a clean entry: the problem's cue 17,
    // then cue 12.
    sound.clear();
    Click(&screen, "CuteButton4");
    QCOMPARE(sound.played, (QList<int>{17, 12}));
    QVERIFY(LabelText(&screen, "Label6").isEmpty());
    QCOMPARE(Find<PickList>(&screen, "ComboBox2")->itemIndex(), -1);
    EnterNumber(screen, 98);
    QCOMPARE(screen.promptText(), QStringLiteral("○の数を選んでね！"));
}

void RuleScreenTest::menuPickEndsTheProblem()
{
    FakeSoundSink sound;
    ScriptedRandom random(kSumDraws);
    TForm8 screen;
    StartProblem(screen, 0);
    EnterNumber(screen, 24);

    Pick(&screen, "ComboBox1", 1);
    QCOMPARE(screen.subTopic(), 2);
    QVERIFY(Find<QLabel>(&screen, "Label5")->isHidden());
    QVERIFY(Find<PickList>(&screen, "ComboBox2")->isHidden());
    QVERIFY(LabelText(&screen, "Label6").isEmpty());
    QVERIFY(LabelText(&screen, "Label4").startsWith(QStringLiteral("かけ算だけの式では、")));
    QCOMPARE(Button(screen, "CuteButton3")->text(), QStringLiteral("べんきょう"));
    QVERIFY(Button(screen, "CuteButton4")->isHidden());
    QCOMPARE(screen.promptText(), QStringLiteral("「メニュー」を選んでね！"));
}

QTEST_MAIN(RuleScreenTest)
#include "test_rule_screen.moc"
