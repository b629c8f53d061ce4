// ScriptedRandom: a random source that gives the draws a test lists, in
// order, starting over at the end of the list. It remembers every range asked
// for, and notes a scripted draw that lies outside its range. While it exists
// it stands in for the program's generator, so screens draw from it too.
#pragma once

#include "random_source.h"

#include <QList>

class ScriptedRandom : public RandomSource
{
public:
    explicit ScriptedRandom(QList<int> draws);
    ~ScriptedRandom() override;

    void reseedFromClock() override { ++reseeds; }
    int rnd(int n) override;

    QList<int> ranges;      // the n of every rnd(n), in order
    bool outOfRange = false; // a scripted draw was not below its n
    int reseeds = 0;

private:
    QList<int> draws_;
    int next_ = 0;
};
