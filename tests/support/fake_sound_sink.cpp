// FakeSoundSink: records cue numbers for the tests.
#include "fake_sound_sink.h"

FakeSoundSink::FakeSoundSink(bool soundOn)
{
    InstallSoundSink(this);
    SetSoundEnabled(soundOn);
}

FakeSoundSink::~FakeSoundSink()
{
    InstallSoundSink(nullptr);
    SetSoundEnabled(false);
}
