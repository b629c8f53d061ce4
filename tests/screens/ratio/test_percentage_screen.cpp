// Tests of TForm15 driven through its widgets by objectName, as a child uses it.
#include "ratio/percentage_screen.h"
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
QPushButton* Button(const TForm15& screen, const QString& name)
{
    return Find<QPushButton>(&screen, name);
}

void Show(TForm15& screen)
{
    screen.FormCreate();
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
}
} // namespace

class PercentageScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void registeredOnTheContentsScreen();
    void lessonsAndModes();
    void answerPaths_data();
    void answerPaths();
    void showingAgainResetsButKeepsSubTopic();
};

void PercentageScreenTest::registeredOnTheContentsScreen()
{
    Program program;
    QVERIFY(program.screen("TForm15"));
    QVERIFY(program.contents()->topicButton(16)->isEnabled());
}

void PercentageScreenTest::lessonsAndModes()
{
    FakeSoundSink sound;
    TForm15 screen;
    Show(screen);

    QCOMPARE(sound.last(), 12);
    QCOMPARE(screen.promptText(), QStringLiteral("「メニュー」を選んでね！"));
    QCOMPARE(Find<PickList>(&screen, "ComboBox1")->text(), QStringLiteral("       メニュー"));
    QCOMPARE(Button(screen, "CuteButton3")->text(), QStringLiteral("べんきょう"));
    QVERIFY(!Button(screen, "CuteButton3")->isEnabled()); // no test before a sub-topic
    QVERIFY(!Button(screen, "CuteButton4")->isEnabled());
    QVERIFY(Find<PickList>(&screen, "ComboBox8")->isHidden());

    Pick(&screen, "ComboBox1", 1);
    QCOMPARE(screen.subTopic(), 2);
    QVERIFY(LabelText(&screen, "Label4").startsWith(QStringLiteral("割合を小数で求めるには、次の計算をすればいいよ。\n")));
    QVERIFY(LabelText(&screen, "Label4").endsWith(QStringLiteral("18 ÷ 40 x 100 = 45% ")));
    QVERIFY(Button(screen, "CuteButton3")->isEnabled());
    QVERIFY(!Button(screen, "CuteButton4")->isEnabled());
    QCOMPARE(sound.last(), 12);

    Click(&screen, "CuteButton3");
    QCOMPARE(Button(screen, "CuteButton3")->text(), QStringLiteral("テスト"));
    QVERIFY(LabelText(&screen, "Label4").isEmpty());
    QVERIFY(Button(screen, "CuteButton4")->isEnabled());
    QCOMPARE(screen.promptText(), QStringLiteral("「次へ」ボタンで進めてね！"));
    QCOMPARE(sound.last(), 12);

    // Back to study mode: "次へ" keeps its state, and a menu pick shows the
    // lesson in study mode again.
    Click(&screen, "CuteButton3");
    QCOMPARE(Button(screen, "CuteButton3")->text(), QStringLiteral("べんきょう"));
    QVERIFY(Button(screen, "CuteButton4")->isEnabled());
    QCOMPARE(screen.promptText(), QStringLiteral("「メニュー」を選んでね！"));
    Click(&screen, "CuteButton3");
    Pick(&screen, "ComboBox1", 2);
    QCOMPARE(Button(screen, "CuteButton3")->text(), QStringLiteral("べんきょう"));
    QVERIFY(LabelText(&screen, "Label4").startsWith(QStringLiteral("割合を求める式は、\n\n")));
    QVERIFY(LabelText(&screen, "Label4").endsWith(QStringLiteral("= 200    答え： 200 人")));
}

void PercentageScreenTest::answerPaths_data()
{
    QTest::addColumn<int>("menuIndex");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QString>("picks"); // list=digit, in the order picked
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("label4");
    QTest::addColumn<QString>("label6");

    const QList<int> decimal235{0, 6, 1, 3, 4};
    QTest::newRow("0.235 as 23.5 %") << 0 << decimal235 << "0.235   ⇒   ? %" << "ComboBox6=2 ComboBox5=3 ComboBox4=5" << true
                                     << "0.235   ⇒   23.5 %" << "";
    QTest::newRow("0.235 as 23.50 %") << 0 << decimal235 << "0.235   ⇒   ? %"
                                      << "ComboBox6=2 ComboBox5=3 ComboBox4=5 ComboBox3=0" << true
                                      << "0.235   ⇒   23.5 %" << "";
    QTest::newRow("0.235 as 2.35 %") << 0 << decimal235 << "0.235   ⇒   ? %" << "ComboBox5=2 ComboBox4=3 ComboBox3=5" << false
                                     << "0.235   ⇒   23.5 %" << "";
    QTest::newRow("35 % as 0.35") << 0 << QList<int>{5, 3, 2, 4, 0} << "35 %  ⇒  ? " << "ComboBox4=3 ComboBox3=5" << true
                                  << "35 %   ⇒   0.35" << "";
    QTest::newRow("1 of 250 people") << 1 << QList<int>{0, 3, 1, 4, 7} << "1 人は、250 人の ? %" << "ComboBox4=4"
                                     << true << "1 人は、250 人の ? %" << "　答え： 0.4 %";
    QTest::newRow("26 of 25 people") << 1 << QList<int>{6, 0, 3, 1, 4, 0} << "26 人は、25 人の ? %"
                                     << "ComboBox7=1 ComboBox6=0 ComboBox5=4" << true << "26 人は、25 人の ? %" << "　答え： 104 %";
    // k 0 asks for a compared amount: 20 % of 4.5 g, answered 9 g.
    QTest::newRow("4.5 g の 20 %, wrong") << 2 << QList<int>{0, 8, 0, 44, 19} << "4.5 g の 20 % は ? g"
                                          << "ComboBox5=9" << false << "4.5 g の 20 % は ? g" << "　答え： 0.9 g";
    // k 8 asks for a base amount: 0.6 g is 20 % of 3 g.
    QTest::newRow("0.6 g は 20 %") << 2 << QList<int>{8, 8, 0, 1, 5} << "0.6 g は、 ? g の 20 %" << "ComboBox5=3"
                                   << true << "0.6 g は、 ? g の 20 %" << "　答え： 3 g";
    QTest::newRow("only ◆") << 2 << QList<int>{8, 8, 0, 1, 5} << "0.6 g は、 ? g の 20 %" << "" << false
                            << "0.6 g は、 ? g の 20 %" << "　答え： 3 g";
}

