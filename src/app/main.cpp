// Kazerumi: an arithmetic tutor for the fifth school year.
#include "program.h"
#include "screen_style.h"
#include "sound_cue.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kazerumi"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kazerumi"));
    QApplication::setFont(ScreenFont(16));

    // The program's one sound player, used by every screen through SoundCue.
    EffectSoundSink player;
    player.setObjectName(QStringLiteral("MediaPlayer1"));
    InstallSoundSink(&player);

    Program program;
    program.show();
    // The cue files load once the window is up, so they never delay it.
    QTimer::singleShot(0, &player, &EffectSoundSink::load);
    return app.exec();
}
