// Tests of TForm17 driven through its widgets by objectName, as a child uses it.
#include "fraction_decimal/fraction_decimal_screen.h"
#include "contents_screen.h"
#include "cute_button.h"
#include "fake_sound_sink.h"
#include "modal_driver.h"
#include "pick_list.h"
#include "program.h"
#include "scripted_random.h"
#include "widget_driver.h"

#include <QFrame>
#include <QPushButton>
#include <QTest>

namespace {
QPushButton* Button(const TForm17& screen, const QString& name)
{
    return Find<QPushButton>(&screen, name);
}

void Show(TForm17& screen)
{
    screen.FormCreate();
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
}

// The fraction display in one line: Label5 | Label6 | Label7 | Label8 | Label9.
QString Fraction(const TForm17& screen)
{
    QStringList parts;
    for (const char* name : {"Label5", "Label6", "Label7", "Label8", "Label9"})
        parts << LabelText(&screen, QString::fromLatin1(name));
    return parts.join(QLatin1Char('|'));
}

// The headings of ComboBox10 .. ComboBox3, "-" for a hidden list.
QString Headings(const TForm17& screen)
{
    QString headings;
    for (int n = 10; n >= 3; --n) {
        auto* list = Find<PickList>(&screen, QStringLiteral("ComboBox%1").arg(n));
        headings += list->isVisible() ? list->text() : QStringLiteral("-");
    }
    return headings;
}
} // namespace

class FractionDecimalScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void registeredOnTheContentsScreen();
    void lessons_data();
    void lessons();
    void noTestForTheFirstSubTopic();
    void answerPaths_data();
    void answerPaths();
    void backToStudyMode();
};

void FractionDecimalScreenTest::registeredOnTheContentsScreen()
{
    Program program;
    QVERIFY(program.screen("TForm17"));
    QVERIFY(program.contents()->topicButton(18)->isEnabled());
}

void FractionDecimalScreenTest::lessons_data()
{
    QTest::addColumn<int>("menuIndex");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("fraction");
    QTest::newRow("わり算を分数に") << 0 << "整数どうしの わり算は、分数で表すことができるよ。\n" << "3 ÷ 5 = ||3|5|";
    QTest::newRow("分数を小数に") << 1 << "分数を小数で表すには、次のように 分数を \n" << "||3|5|= 3 ÷ 5 = 0.6";
    QTest::newRow("分数を小数のがい数に") << 2 << "分数を小数で表す時、わりきれなければ、\n"
                                          << "||2|3|= 2 ÷ 3 = 0.666‥ = 0.67";
    QTest::newRow("小数を分数に") << 3 << "小数を分数で表すには、たとえば 1.025 であれば、\n" << "1.025 = |1|25|1000|";
}

void FractionDecimalScreenTest::lessons()
{
    QFETCH(int, menuIndex);
    QFETCH(QString, start);
    QFETCH(QString, fraction);

    FakeSoundSink sound;
    TForm17 screen;
    Show(screen);
    QCOMPARE(sound.last(), 12);
    QCOMPARE(screen.promptText(), QStringLiteral("「メニュー」を選んでね！"));
    QVERIFY(!Button(screen, "CuteButton3")->isEnabled()); // no test before a sub-topic
    QVERIFY(!Button(screen, "CuteButton4")->isEnabled());
    QVERIFY(Find<QFrame>(&screen, "Shape1")->isHidden());

    Pick(&screen, "ComboBox1", menuIndex);
    QCOMPARE(screen.subTopic(), menuIndex + 1);
    QVERIFY(LabelText(&screen, "Label4").startsWith(start));
    QCOMPARE(Fraction(screen), fraction);
    QVERIFY(Find<QFrame>(&screen, "Shape1")->isVisible());
    QVERIFY(Button(screen, "CuteButton3")->isEnabled());
    QCOMPARE(sound.last(), 12);
}

