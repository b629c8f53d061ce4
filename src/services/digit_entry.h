// The digit-entry convention: an answer is picked one digit per place, and the
// digits are added up with their place weights into one scaled whole number.
// The smallest place offered has weight 1, each place to its left ten times
// the weight of the place to its right. A place never picked counts as 0.
#pragma once

#include <QString>
#include <QtGlobal>
#include <span>

// Digits from the highest place to the lowest.
qint64 AssembleScaledAnswer(std::span<const int> digitsHighToLow);

// The verdict mark shown on the practice screens and recorded by the drills.
QString VerdictMark(bool right);

// The cue that goes with a verdict: the chime for right, the buzz for wrong.
int VerdictCue(bool right);
