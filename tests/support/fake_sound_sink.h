// A sound sink that records the cues instead of playing them. While it
// exists it receives every cue; sound is switched on for it unless asked not to.
#pragma once

#include "sound_cue.h"

#include <QList>

class FakeSoundSink : public SoundSink
{
public:
    explicit FakeSoundSink(bool soundOn = true);
    ~FakeSoundSink() override;

    void stop() override { ++stops; }
    void play(int cue) override { played.append(cue); }

    int last() const { return played.isEmpty() ? 0 : played.last(); }
    void clear()
    {
        played.clear();
        stops = 0;
    }

    QList<int> played;
    int stops = 0;
};
