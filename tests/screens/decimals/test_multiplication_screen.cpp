// Tests of TForm4 driven through its widgets by objectName, as a child uses it.
#include "decimals/multiplication_screen.h"
#include "fake_sound_sink.h"
#include "pick_list.h"
#include "scripted_random.h"
#include "widget_driver.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {
const QString kNextPrompt = QStringLiteral("「次へ」ボタンで進めてね！");
const QString kRowPrompt = QStringLiteral("赤い矢印のところの答えを選び、\n最後に「◆」を クリックしてね！");
const QString kPlacesPrompt = QStringLiteral("小数点の右の けた数を選んでね！");
const QList<int> k73Times12 = {6, 7, 2, 0, 1};  // sub-topic 1: 7.3 x 12
const QList<int> k03Times004 = {0, 0, 2, 0, 3}; // sub-topic 2: 0.3 x 0.04
const QStringList kPlaceLists = {"ComboBox6", "ComboBox5", "ComboBox4", "ComboBox3", "ComboBox2"};

bool Enabled(const TForm4& screen, const QString& name)
{
    return Find<QWidget>(&screen, name)->isEnabled();
}

bool Shown(const TForm4& screen, const QString& name)
{
    return Find<QWidget>(&screen, name)->isVisible();
}

QString Caption(const TForm4& screen, const QString& name)
{
    return Find<QPushButton>(&screen, name)->text();
}

// Shows the screen, picks the sub-topic and the mode, and puts up a problem.
void StartProblem(TForm4& screen, int subTopic, bool test)
{
    screen.FormCreate();
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    Pick(&screen, "ComboBox1", subTopic - 1);
    if (test)
        Click(&screen, "CuteButton3");
    Click(&screen, "CuteButton4");
}

// Enters a row of the written multiplication: its digits, then "◆".
void EnterRow(TForm4& screen, int row)
{
    for (int i = kPlaceLists.size() - 1; i >= 0 && row > 0; --i, row /= 10) {
        if (row % 10 != 0)
            Pick(&screen, kPlaceLists.at(i), row % 10);
    }
    Pick(&screen, "ComboBox7", 0);
}

int ArrowTop(const TForm4& screen)
{
    return Find<QWidget>(&screen, "Image2")->y();
}
} // namespace

class MultiplicationScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void nothingToPractiseBeforeTheMenu();
    void walkthroughStepByStep_data();
    void walkthroughStepByStep();
    void oneDigitMultiplierHasThreeSteps();
    void testRowsThenThePoint();
    void testOneRowForAOneDigitMultiplier();
    void keyPointMemo();
};

void MultiplicationScreenTest::nothingToPractiseBeforeTheMenu()
{
    FakeSoundSink sound;
    TForm4 screen;
    screen.FormCreate();
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QCOMPARE(sound.last(), 12);
    QCOMPARE(screen.promptText(), QStringLiteral("「メニュー」を選んでね！"));
    QVERIFY(!Enabled(screen, "CuteButton4"));
    QVERIFY(!Enabled(screen, "CuteButton5"));
    QVERIFY(!Enabled(screen, "CuteButton3")); // no test mode without a sub-topic
    QCOMPARE(Caption(screen, "CuteButton5"), QStringLiteral("ステップ１"));

    Pick(&screen, "ComboBox1", 1);
    QCOMPARE(screen.subTopic(), 2);
    QVERIFY(Enabled(screen, "CuteButton4"));
    QVERIFY(Enabled(screen, "CuteButton3"));
    QVERIFY(!Enabled(screen, "CuteButton5"));
    QCOMPARE(screen.promptText(), kNextPrompt);

    // Shown again: study mode, the sub-topic and the menu's choice still stand.
    Click(&screen, "CuteButton3");
    screen.close();
    screen.FormCreate();
    QCOMPARE(Caption(screen, "CuteButton3"), QStringLiteral("べんきょう"));
    QCOMPARE(Find<PickList>(&screen, "ComboBox1")->text(), QStringLiteral("小数 x 小数"));
    QVERIFY(Enabled(screen, "CuteButton4"));
    QVERIFY(Enabled(screen, "CuteButton3"));
}

