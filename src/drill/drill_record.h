// DrillRecord: one answered drill problem, as a row of a record table.
// The drill screens fill the texts; the data module writes them in column
// order: NB, MND, KAI, KOT, HNT, and for the division drill's table also AMS
// and AMI.
#pragma once

#include <QString>

// The two record tables. Three drills share "dorills"; the division drill,
// whose answers have remainders, has "dorill" with two more columns.
enum class DrillTable { Dorills, Dorill };

struct DrillRecord {
    int NB = 0;   // the problem's number in the drill run
    QString MND;  // the problem as shown
    QString KAI;  // the correct answer
    QString KOT;  // the child's answer
    QString HNT;  // a blank and "○" or "×"
    QString AMS;  // dorill only: the correct remainder
    QString AMI;  // dorill only: the child's remainder

    friend bool operator==(const DrillRecord&, const DrillRecord&) = default;
};

// What a drill's judge hands back for one answered problem: the verdict and
// the record's texts (the drill run fills in NB and HNT).
struct DrillJudgement {
    bool right = false;
    DrillRecord record;
};

// The text of the HNT column: a blank followed by the verdict mark.
QString DrillMark(bool right);
