// SoundCue and the program's sound player.
#include "sound_cue.h"

#include "program_folder.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <algorithm>

namespace {
struct SoundState {
    SoundSink* sink = nullptr;
    bool enabled = false;
    int chosen = 0; // the cue whose file was chosen last; 0 before the first
};

SoundState& State()
{
    static SoundState state;
    return state;
}
} // namespace

QString CueFileName(int cue)
{
    static const char* const named[] = {
        "pipo", "poon", "bubuu", "pinpon", "sharan", "charararan", "bun", "pipon", "chararan",
    };
    if (cue < 1 || cue > kCueCount)
        return {};
    if (cue >= 11 && cue <= 19)
        return QStringLiteral("oto/%1.wav").arg(QLatin1String(named[cue - 11]));
    return QStringLiteral("oto/%1.wav").arg(cue);
}

void SoundCue(int cue)
{
    SoundState& s = State();
    if (cue >= 1 && cue <= kCueCount)
        s.chosen = cue;
    if (!s.sink || s.chosen == 0)
        return;
    // Choosing a new cue closes the one before, even while sound is still off.
    s.sink->stop();
    if (s.enabled)
        s.sink->play(s.chosen);
}

bool SoundEnabled()
{
    return State().enabled;
}

void SetSoundEnabled(bool on)
{
    State().enabled = on;
}

void InstallSoundSink(SoundSink* sink)
{
    State().sink = sink;
}

EffectSoundSink::EffectSoundSink(QObject* parent)
    : QObject(parent)
{
}

EffectSoundSink::~EffectSoundSink()
{
    if (State().sink == this)
        State().sink = nullptr;
}

void EffectSoundSink::load()
{
    if (loaded_)
        return;
    loaded_ = true;
    // Without an audio output QSoundEffect reports itself playing forever and
    // warns on every cue; such a machine simply stays silent.
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    for (int cue = 1; cue <= kCueCount; ++cue) {
        auto* effect = new QSoundEffect(this);
        // The file loads in the background; a missing file leaves the effect
        // in its error state, where play() does nothing.
        effect->setSource(QUrl::fromLocalFile(ProgramFolder() + CueFileName(cue)));
        effects_[cue - 1] = effect;
    }
}

int EffectSoundSink::playerCount() const
{
    return int(std::count_if(effects_.begin(), effects_.end(), [](QSoundEffect* e) { return e != nullptr; }));
}

void EffectSoundSink::stop()
{
    if (playing_)
        playing_->stop();
    playing_ = nullptr;
}

void EffectSoundSink::play(int cue)
{
    if (cue < 1 || cue > kCueCount)
        return;
    QSoundEffect* effect = effects_[cue - 1];
    if (!effect || effect->status() != QSoundEffect::Ready)
        return;
    effect->play();
    playing_ = effect;
}
