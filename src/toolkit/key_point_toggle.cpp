// KeyPointToggle: show or hide a screen's key-point memo.
#include "key_point_toggle.h"

#include "sound_cue.h"
#include "topic_screen.h"

void KeyPointToggle(TopicScreen* screen, const KeyPointMemo& memo)
{
    if (!memo.memo->isHidden()) {
        memo.memo->hide();
        screen->setPrompt(memo.hidePrompt);
        SoundCue(CueNewProblem);
        return;
    }
    memo.memo->move(memo.memo->x(), memo.top);
    memo.memo->show();
    memo.memo->raise();
    screen->setPrompt(memo.showPrompt);
    SoundCue(CueMemoShown);
}
