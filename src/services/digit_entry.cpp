// Assembling picked digits into a scaled whole number, and the verdict mark.
#include "digit_entry.h"

#include "sound_cue.h"

qint64 AssembleScaledAnswer(std::span<const int> digitsHighToLow)
{
    qint64 sum = 0;
    for (int digit : digitsHighToLow)
        sum = sum * 10 + digit;
    return sum;
}

QString VerdictMark(bool right)
{
    return right ? QStringLiteral("○") : QStringLiteral("×");
}

int VerdictCue(bool right)
{
    return right ? CueRight : CueWrong;
}
