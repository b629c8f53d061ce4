// KeyPointToggle: "ポイント" shows the screen's key-point memo, and hides it
// when pressed again.
#pragma once

#include <QString>

class QWidget;
class TopicScreen;

struct KeyPointMemo {
    QWidget* memo;
    int top;            // where the memo's top edge goes when shown
    QString showPrompt; // the prompt while it is shown
    QString hidePrompt; // the prompt once it is hidden again
};

void KeyPointToggle(TopicScreen* screen, const KeyPointMemo& memo);
