// Takes the README's screenshots from the real widgets: the contents screen,
// and every topic screen in study mode and in test mode with a problem
// answered (a drill: after one answered problem, with its results grid).
// Usage: make_screenshots <output folder>
// Drills write their records into kyozai/ of the current folder, so the
// script runs this in a scratch folder.
#include "contents_screen.h"
#include "fake_sound_sink.h"
#include "pick_list.h"
#include "program.h"
#include "screen_clock.h"
#include "scripted_random.h"
#include "topic_screen.h"
#include "widget_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTimer>
#include <QPixmap>
#include <algorithm>

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

bool Usable(const QWidget* w)
{
    return w && w->isEnabled() && w->isVisibleTo(w->window());
}

void ClickIfUsable(TopicScreen* screen, const QString& name)
{
    if (Usable(screen->findChild<QAbstractButton*>(name)))
        Click(screen, name);
}

// The answer lists a child can pick from now, left to right.
QList<PickList*> OpenLists(TopicScreen* screen, int itemCount)
{
    QList<PickList*> lists;
    for (PickList* list : screen->findChildren<PickList*>())
        if (list->objectName() != QLatin1String("ComboBox1") && list->items().size() == itemCount && Usable(list))
            lists.append(list);
    std::sort(lists.begin(), lists.end(), [](PickList* a, PickList* b) { return a->x() < b->x(); });
    return lists;
}

// Picks a digit in every open digit list, then "◆" where there is one.
void AnswerSomething(TopicScreen* screen)
{
    for (PickList* list : OpenLists(screen, 10))
        if (Usable(list))
            Pick(list, 1);
    for (PickList* list : OpenLists(screen, 1))
        Pick(list, 0);
}

bool IsDrill(TopicScreen* screen)
{
    return screen->findChild<QWidget*>(QStringLiteral("DBGrid1")) != nullptr;
}

void LessonScreen(TopicScreen* screen)
{
    const QString name = screen->objectName();
    screen->FormCreate();
    screen->show();
    // The first sub-topic of the fraction-decimal screen is a lesson only.
    const int subTopic = name == QLatin1String("TForm17") ? 1 : 0;
    if (auto* menu = screen->findChild<PickList*>(QStringLiteral("ComboBox1")))
        Pick(menu, subTopic);
    else
        ClickIfUsable(screen, QStringLiteral("CuteButton4"));
    Save(screen, name + QStringLiteral("_study"));

    ClickIfUsable(screen, QStringLiteral("CuteButton3"));
    ClickIfUsable(screen, QStringLiteral("CuteButton4"));
    AnswerSomething(screen);
    Save(screen, name + QStringLiteral("_test"));
    screen->hide();
}

void DrillScreen(TopicScreen* screen)
{
    const QString name = screen->objectName();
    screen->FormCreate();
    screen->show();
    Pick(screen, QStringLiteral("ComboBox1"), 0);
    Pick(screen, QStringLiteral("ComboBox2"), 0);
    Click(screen, QStringLiteral("CuteButton3"));
    AnswerSomething(screen);
    Save(screen, name + QStringLiteral("_answering"));
    ClickIfUsable(screen, QStringLiteral("CuteButton5"));
    ClickIfUsable(screen, QStringLiteral("CuteButton6"));
    Save(screen, name + QStringLiteral("_results"));
    screen->hide();
}

// The ten-times screen with a problem answered right, for the README.
void TenTimesAnsweredRight(TopicScreen* screen)
{
    screen->FormCreate();
    screen->show();
    Pick(screen, QStringLiteral("ComboBox1"), 0);
    ScriptedRandom random({0, 3, 1, 4, 3, 4}); // 2.35 の 10倍は？
    Click(screen, QStringLiteral("CuteButton3"));
    Click(screen, QStringLiteral("CuteButton4"));
    Pick(screen, QStringLiteral("ComboBox6"), 2);
    Pick(screen, QStringLiteral("ComboBox5"), 3);
    Pick(screen, QStringLiteral("ComboBox4"), 5);
    Pick(screen, QStringLiteral("ComboBox8"), 0);
    Save(screen, QStringLiteral("TForm3_right"));
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

    // A message box that comes up on the way is answered at once.
    QTimer boxCloser;
    QObject::connect(&boxCloser, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->close();
    });
    boxCloser.start(50);

    Program program;
    program.contents()->Timer3Timer();
    Save(program.contents(), QStringLiteral("contents"));
    program.contents()->hide();

    for (TopicScreen* screen : program.contents()->findChildren<TopicScreen*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (IsDrill(screen))
            DrillScreen(screen);
        else
            LessonScreen(screen);
    }
    TenTimesAnsweredRight(program.screen(QStringLiteral("TForm3")));
    return 0;
}