void FractionDecimalScreenTest::noTestForTheFirstSubTopic()
{
    FakeSoundSink sound;
    TForm17 screen;
    Show(screen);
    Pick(&screen, "ComboBox1", 0);

    QString text;
    AnswerNextBox("OkButton", &text);
    Click(&screen, "CuteButton3");
    QCOMPARE(text, QStringLiteral("このメニューには テストはないよ！"));
    QCOMPARE(sound.last(), 17);
    QCOMPARE(Button(screen, "CuteButton3")->text(), QStringLiteral("べんきょう"));
    QVERIFY(!Button(screen, "CuteButton4")->isEnabled());
    QVERIFY(LabelText(&screen, "Label4").isEmpty()); // the lesson was cleared
    QVERIFY(Find<QFrame>(&screen, "Shape1")->isHidden());
}

void FractionDecimalScreenTest::answerPaths_data()
{
    QTest::addColumn<int>("menuIndex");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<int>("reseeds");
    QTest::addColumn<QString>("headings");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("picks"); // list=digit, in the order picked
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("solved");

    const QString decimal = QStringLiteral("-千百十一一二三");
    const QString fraction = QStringLiteral("整分・・母分・子");
    QTest::newRow("3/4 = 0.75") << 1 << QList<int>{4, 6, 4, 3} << 1 << decimal << "||3|4|= ?"
                                << "ComboBox5=7 ComboBox4=5" << true << "||3|4|= 0.75";
    QTest::newRow("5/4 = 1.25") << 1 << QList<int>{4, 11, 4, 3} << 1 << decimal << "||5|4|= ?"
                                << "ComboBox6=1 ComboBox5=2 ComboBox4=5" << true << "||5|4|= 1.25";
    QTest::newRow("2/3 ≈ 0.67") << 2 << QList<int>{1, 2} << 0 << decimal << "||2|3|= ?" << "ComboBox5=6 ComboBox4=7"
                                << true << "||2|3|= 0.67";
    QTest::newRow("2/3 ≈ 0.66 is wrong") << 2 << QList<int>{1, 2} << 0 << decimal << "||2|3|= ?"
                                         << "ComboBox5=6 ComboBox4=6" << false << "||2|3|= 0.67";
    QTest::newRow("2/3 ≈ 0.667 is wrong") << 2 << QList<int>{1, 2} << 0 << decimal << "||2|3|= ?"
                                          << "ComboBox5=6 ComboBox4=6 ComboBox3=7" << false << "||2|3|= 0.67";
    QTest::newRow("1.25 = 1 25/100") << 3 << QList<int>{3, 124} << 0 << fraction << "1.25  = |?|?|?|"
                                     << "ComboBox10=1 ComboBox8=1 ComboBox4=2 ComboBox3=5" << true
                                     << "1.25  = |1|25|100|";
    QTest::newRow("1.25 = 1 1/4 is wrong") << 3 << QList<int>{3, 124} << 0 << fraction << "1.25  = |?|?|?|"
                                           << "ComboBox10=1 ComboBox6=4 ComboBox3=1" << false << "1.25  = |1|25|100|";
    QTest::newRow("0.07 = 7/100") << 3 << QList<int>{3, 6} << 0 << fraction << "0.07  = |?|?|?|"
                                  << "ComboBox8=1 ComboBox3=7" << true << "0.07  = ||7|100|";
    QTest::newRow("only ◆") << 3 << QList<int>{3, 6} << 0 << fraction << "0.07  = |?|?|?|" << "" << false
                            << "0.07  = ||7|100|";
}

