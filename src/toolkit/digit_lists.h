// DigitLists: one pick list per place of an answer, and the "◆" list that
// submits it. The lists store one digit per place (0 until picked) and add
// them up with their place weights into the scaled answer.
#pragma once

#include "pick_list.h"

#include <QObject>
#include <vector>

struct DigitPlace {
    QString name;    // the list's objectName ("ComboBox7")
    int x;           // left edge
    QString heading; // the place's name shown while nothing is picked ("百")
};

class DigitLists : public QObject
{
    Q_OBJECT
public:
    // places run from the highest to the lowest; submit.name empty: no "◆" list.
    DigitLists(QWidget* parent, const std::vector<DigitPlace>& places, const DigitPlace& submit,
               int y, const PickList::Look& look);

    int placeCount() const { return int(lists_.size()); }
    PickList* place(int indexHighToLow) const { return lists_.at(indexHighToLow); }
    PickList* submitList() const { return submit_; }

    int digit(int indexHighToLow) const { return digits_.at(indexHighToLow); }
    qint64 scaledAnswer() const;

    // Every stored digit back to 0.
    void clearDigits();
    // Removes every pick and shows the headings again.
    void clearPicks();
    void setVisible(bool visible);
    void setEnabled(bool enabled);

signals:
    void digitPicked(int indexHighToLow, int digit);
    void submitted();

private:
    std::vector<PickList*> lists_;
    std::vector<int> digits_;
    PickList* submit_ = nullptr;
};