void PercentageScreenTest::answerPaths()
{
    QFETCH(int, menuIndex);
    QFETCH(QList<int>, draws);
    QFETCH(QString, problem);
    QFETCH(QString, picks);
    QFETCH(bool, right);
    QFETCH(QString, label4);
    QFETCH(QString, label6);

    FakeSoundSink sound;
    ScriptedRandom random(draws);
    TForm15 screen;
    Show(screen);
    Pick(&screen, "ComboBox1", menuIndex);
    Click(&screen, "CuteButton3");
    Click(&screen, "CuteButton4");

    QCOMPARE(random.reseeds, 1);
    QCOMPARE(sound.last(), 11);
    QCOMPARE(LabelText(&screen, "Label4"), problem);
    QCOMPARE(LabelText(&screen, "Label9"), QStringLiteral("小\n数\n点"));
    QCOMPARE(Find<QLabel>(&screen, "Label9")->pos(), QPoint(810, 328));
    QCOMPARE(Find<PickList>(&screen, "ComboBox7")->text(), QStringLiteral("百"));
    QCOMPARE(Find<PickList>(&screen, "ComboBox2")->text(), QStringLiteral("三"));
    QVERIFY(Find<PickList>(&screen, "ComboBox8")->text().isEmpty());
    QVERIFY(!Button(screen, "CuteButton4")->isEnabled());
    QCOMPARE(screen.promptText(), QStringLiteral("答えは 大きい位から順に選んで、さいごに\n◆をクリックしてね！"));

    for (const QString& pick : picks.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        Pick(&screen, pick.section(QLatin1Char('='), 0, 0), pick.section(QLatin1Char('='), 1).toInt());
        QCOMPARE(sound.last(), 17);
    }
    Pick(&screen, "ComboBox8", 0);

    QCOMPARE(LabelText(&screen, "Label5"), right ? QStringLiteral("○") : QStringLiteral("×"));
    QCOMPARE(sound.last(), right ? 14 : 13);
    QCOMPARE(LabelText(&screen, "Label4"), label4);
    QCOMPARE(LabelText(&screen, "Label6"), label6);
    QVERIFY(Button(screen, "CuteButton4")->isEnabled());
    QCOMPARE(screen.promptText(), QStringLiteral("「次へ」ボタンで進めてね！"));

    // The next problem clears the verdict, the answer and the picks.
    Click(&screen, "CuteButton4");
    QVERIFY(LabelText(&screen, "Label5").isEmpty());
    QVERIFY(LabelText(&screen, "Label6").isEmpty());
    QCOMPARE(Find<PickList>(&screen, "ComboBox8")->itemIndex(), -1);
    QCOMPARE(Find<PickList>(&screen, "ComboBox5")->text(), QStringLiteral("一"));
}

void PercentageScreenTest::showingAgainResetsButKeepsSubTopic()
{
    FakeSoundSink sound;
    ScriptedRandom random({0, 3, 1, 4, 7});
    TForm15 screen;
    Show(screen);
    Pick(&screen, "ComboBox1", 1);
    Click(&screen, "CuteButton3");
    Click(&screen, "CuteButton4");
    screen.close();

    Show(screen);
    QCOMPARE(screen.subTopic(), 2);
    QCOMPARE(Find<PickList>(&screen, "ComboBox1")->text(), QStringLiteral("百分率の求め方"));
    QCOMPARE(Button(screen, "CuteButton3")->text(), QStringLiteral("べんきょう"));
    QVERIFY(Button(screen, "CuteButton3")->isEnabled());
    QVERIFY(!Button(screen, "CuteButton4")->isEnabled());
    QVERIFY(LabelText(&screen, "Label4").isEmpty());
    QVERIFY(Find<PickList>(&screen, "ComboBox8")->isHidden());
    QCOMPARE(sound.last(), 12);
}

QTEST_MAIN(PercentageScreenTest)
#include "test_percentage_screen.moc"
