#include "Recall.h"

#include "SentenceBrowse.h"
#include "WordCueHints.h"

namespace kelvaro {

void resetRecall(MainState& state)
{
    SentenceBrowseView& view = state.sentence;
    const int count = int(qMin(view.ClickWordLabel.size(), view.ClickWordLine.size()));
    for (int k = 1; k < count; ++k) {
        if (isSentenceWord(state, k)) {
            setRecallWordCovered(state, k, true);
        } else {
            ViewElement& label = view.ClickWordLabel[k];
            label.foreground = kBlack;
            label.background = kPanelBackground;
            view.ClickWordLine[k].visible = false;
        }
    }
    resetWordCue(state);
}

void fillRecallChinese(MainState& state)
{
    ViewElement& chinese = state.sentence.ClickWordChineseLabel;
    chinese = state.sentence.SenChineseLabel;
    chinese.visible = recallChineseShown(state);
}

void toggleRecallChinese(MainState& state)
{
    state.options.clickChineseCheck = !recallChineseShown(state);
    state.sentence.ClickWordChineseLabel.visible = recallChineseShown(state);
}

} // namespace kelvaro
