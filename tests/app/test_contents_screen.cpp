// Tests of the start-up and the contents screen TForm1: its chapters and
// buttons, the start-up chime, the Help menu, and opening a topic screen.
#include "contents_screen.h"
#include "cute_button.h"
#include "fake_sound_sink.h"
#include "help_window.h"
#include "message_boxes.h"
#include "modal_driver.h"
#include "program.h"
#include "program_folder.h"
#include "topic_screen.h"
#include "widget_driver.h"

#include <QAction>
#include <QDir>
#include <QFontInfo>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>

class ContentsScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void chaptersAndButtons_data();
    void chaptersAndButtons();
    void roundedJapaneseFaceIsUsed();
    void soundComesOnOneSecondAfterStart();
    void topicButtonOpensScreenAndBackReturns_data();
    void topicButtonOpensScreenAndBackReturns();
    void versionBox();
    void helpOpensAtContents();
    void missingHelpFileIsToldAndProgramGoesOn();
    void quitAsksFirst();
    void dataIsFoundBesideTheProgramFromAnyFolder();
};

void ContentsScreenTest::init()
{
    UseBuiltData();
}

void ContentsScreenTest::chaptersAndButtons_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<bool>("drill");
    QTest::newRow("3") << 3 << "小数のしくみ" << QPoint(234, 100) << false;
    QTest::newRow("4") << 4 << "10倍、1/10など" << QPoint(234, 138) << false;
    QTest::newRow("6") << 6 << "かけ算のドリル" << QPoint(234, 214) << true;
    QTest::newRow("8") << 8 << "わり算のドリル" << QPoint(234, 290) << true;
    QTest::newRow("9") << 9 << "きまりとくふう" << QPoint(234, 344) << false;
    QTest::newRow("13") << 13 << "円の長さと面積" << QPoint(234, 528) << false;
    QTest::newRow("14") << 14 << "たし算とひき算" << QPoint(666, 100) << false;
    QTest::newRow("15") << 15 << "ドリル" << QPoint(666, 138) << true;
    QTest::newRow("17") << 17 << "ドリル" << QPoint(666, 230) << true;
    QTest::newRow("18") << 18 << "わり算と分数と小数" << QPoint(666, 284) << false;
}

void ContentsScreenTest::chaptersAndButtons()
{
    QFETCH(int, button);
    QFETCH(QString, caption);
    QFETCH(QPoint, place);
    QFETCH(bool, drill);
    Program program;
    TForm1* contents = program.contents();
    QCOMPARE(contents->objectName(), QStringLiteral("TForm1"));
    QCOMPARE(contents->size(), QSize(955, 716));
    QCOMPARE(LabelText(contents, "Label4"), QStringLiteral("もくじ"));
    QCOMPARE(LabelText(contents, "Label6"), QStringLiteral("１．小数"));
    QCOMPARE(LabelText(contents, "Label12"), QStringLiteral("７．分数と小数"));

    CuteButton* b = contents->topicButton(button);
    QVERIFY(b);
    QCOMPARE(b->objectName(), QStringLiteral("CuteButton%1").arg(button));
    QCOMPARE(b->text(), caption);
    QCOMPARE(b->geometry(), QRect(place, QSize(215, 30)));
    QCOMPARE(b->faceColor(), drill ? QColor(166, 202, 240) : QColor(189, 232, 215));
    // A button is usable exactly when its screen exists.
    const QString screenName = QStringLiteral("TForm%1").arg(button == 15 ? 14 : button == 14 ? 13 : button - 1);
    QCOMPARE(b->isEnabled(), program.screen(screenName) != nullptr);
    QVERIFY(program.screen(QStringLiteral("TForm3")));
    QVERIFY(contents->topicButton(4)->isEnabled());
}

void ContentsScreenTest::roundedJapaneseFaceIsUsed()
{
    Program program;
    auto* title = Find<QLabel>(program.contents(), "Label4");
    QVERIFY(title);
    const QFontInfo used(title->font());
    // Without the rounded face every Japanese glyph would fall back or show as a box.
    QCOMPARE(used.family(), QStringLiteral("MotoyaLMaru"));
    QCOMPARE(used.pixelSize(), 27);
}

