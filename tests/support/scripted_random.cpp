// ScriptedRandom: scripted draws for generator and screen tests.
#include "scripted_random.h"

ScriptedRandom::ScriptedRandom(QList<int> draws)
    : draws_(std::move(draws))
{
    RandomSource::setProgramSourceForTesting(this);
}

ScriptedRandom::~ScriptedRandom()
{
    RandomSource::setProgramSourceForTesting(nullptr);
}

int ScriptedRandom::rnd(int n)
{
    ranges.append(n);
    if (draws_.isEmpty())
        return 0;
    const int value = draws_.at(next_);
    next_ = (next_ + 1) % int(draws_.size());
    if (value < 0 || value >= n)
        outOfRange = true;
    return value;
}
