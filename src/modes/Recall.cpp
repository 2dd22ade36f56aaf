#include "Recall.h"

#include "SentenceBrowse.h"
#include "WordCueHints.h"

namespace kelvaro {

void resetRecall(MainState& state)
{
    RecallView& view = state.recall;
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
    ViewElement& chinese = state.recall.ClickWordChineseLabel;
    chinese = state.sentence.SenChineseLabel;
    chinese.visible = recallChineseShown(state);
}

void toggleRecallChinese(MainState& state)
{
    state.options.clickChineseCheck = !recallChineseShown(state);
    state.recall.ClickWordChineseLabel.visible = recallChineseShown(state);
}

} // namespace kelvaro
