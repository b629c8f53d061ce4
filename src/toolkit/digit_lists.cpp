// DigitLists: the answer lists of the practice screens and the drills.
#include "digit_lists.h"

#include "digit_entry.h"

DigitLists::DigitLists(QWidget* parent, const std::vector<DigitPlace>& places,
                       const DigitPlace& submit, int y, const PickList::Look& look)
    : QObject(parent)
    , digits_(places.size(), 0)
{
    for (const DigitPlace& place : places) {
        auto* list = new PickList(parent, place.name, DigitItems(), place.heading, QPoint(place.x, y), look);
        const int index = int(lists_.size());
        connect(list, &PickList::picked, this, [this, index](int digit) {
            digits_[index] = digit;
            emit digitPicked(index, digit);
        });
        lists_.push_back(list);
    }
    if (!submit.name.isEmpty()) {
        submit_ = new PickList(parent, submit.name, {QStringLiteral("◆")}, submit.heading,
                               QPoint(submit.x, y), look);
        connect(submit_, &PickList::picked, this, &DigitLists::submitted);
    }
}

qint64 DigitLists::scaledAnswer() const
{
    return AssembleScaledAnswer(digits_);
}

void DigitLists::clearDigits()
{
    std::fill(digits_.begin(), digits_.end(), 0);
}

void DigitLists::clearPicks()
{
    for (PickList* list : lists_)
        list->clearPick();
    if (submit_)
        submit_->clearPick();
}

void DigitLists::setVisible(bool visible)
{
    for (PickList* list : lists_)
        list->setVisible(visible);
    if (submit_)
        submit_->setVisible(visible);
}

void DigitLists::setEnabled(bool enabled)
{
    for (PickList* list : lists_)
        list->setEnabled(enabled);
    if (submit_)
        submit_->setEnabled(enabled);
}