void ContentsScreenTest::soundComesOnOneSecondAfterStart()
{
    FakeSoundSink sound(false);
    Program program; // hidden screens reset themselves now and ask for cues
    QVERIFY(!SoundEnabled());
    QVERIFY(sound.played.isEmpty());
    QTimer* timer3 = program.contents()->soundTimer();
    QVERIFY(timer3->isActive());
    QCOMPARE(timer3->interval(), 1000);
    QCOMPARE(program.contents()->promptText(), QStringLiteral("「ボタン」を選んで はじめてね！"));

    program.contents()->Timer3Timer();
    QVERIFY(SoundEnabled());
    QCOMPARE(sound.played, QList<int>{16});
    QVERIFY(!timer3->isActive());
}

void ContentsScreenTest::topicButtonOpensScreenAndBackReturns_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("もくじへ") << false;
    QTest::newRow("close box") << true;
}

void ContentsScreenTest::topicButtonOpensScreenAndBackReturns()
{
    QFETCH(bool, closeBox);
    FakeSoundSink sound;
    Program program;
    program.show();
    program.contents()->Timer3Timer(); // sound on
    QString shownName, shownPrompt;
    WhenModal([&](QWidget* screen) {
        shownName = screen->objectName();
        shownPrompt = static_cast<TopicScreen*>(screen)->promptText();
        if (closeBox)
            screen->close();
        else
            Click(screen, "CuteButton2");
    });
    Click(program.contents(), "CuteButton4");
    QCOMPARE(shownName, QStringLiteral("TForm3"));
    QCOMPARE(shownPrompt, QStringLiteral("「メニュー」を選んでね！"));
    QCOMPARE(sound.last(), 12);
    QVERIFY(!program.screen("TForm3")->isVisible());
    QVERIFY(program.contents()->isVisible());
}

void ContentsScreenTest::versionBox()
{
    Program program;
    QString text;
    AnswerNextBox("OkButton", &text);
    program.contents()->findChild<QAction*>("About1")->trigger();
    QCOMPARE(text, QStringLiteral("Kazerumi\nVersion 1.1"));
}

void ContentsScreenTest::helpOpensAtContents()
{
    Program program;
    program.contents()->findChild<QAction*>("utorial1")->trigger();
    HelpWindow* help = program.contents()->helpWindow();
    QVERIFY(help);
    QVERIFY(help->isVisible());
    const QString text = help->browser()->toPlainText();
    QVERIFY(text.contains(QStringLiteral("もくじ")));
    QVERIFY(text.contains(QStringLiteral("◆")));
    help->close();
}

void ContentsScreenTest::missingHelpFileIsToldAndProgramGoesOn()
{
    QTemporaryDir empty;
    SetProgramFolder(empty.path());
    Program program;
    program.show();
    QString text;
    AnswerNextBox("OkButton", &text);
    program.contents()->utorial1Click();
    QVERIFY(text.contains(QStringLiteral("使い方")));
    QVERIFY(text.contains(QStringLiteral("Kazerumi.html")));
    QVERIFY(!program.contents()->helpWindow()->isVisible());
    QVERIFY(program.contents()->isVisible());
}

void ContentsScreenTest::quitAsksFirst()
{
    int quits = 0;
    SetQuitAction([&quits] { ++quits; });
    Program program;
    program.show();
    AnswerNextBox("NoButton");
    Click(program.contents(), "CuteButton2");
    QCOMPARE(quits, 0);
    QVERIFY(program.contents()->isVisible());
    AnswerNextBox("YesButton");
    Click(program.contents(), "CuteButton2");
    QCOMPARE(quits, 1);
}

void ContentsScreenTest::dataIsFoundBesideTheProgramFromAnyFolder()
{
    SetProgramFolder(QString());
    QTemporaryDir elsewhere;
    const QString before = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());
    const QString folder = ProgramFolder();
    QDir::setCurrent(before);
    QCOMPARE(folder, QCoreApplication::applicationDirPath() + QLatin1Char('/'));
}

QTEST_MAIN(ContentsScreenTest)
#include "test_contents_screen.moc"