void MultiplicationScreenTest::walkthroughStepByStep_data()
{
    QTest::addColumn<int>("steps");
    QTest::addColumn<QStringList>("rows"); // Label5, Label6, Label7, Label8, Label9
    QTest::addColumn<QString>("stepText");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("secondLine");

    QTest::newRow("1: the problem in columns")
        << 1 << QStringList{"7.3", "12", "", "", ""} << "【ステップ１】\n\n　もんだいを 右図のように書く。"
        << "ステップ２" << false;
    QTest::newRow("2: times the ones digit")
        << 2 << QStringList{"7.3", "12", "146", "", ""}
        << "【ステップ２】\n\n　かけられる数に かける数の一の位\n　の数を かけた数を 線の下に書く。 " << "ステップ３" << false;
    QTest::newRow("3: times the tens digit")
        << 3 << QStringList{"7.3", "12", "146", "73", ""}
        << "【ステップ３】\n\n　かけられる数に かける数の十の位\n　の数を かけた数を その下に書き、\n　その下に線をひく。 " << "ステップ４"
        << true;
    QTest::newRow("4: the sum") << 4 << QStringList{"7.3", "12", "146", "73", "876"}
                                << "【ステップ４】\n\n　線の上の２行の数を たして 線の下に\n　書く。 " << "ステップ５" << true;
    QTest::newRow("5: the point") << 5 << QStringList{"7.3", "12", "146", "73", "87.6"}
                                  << "【ステップ５】\n\n　かけられる数と かける数の 小数点\n　の右の けた数を たした けた数に\n"
                                     "　なるように 小数点をうつ。終わり。 "
                                  << "ステップ１" << true;
}

void MultiplicationScreenTest::walkthroughStepByStep()
{
    QFETCH(int, steps);
    QFETCH(QStringList, rows);
    QFETCH(QString, stepText);
    QFETCH(QString, caption);
    QFETCH(bool, secondLine);

    FakeSoundSink sound;
    ScriptedRandom random(k73Times12);
    TForm4 screen;
    StartProblem(screen, 1, false);
    QCOMPARE(LabelText(&screen, "Label4"), QStringLiteral("7.3 x 12 = ?"));
    QCOMPARE(sound.last(), 11);
    QVERIFY(!Enabled(screen, "CuteButton4"));
    QCOMPARE(screen.promptText(), QStringLiteral("「ステップ」ボタンで進めてね！"));

    for (int i = 0; i < steps; ++i)
        Click(&screen, "CuteButton5");
    const QStringList labels = {"Label5", "Label6", "Label7", "Label8", "Label9"};
    for (int i = 0; i < labels.size(); ++i)
        QCOMPARE(LabelText(&screen, labels.at(i)), rows.at(i));
    QCOMPARE(LabelText(&screen, "Label10"), QStringLiteral("x"));
    QVERIFY(Shown(screen, "Shape1"));
    QCOMPARE(Shown(screen, "Shape2"), secondLine);
    QCOMPARE(LabelText(&screen, "Label11"), stepText);
    QCOMPARE(Caption(screen, "CuteButton5"), caption);

    const bool over = steps == 5;
    QCOMPARE(Enabled(screen, "CuteButton4"), over);
    QCOMPARE(Enabled(screen, "CuteButton5"), !over);
    QCOMPARE(sound.last(), over ? 12 : 17);
    QCOMPARE(screen.promptText(), over ? kNextPrompt : QStringLiteral("「ステップ」ボタンで進めてね！"));
}

