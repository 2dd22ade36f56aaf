#include "WindowModes.h"

#include "ModeSwitching.h"

#include "modes/FullTextPage.h"
#include "modes/Layout.h"
#include "modes/SentenceBrowse.h"
#include "modes/TranslationPage.h"
#include "modes/TranslationReveal.h"
#include "modes/WordCueHints.h"

#include <cmath>

namespace kelvaro {

int taskbarHeight(const Screen& screen)
{
    const int bottom = screen.workArea().y() + screen.workArea().height();
    return qMax(0, int(std::lround(double(screen.size().height()) - bottom)));
}

void layoutPanels(MainState& state)
{
    WindowGeometry& g = state.geometry;
    g.tree = {layout::kTreeLeft, layout::kTreeTop, layout::kTreeWidth,
              g.window.height - 370 - layout::kTreeTop};
    g.tabs = {layout::kPanelLeft, layout::kTabsTop, g.window.width - 15 - layout::kPanelLeft - 165,
              layout::kTabHeight};
    if (g.maximised) {
        g.panel = {layout::kPanelLeft, layout::kPanelTop,
                   g.window.width - 15 - layout::kPanelLeft - 135,
                   g.window.height - 370 - layout::kPanelTop};
    } else {
        g.panel = {layout::kPanelLeft, layout::kPanelTop, layout::kNormalPanelWidth,
                   layout::kNormalPanelHeight};
    }
    const TwipRect frame = {layout::kViewportLeft, layout::kViewportTop,
                            g.panel.width - 2 * layout::kViewportLeft - 30,
                            g.panel.height - layout::kViewportTop - layout::kViewportBottomGap};
    for (ScrollView* view : {&state.translation.scroll, &state.fullText.scroll}) {
        view->frame = frame;
        view->upButtonTop = 0;
        view->downButtonTop = frame.height - layout::kScrollButtonHeight;
        view->thumbHeight = 600;
        view->page.width = frame.width - 300;
    }
}

void relayoutViews(MainContext& context)
{
    MainState& state = context.state;
    layoutPanels(state);
    if (!state.lessonOpen)
        return;
    // The lines are made again for the new width; what the learner uncovered stays uncovered.
    const RevealMarks revealed = revealMarks(state);
    buildTranslationLines(state, context.ports.measurer);
    restoreRevealMarks(state, revealed);
    markTranslationSentence(state);
    layoutFullTextForCheck(state);
    underlineCurrentSentence(state);
    updateScrollControls(state.translation.scroll);
    reflowSentenceWords(state);
    fillSentenceTexts(state, context.ports.measurer);
    // The recall tab's Chinese line moves with the words above it, and the hint card with both.
    state.recall.ClickWordChineseLabel.geometry = state.sentence.SenChineseLabel.geometry;
    if (state.cue.visible)
        placeWordCue(state);
    // The old offset may lie past the new page's end (a page that now fits its frame keeps
    // none): back within the stops, then centred, then no line cut at the top.
    TranslationView& translation = state.translation;
    settleAfterResize(translation.scroll);
    centreTranslationView(state);
    uncutTopLine(translation.scroll, {&translation.EnglishTextLabel, &translation.ChineseTextLabel,
                                      &translation.HornImage, &translation.SenNumLabel});
    FullTextView& full = state.fullText;
    settleAfterResize(full.scroll);
    centreFullTextView(state);
    uncutTopLine(full.scroll, {&full.AllWordTextLabel, &full.AllChineseLabel, &full.AllVoiceImage});
}

namespace {

// Both window modes: the flag the settings keep, the new size, the views laid out again.
void applyWindowMode(MainContext& context, bool maximised, const TwipRect& window)
{
    MainState& state = context.state;
    state.options.windowMaximised = maximised;
    state.geometry.maximised = maximised;
    state.geometry.window = window;
    relayoutViews(context);
    focusForMode(context);
}

} // namespace

void maximiseWindow(MainContext& context)
{
    const Screen& screen = context.ports.screen;
    const double tpp = twipsPerPixel(screen.logicalDpi());
    applyWindowMode(context, true,
                    {0, 0, int(std::lround(screen.size().width() * tpp)),
                     int(std::lround((screen.size().height() - taskbarHeight(screen)) * tpp))});
}

void restoreWindow(MainContext& context)
{
    const Screen& screen = context.ports.screen;
    const double tpp = twipsPerPixel(screen.logicalDpi());
    applyWindowMode(
        context, false,
        {int(std::lround(screen.size().width() * tpp / 2)) - layout::kNormalWindowWidth / 2,
         int(std::lround(screen.size().height() * tpp / 2)) - layout::kNormalWindowHeight / 2,
         layout::kNormalWindowWidth, layout::kNormalWindowHeight});
}

} // namespace kelvaro
