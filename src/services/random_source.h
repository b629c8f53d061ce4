// RandomSource: the program's one pseudo-random generator.
// It starts from a fixed seed when the program starts; some problem generators
// reseed it from the clock before drawing, the others go on with its sequence.
// Generators take the source as a parameter, so tests can seed their own.
#pragma once

#include <QtGlobal>
#include <random>

class RandomSource
{
public:
    static constexpr quint32 kStartSeed = 20061211u;

    explicit RandomSource(quint32 seed = kStartSeed);
    virtual ~RandomSource() = default;

    void seed(quint32 value);
    virtual void reseedFromClock();

    // A uniform whole number from 0 to n - 1 (n of 1 or more; 0 for n below 1).
    virtual int rnd(int n);

    // The generator every screen of the program shares.
    static RandomSource& program();

    // Lets a test put its own source (a scripted one) in the program's place;
    // nullptr goes back to the program's own.
    static void setProgramSourceForTesting(RandomSource* source);

private:
    std::mt19937 engine_;
};