void MultiplicationScreenTest::oneDigitMultiplierHasThreeSteps()
{
    FakeSoundSink sound;
    ScriptedRandom random(k03Times004);
    TForm4 screen;
    StartProblem(screen, 2, false);
    QCOMPARE(LabelText(&screen, "Label4"), QStringLiteral("0.3 x 0.04 = ?"));
    Click(&screen, "CuteButton5");
    Click(&screen, "CuteButton5");
    QCOMPARE(LabelText(&screen, "Label7"), QStringLiteral("12"));
    Click(&screen, "CuteButton5");
    QCOMPARE(LabelText(&screen, "Label7"), QStringLiteral("0.012"));
    QVERIFY(LabelText(&screen, "Label8").isEmpty());
    QVERIFY(!Shown(screen, "Shape2"));
    QVERIFY(LabelText(&screen, "Label11").startsWith(QStringLiteral("【ステップ３】\n\n　かけられる数と かける数の 小数点")));
    QCOMPARE(Caption(screen, "CuteButton5"), QStringLiteral("ステップ１"));
    QVERIFY(!Enabled(screen, "CuteButton5"));
    QVERIFY(Enabled(screen, "CuteButton4"));
    QCOMPARE(sound.last(), 12);
}

void MultiplicationScreenTest::testRowsThenThePoint()
{
    FakeSoundSink sound;
    ScriptedRandom random(k73Times12);
    TForm4 screen;
    StartProblem(screen, 1, true);
    QCOMPARE(random.reseeds, 1);
    QCOMPARE(LabelText(&screen, "Label5"), QStringLiteral("7.3"));
    QCOMPARE(LabelText(&screen, "Label6"), QStringLiteral("12"));
    QCOMPARE(LabelText(&screen, "Label10"), QStringLiteral("x"));
    QVERIFY(Shown(screen, "Shape1"));
    QVERIFY(Shown(screen, "Image2"));
    QCOMPARE(ArrowTop(screen), 294);
    QVERIFY(!Enabled(screen, "CuteButton4"));
    QVERIFY(!Enabled(screen, "CuteButton5"));
    QCOMPARE(screen.promptText(), kRowPrompt);
    QCOMPARE(Find<PickList>(&screen, "ComboBox6")->text(), QStringLiteral("万"));

    EnterRow(screen, 146);
    QCOMPARE(sound.last(), 17);
    QCOMPARE(LabelText(&screen, "Label7"), QStringLiteral("146"));
    QCOMPARE(ArrowTop(screen), 328);
    QCOMPARE(Find<PickList>(&screen, "ComboBox2")->itemIndex(), -1); // the lists are fresh for the next row

    EnterRow(screen, 75); // a wrong row is written as it was entered
    QCOMPARE(LabelText(&screen, "Label8"), QStringLiteral("75"));
    QCOMPARE(ArrowTop(screen), 370);
    QVERIFY(Shown(screen, "Shape2"));
    QCOMPARE(screen.promptText(), kRowPrompt);

    EnterRow(screen, 876);
    QCOMPARE(LabelText(&screen, "Label9"), QStringLiteral("876"));
    QCOMPARE(screen.answerStage(), TForm4::kPlacesStage);
    QCOMPARE(screen.promptText(), kPlacesPrompt);
    for (const char* name : {"ComboBox6", "ComboBox5", "ComboBox4", "ComboBox3", "ComboBox7"})
        QVERIFY(!Shown(screen, name));
    QCOMPARE(Find<PickList>(&screen, "ComboBox2")->text(), QStringLiteral("小"));

    // 876 with two places is 8.76, not the product 87.6.
    Pick(&screen, "ComboBox2", 2);
    QCOMPARE(LabelText(&screen, "Label9"), QStringLiteral("8.76"));
    QCOMPARE(LabelText(&screen, "Label12"), QStringLiteral("×"));
    QCOMPARE(sound.last(), 13);
    QCOMPARE(LabelText(&screen, "Label4"), QStringLiteral("7.3 x 12 = 87.6"));
    QVERIFY(Enabled(screen, "CuteButton4"));
    QCOMPARE(screen.promptText(), kNextPrompt);

    // Picking the places again judges again; the problem line stays as it is.
    Pick(&screen, "ComboBox2", 1);
    QCOMPARE(LabelText(&screen, "Label9"), QStringLiteral("87.6"));
    QCOMPARE(LabelText(&screen, "Label12"), QStringLiteral("○"));
    QCOMPARE(sound.last(), 14);
    QCOMPARE(LabelText(&screen, "Label4"), QStringLiteral("7.3 x 12 = 87.6"));
    Pick(&screen, "ComboBox2", 9); // nine places still writes the child's number
    QCOMPARE(LabelText(&screen, "Label9"), QStringLiteral("0.000000876"));
    QCOMPARE(LabelText(&screen, "Label12"), QStringLiteral("×"));

    // The next problem clears the board.
    Click(&screen, "CuteButton4");
    for (const char* label : {"Label7", "Label8", "Label9", "Label12"})
        QVERIFY(LabelText(&screen, label).isEmpty());
    QCOMPARE(ArrowTop(screen), 294);
    QCOMPARE(screen.answerStage(), 0);
    QCOMPARE(Find<PickList>(&screen, "ComboBox2")->text(), QStringLiteral("一"));
}

