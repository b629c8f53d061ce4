// Tests of TForm2 driven through its widgets by objectName, as a child uses it.
#include "decimals/place_value_screen.h"
#include "fake_sound_sink.h"
#include "pick_list.h"
#include "scripted_random.h"
#include "widget_driver.h"

#include <QPushButton>
#include <QTest>

namespace {
const QString kNextPrompt = QStringLiteral("「次へ」ボタンで進めてね！");
const QStringList kLists = {"ComboBox4", "ComboBox3", "ComboBox2", "ComboBox1"};

QString ModeCaption(const TForm2& screen)
{
    return Find<QPushButton>(&screen, "CuteButton3")->text();
}

// Shows the screen as the contents screen does, and switches to test mode.
void ShowInTestMode(TForm2& screen)
{
    screen.FormCreate();
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    Click(&screen, "CuteButton3");
}
} // namespace

class PlaceValueScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void studyModePagesThroughTwoLessons();
    void takingANumberApart();
    void puttingANumberTogether();
};

void PlaceValueScreenTest::studyModePagesThroughTwoLessons()
{
    FakeSoundSink sound;
    TForm2 screen;
    screen.FormCreate();
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QCOMPARE(sound.last(), 12);
    QCOMPARE(screen.promptText(), kNextPrompt);
    QCOMPARE(ModeCaption(screen), QStringLiteral("べんきょう"));
    QVERIFY(Find<QPushButton>(&screen, "CuteButton4")->isEnabled());
    for (const QString& list : kLists)
        QVERIFY(Find<PickList>(&screen, list)->isHidden());

    const QString page1Start = QStringLiteral("32.58 は、\n30 + 2 + 0.5 + 0.08 に 分けてみると、\n");
    const QString page2End = QStringLiteral("40 + 7 + 0.3 + 0.06 を計算すれば、\n47.36 に なるよ。");
    Click(&screen, "CuteButton4");
    QVERIFY(LabelText(&screen, "Label3").startsWith(page1Start));
    QVERIFY(LabelText(&screen, "Label3").endsWith(QStringLiteral("\n10 x 3 + 1 x 2 + 0.1 x 5 + 0.01 x 8")));
    QCOMPARE(sound.last(), 12);
    Click(&screen, "CuteButton4");
    QVERIFY(LabelText(&screen, "Label3").endsWith(page2End));
    Click(&screen, "CuteButton4"); // after the second page comes the first again
    QVERIFY(LabelText(&screen, "Label3").startsWith(page1Start));
    Click(&screen, "CuteButton4");
    QCOMPARE(screen.lessonPage(), 2);

    // Test mode and back starts the lesson again at page 1.
    Click(&screen, "CuteButton3");
    QCOMPARE(ModeCaption(screen), QStringLiteral("テスト"));
    QVERIFY(LabelText(&screen, "Label3").isEmpty());
    Click(&screen, "CuteButton3");
    Click(&screen, "CuteButton4");
    QVERIFY(LabelText(&screen, "Label3").startsWith(page1Start));
}

void PlaceValueScreenTest::takingANumberApart()
{
    FakeSoundSink sound;
    ScriptedRandom random({0, 3, 2, 5, 8}); // 32.58, decompose form
    TForm2 screen;
    ShowInTestMode(screen);
    Click(&screen, "CuteButton4");

    QCOMPARE(random.reseeds, 1);
    QCOMPARE(sound.last(), 12);
    QCOMPARE(LabelText(&screen, "Label3"), QStringLiteral("32.58 は、10、1、0.1、0.01 が\nそれぞれ いくつずつ？"));
    QCOMPARE(screen.promptText(), QStringLiteral("10、1、0.1、0.01 の数を じゅんに選んでね！"));
    const QStringList headings = {" 10", "  1", " 0.1", "0.01"};
    const QList<int> lefts = {726, 776, 825, 872};
    for (int i = 0; i < 4; ++i) {
        auto* list = Find<PickList>(&screen, kLists.at(i));
        QVERIFY(list->isVisible());
        QCOMPARE(list->text(), headings.at(i));
        QCOMPARE(list->x(), lefts.at(i));
    }
    QVERIFY(LabelText(&screen, "Label6").isEmpty());

    Pick(&screen, "ComboBox4", 3);
    QCOMPARE(sound.last(), 11);
    QCOMPARE(Find<PickList>(&screen, "ComboBox4")->text(), QStringLiteral("  ３"));
    Pick(&screen, "ComboBox3", 2);
    Pick(&screen, "ComboBox2", 5);
    QVERIFY(LabelText(&screen, "Label5").isEmpty());
    Pick(&screen, "ComboBox1", 8);
    QCOMPARE(LabelText(&screen, "Label5"), QStringLiteral("○"));
    QCOMPARE(sound.last(), 14);
    QCOMPARE(LabelText(&screen, "Label4"), QStringLiteral("10 が 3 コ\n1 が 2 コ\n0.1 が 5 コ\n0.01 が 8 コ"));
    QCOMPARE(screen.promptText(), kNextPrompt);

    // The lists stay: another hundredths digit judges again.
    Pick(&screen, "ComboBox1", 7);
    QCOMPARE(LabelText(&screen, "Label5"), QStringLiteral("×"));
    QCOMPARE(sound.last(), 13);
}

void PlaceValueScreenTest::puttingANumberTogether()
{
    FakeSoundSink sound;
    ScriptedRandom random({5, 0, 4, 0, 6}); // 4.06, compose form
    TForm2 screen;
    ShowInTestMode(screen);
    Click(&screen, "CuteButton4");

    QCOMPARE(LabelText(&screen, "Label3"), QStringLiteral("1 が 4 コ、0.01 が 6 コ、\n 集まった数は？"));
    QCOMPARE(screen.promptText(), QStringLiteral("大きい位から順に選んでね！"));
    const QStringList headings = {"  十", "  一", "第一", "第二"};
    const QList<int> lefts = {703, 753, 825, 872};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(Find<PickList>(&screen, kLists.at(i))->text(), headings.at(i));
        QCOMPARE(Find<PickList>(&screen, kLists.at(i))->x(), lefts.at(i));
    }
    QCOMPARE(LabelText(&screen, "Label6"), QStringLiteral("小\n数\n点"));

    // Only the hundredths: the other places count as 0, so 0.06 is wrong.
    Pick(&screen, "ComboBox1", 6);
    QCOMPARE(LabelText(&screen, "Label5"), QStringLiteral("×"));
    QCOMPARE(LabelText(&screen, "Label4"), QStringLiteral("4.06"));
    QCOMPARE(sound.last(), 13);

    Pick(&screen, "ComboBox3", 4);
    QCOMPARE(LabelText(&screen, "Label5"), QStringLiteral("×")); // the first three lists do not judge
    Pick(&screen, "ComboBox1", 5);
    Pick(&screen, "ComboBox1", 6);
    QCOMPARE(LabelText(&screen, "Label5"), QStringLiteral("○"));
    QCOMPARE(sound.last(), 14);

    // The next problem clears the verdict, the answer and the picks.
    Click(&screen, "CuteButton4");
    QVERIFY(LabelText(&screen, "Label5").isEmpty());
    QVERIFY(LabelText(&screen, "Label4").isEmpty());
    QCOMPARE(Find<PickList>(&screen, "ComboBox3")->itemIndex(), -1);
}

QTEST_MAIN(PlaceValueScreenTest)
#include "test_place_value_screen.moc"
