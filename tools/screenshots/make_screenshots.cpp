// Takes the README's screenshots from the real widgets: every screen of the
// program as it looks when shown, and some screens in the middle of use.
// Usage: make_screenshots <output folder>
#include "contents_screen.h"
#include "fake_sound_sink.h"
#include "program.h"
#include "screen_clock.h"
#include "scripted_random.h"
#include "topic_screen.h"
#include "widget_driver.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

namespace {
QDir output;

void Save(TopicScreen* screen, const QString& name)
{
    screen->clock()->Timer1Timer();
    screen->show();
    QApplication::processEvents();
    const QString path = output.filePath(name + QStringLiteral(".png"));
    if (!screen->grab().save(path))
        qWarning("could not write %s", qPrintable(path));
    else
        qInfo("wrote %s", qPrintable(path));
}

// The ten-times screen: the lesson, then a problem answered right.
void TenTimes(Program& program)
{
    TopicScreen* screen = program.screen(QStringLiteral("TForm3"));
    screen->FormCreate();
    screen->show();
    Pick(screen, QStringLiteral("ComboBox1"), 0);
    Save(screen, QStringLiteral("ten_times_study"));

    ScriptedRandom random({0, 3, 1, 4, 3, 4}); // 2.35 の 10倍は？
    Click(screen, QStringLiteral("CuteButton3"));
    Click(screen, QStringLiteral("CuteButton4"));
    Pick(screen, QStringLiteral("ComboBox6"), 2);
    Pick(screen, QStringLiteral("ComboBox5"), 3);
    Pick(screen, QStringLiteral("ComboBox4"), 5);
    Pick(screen, QStringLiteral("ComboBox8"), 0);
    Save(screen, QStringLiteral("ten_times_test"));
    screen->hide();
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        qWarning("usage: make_screenshots <output folder>");
        return 2;
    }
    output = QDir(QString::fromLocal8Bit(argv[1]));
    output.mkpath(QStringLiteral("."));
    UseBuiltData();
    FakeSoundSink silent(false);

    Program program;
    program.contents()->Timer3Timer();
    // The prompt blink must not catch a screen with its prompt hidden.
    Save(program.contents(), QStringLiteral("contents"));
    program.contents()->hide();

    TenTimes(program);

    // Every other screen as it first looks when opened.
    for (TopicScreen* screen : program.contents()->findChildren<TopicScreen*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (screen->objectName() == QLatin1String("TForm3"))
            continue;
        screen->FormCreate();
        Save(screen, screen->objectName());
        screen->hide();
    }
    return 0;
}