void FractionDecimalScreenTest::answerPaths()
{
    QFETCH(int, menuIndex);
    QFETCH(QList<int>, draws);
    QFETCH(int, reseeds);
    QFETCH(QString, headings);
    QFETCH(QString, question);
    QFETCH(QString, picks);
    QFETCH(bool, right);
    QFETCH(QString, solved);

    FakeSoundSink sound;
    ScriptedRandom random(draws);
    TForm17 screen;
    Show(screen);
    Pick(&screen, "ComboBox1", menuIndex);
    Click(&screen, "CuteButton3");
    QCOMPARE(Button(screen, "CuteButton3")->text(), QStringLiteral("テスト"));
    QVERIFY(LabelText(&screen, "Label4").isEmpty());
    QCOMPARE(screen.promptText(), QStringLiteral("「次へ」ボタンで進めてね！"));
    Click(&screen, "CuteButton4");

    QCOMPARE(random.reseeds, reseeds); // only the exact decimals reseed
    QCOMPARE(sound.last(), 12);
    QCOMPARE(Headings(screen), headings);
    QCOMPARE(LabelText(&screen, "Label11"), headings == QStringLiteral("-千百十一一二三")
                                                ? QStringLiteral("小\n数\n点")
                                                : QString());
    QCOMPARE(Fraction(screen), question);
    QVERIFY(Find<QFrame>(&screen, "Shape1")->isVisible());
    QVERIFY(Button(screen, "CuteButton4")->isEnabled());

    for (const QString& pick : picks.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        Pick(&screen, pick.section(QLatin1Char('='), 0, 0), pick.section(QLatin1Char('='), 1).toInt());
        QCOMPARE(sound.last(), 17);
    }
    const QString prompt = screen.promptText();
    Pick(&screen, "ComboBox2", 0);

    QCOMPARE(LabelText(&screen, "Label10"), right ? QStringLiteral("○") : QStringLiteral("×"));
    QCOMPARE(sound.last(), right ? 14 : 13);
    QCOMPARE(Fraction(screen), solved);
    QCOMPARE(screen.promptText(), prompt); // the prompt stays as it was

    // The next problem clears the verdict and the picks.
    Click(&screen, "CuteButton4");
    QVERIFY(LabelText(&screen, "Label10").isEmpty());
    QCOMPARE(Find<PickList>(&screen, "ComboBox2")->itemIndex(), -1);
    QCOMPARE(Headings(screen), headings);
}

void FractionDecimalScreenTest::backToStudyMode()
{
    FakeSoundSink sound;
    ScriptedRandom random({3, 124});
    TForm17 screen;
    Show(screen);
    Pick(&screen, "ComboBox1", 3);
    Click(&screen, "CuteButton3");
    Click(&screen, "CuteButton4");

    // The mode button leaves the problem and the lesson stays hidden.
    Click(&screen, "CuteButton3");
    QCOMPARE(Button(screen, "CuteButton3")->text(), QStringLiteral("べんきょう"));
    QVERIFY(!Button(screen, "CuteButton4")->isEnabled());
    QVERIFY(LabelText(&screen, "Label4").isEmpty());
    QVERIFY(Find<PickList>(&screen, "ComboBox2")->isHidden());
    QCOMPARE(screen.promptText(), QStringLiteral("「メニュー」を選んでね！"));

    // A menu pick in test mode goes back to study mode with the lesson.
    Click(&screen, "CuteButton3");
    Click(&screen, "CuteButton4");
    Pick(&screen, "ComboBox1", 1);
    QCOMPARE(Button(screen, "CuteButton3")->text(), QStringLiteral("べんきょう"));
    QVERIFY(!Button(screen, "CuteButton4")->isEnabled());
    QVERIFY(Find<PickList>(&screen, "ComboBox10")->isHidden());
    QCOMPARE(Fraction(screen), QStringLiteral("||3|5|= 3 ÷ 5 = 0.6"));

    // Showing the screen again keeps the sub-topic.
    screen.close();
    Show(screen);
    QCOMPARE(screen.subTopic(), 2);
    QVERIFY(LabelText(&screen, "Label4").isEmpty());
    QVERIFY(Button(screen, "CuteButton3")->isEnabled());
}

QTEST_MAIN(FractionDecimalScreenTest)
#include "test_fraction_decimal_screen.moc"
