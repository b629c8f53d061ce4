// SoundCue: the program's numbered sound cues, played through one player.
// A cue starts at once and never holds up the screen; a later cue cuts off the
// one still playing; until sound is switched on (one second after start-up)
// nothing is heard. A missing file or a machine without an audio device is
// silent: the screens go on as if the cue had played.
#pragma once

#include <QObject>
#include <QString>
#include <array>

class QSoundEffect;

// The cues the screens use, by what they signal.
enum SoundCueNumber : int {
    CueNewProblem = 11, // a new problem is put up, the key-point memo is hidden
    CueShown = 12,      // a screen is shown, a menu item chosen, an answer recorded
    CueWrong = 13,      // a wrong answer (a soft low buzz)
    CueRight = 14,      // a right answer (a bright chime)
    CueMemoShown = 15,  // the key-point memo is shown
    CueStartup = 16,    // sound switched on at start-up (a rising arpeggio)
    CuePick = 17,       // a digit, a menu item or a drill time is picked
    CueStopped = 19,    // a drill is stopped
};

constexpr int kCueCount = 20;

// The cue's file relative to ProgramFolder ("oto/pinpon.wav"); empty outside 1..20.
QString CueFileName(int cue);

// Where cues go. The program plays them through QSoundEffect; tests record them.
class SoundSink
{
public:
    virtual ~SoundSink() = default;
    // Cut off whatever is playing.
    virtual void stop() = 0;
    // Start the cue and return at once.
    virtual void play(int cue) = 0;
};

// Plays cue n: numbers 1 to 20 choose their file; any other number plays the
// file chosen last again.
void SoundCue(int cue);

bool SoundEnabled();
void SetSoundEnabled(bool on);

// The sink every cue goes to; nullptr leaves cues with nowhere to go (silent).
void InstallSoundSink(SoundSink* sink);

// The program's player: one QSoundEffect per cue, loaded once. Loading is
// started by load() after the window is up, and is skipped entirely on a
// machine without an audio output.
class EffectSoundSink : public QObject, public SoundSink
{
    Q_OBJECT
public:
    explicit EffectSoundSink(QObject* parent = nullptr);
    ~EffectSoundSink() override;

    void load();
    // How many cues have a player: 20 once loaded on a machine with an audio
    // output, 0 on one without.
    int playerCount() const;
    void stop() override;
    void play(int cue) override;

private:
    std::array<QSoundEffect*, kCueCount> effects_{};
    QSoundEffect* playing_ = nullptr;
    bool loaded_ = false;
};