void MultiplicationScreenTest::testOneRowForAOneDigitMultiplier()
{
    FakeSoundSink sound;
    ScriptedRandom random(k03Times004);
    TForm4 screen;
    StartProblem(screen, 2, true);
    QCOMPARE(LabelText(&screen, "Label6"), QStringLiteral("0.04"));
    EnterRow(screen, 12);
    QCOMPARE(screen.answerStage(), TForm4::kPlacesStage);
    QCOMPARE(screen.promptText(), kPlacesPrompt);
    QVERIFY(!Shown(screen, "Shape2"));

    Pick(&screen, "ComboBox2", 3);
    QCOMPARE(LabelText(&screen, "Label7"), QStringLiteral("0.012"));
    QCOMPARE(LabelText(&screen, "Label12"), QStringLiteral("○"));
    QCOMPARE(LabelText(&screen, "Label4"), QStringLiteral("0.3 x 0.04 = 0.012"));
    Pick(&screen, "ComboBox2", 0); // no point: the whole number as entered
    QCOMPARE(LabelText(&screen, "Label7"), QStringLiteral("12"));
    QCOMPARE(LabelText(&screen, "Label12"), QStringLiteral("×"));
}

void MultiplicationScreenTest::keyPointMemo()
{
    FakeSoundSink sound;
    TForm4 screen;
    screen.FormCreate();
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto* memo = Find<QPlainTextEdit>(&screen, "Memo1");
    QVERIFY(memo->isHidden());
    const QStringList lines = memo->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 29);
    QCOMPARE(lines.at(1), QStringLiteral("　【小数のかけ算のポイント】"));
    QCOMPARE(lines.at(25), QStringLiteral("　　　0.04 x 0.3 =  12 x 0.001 = 0.012　（小数点の右は３けた）"));
    QCOMPARE(lines.at(28), QStringLiteral("　　かけ算でも 同じようにすればいいよ。"));

    Click(&screen, "CuteButton6");
    QVERIFY(memo->isVisible());
    QCOMPARE(memo->y(), 128);
    QCOMPARE(screen.promptText(), QStringLiteral("もう一度「ポイント」ボタンを おせば 消えるよ！"));
    QCOMPARE(sound.last(), 15);
    Click(&screen, "CuteButton6");
    QVERIFY(memo->isHidden());
    QCOMPARE(screen.promptText(), QStringLiteral("「メニュー」を選んでね！"));
    QCOMPARE(sound.last(), 11);

    // Left open when the screen closes, it is hidden when shown again, so the
    // first press shows it.
    Click(&screen, "CuteButton6");
    screen.FormCreate();
    QVERIFY(memo->isHidden());
    Click(&screen, "CuteButton6");
    QVERIFY(memo->isVisible());
}

QTEST_MAIN(MultiplicationScreenTest)
#include "test_multiplication_screen.moc"
