// Start-up benchmark: starts like the program (application, face, sound
// player, every screen), shows the contents screen, and ends as soon as the
// event loop is idle with the window up. With --empty it does the same with
// an empty window of the same size, for comparison. Timed from outside by
// bench/run_startup.sh, so the figure includes loading the libraries.
#include "program.h"
#include "screen_style.h"
#include "sound_cue.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstring>
#include <memory>

int main(int argc, char* argv[])
{
    const bool empty = argc > 1 && std::strcmp(argv[1], "--empty") == 0;
    QApplication app(argc, argv);
    QApplication::setFont(ScreenFont(16));

    std::unique_ptr<EffectSoundSink> player;
    std::unique_ptr<Program> program;
    std::unique_ptr<QWidget> window;
    if (empty) {
        window = std::make_unique<QWidget>();
        window->setFixedSize(955, 716);
        window->show();
    } else {
        player = std::make_unique<EffectSoundSink>();
        InstallSoundSink(player.get());
        program = std::make_unique<Program>();
        program->show();
        QTimer::singleShot(0, player.get(), &EffectSoundSink::load);
    }
    // A zero timer fires once every event queued so far, the first paint
    // included, has been handled: the window is up and the program idle.
    QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    return app.exec();
}
