// Opening a lesson as the library tree does it, with the real fonts: read, parse, translation
// lines, full-text cells and their layout, the first sentence shown.
#include "LessonTexts.h"
#include "ShellFixture.h"

#include "app/CommandTable.h"
#include "app/ContinuousReading.h"
#include "app/Dictation.h"
#include "app/LessonOpening.h"
#include "app/MainController.h"
#include "app/ModeSwitching.h"
#include "app/RepeatScheduler.h"
#include "app/StartUp.h"
#include "content/TextFile.h"
#include "modes/DictationRules.h"
#include "modes/FullTextPage.h"
#include "ui/DictationTestPanel.h"
#include "ui/Fonts.h"
#include "ui/MainWindow.h"
#include "ui/ModePanel.h"
#include "ui/QtTextMeasurer.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>

#include <benchmark/benchmark.h>

using namespace kelvaro;

namespace {

/// A pseudo-English vocabulary of 3,000 words of one to three syllables: a long lesson repeats
/// its words about as often as real text does.
const QStringList& vocabulary()
{
    static const QStringList words = [] {
        const char* syllables[] = {"ba", "ker",  "lo",  "mi",  "stan", "tre",
                                   "vo", "quel", "dor", "fin", "ga",   "hum"};
        QStringList list;
        for (int i = 0; i < 3000; ++i) {
            QString word = QString::fromLatin1(syllables[i % 12]);
            for (int rest = i / 12; rest > 0; rest /= 12)
                word += QString::fromLatin1(syllables[rest % 12]);
            list.append(word);
        }
        return list;
    }();
    return words;
}

/// A lesson of sentences records like "^Word $word$^other $other$^.^#中文翻译#1.5#2.5###":
/// words key words and a full stop each, so words + 2 full-text cells with the end marker.
/// Lessons of another first sentence number have other words and other Chinese lines.
QString syntheticLesson(int sentences, int words, int first = 0)
{
    const QStringList& vocabulary = ::vocabulary();
    QStringList records;
    records.reserve(sentences);
    for (int s = first; s < first + sentences; ++s) {
        QString english = QStringLiteral("^");
        for (int w = 0; w < words; ++w) {
            const quint32 pick = quint32(s) * 2654435761u + quint32(w) * 40503u;
            const QString& key = vocabulary[(pick >> 8) % vocabulary.size()];
            QString word = key;
            if (w == 0)
                word[0] = word[0].toUpper();
            english += word + QStringLiteral(" $") + key + QStringLiteral("$^");
        }
        english += QStringLiteral(".^");
        records.append(lessonRecord(english, QStringLiteral("中文翻译，第%1句。").arg(s + 1),
                                    QString::number(s * 2 + 0.5), QString::number(s * 2 + 1.5)));
    }
    return lessonText(records);
}

/// The shell's context with the real text measurer in place of the fake.
MainContext contextWithMeasurer(ShellFixture& shell, const TextMeasurer& measurer)
{
    return MainContext(shell.folder.root(),
                       Ports{shell.timers, shell.lessonPlayer, shell.wordPlayer, shell.dialogs,
                             shell.desktop, shell.screen, measurer, shell.recorder, shell.feedback,
                             shell.background});
}

/// Args: sentences, words per sentence, 1 when the file is in the rich-text form the program
/// itself saves (0: plain code page 936 as content makers write it).
void BM_OpenLesson(benchmark::State& state)
{
    const int sentences = int(state.range(0));
    const int words = int(state.range(1));
    const bool richText = state.range(2) != 0;

    ShellFixture shell;
    const QString text = syntheticLesson(sentences, words);
    const QString lesson = QStringLiteral("Book/Kelvaro/1.dat");
    const bool written =
        richText ? shell.folder.writeRichText(lesson, text) : shell.folder.writeCp936(lesson, text);
    if (!shell.folder.isValid() || !written) {
        state.SkipWithError("the program folder could not be written");
        return;
    }
    const QtTextMeasurer measurer(shell.screen.logicalDpi());
    MainContext context = contextWithMeasurer(shell, measurer);
    // Start-up opens the remembered lesson 1 once: fonts and caches are warm from here on.
    if (!startUp(context) || context.state.SentenceCount != sentences) {
        state.SkipWithError("start-up did not open the lesson");
        return;
    }

    for (auto _ : state) {
        // What a click on the lesson's node in the tree does.
        treeNodeClicked(context, 2);
        shell.lessonPlayer.clearCalls();
    }
    if (context.state.SentenceCount != sentences)
        state.SkipWithError("the lesson was not opened again");
    state.counters["cells"] = double(context.state.fullText.AllWordTextLabel.size() - 1);
}
BENCHMARK(BM_OpenLesson)
    ->ArgNames({"sentences", "words", "rich"})
    ->Args({200, 2, 0})
    ->Args({200, 10, 0})
    ->Args({2000, 2, 0})  // the goal: 2,000 sentences, 8,000 cells
    ->Args({2000, 2, 1})  // the same lesson once the program has saved it
    ->Args({2000, 10, 0}) // 2,000 sentences of ten words, 24,000 cells
    ->Args({7500, 2, 0})  // the goal: 30,000 cells
    ->Args({2500, 10, 0}) // 30,000 cells in longer sentences
    ->Args({20000, 2, 0})
    ->Args({20000, 10, 0})
    ->Unit(benchmark::kMillisecond);

/// Args: sentences, words per sentence. Opening a lesson whose texts the measurer has not seen
/// yet: each round writes the lesson anew with other sentences before the click.
void BM_OpenNewLesson(benchmark::State& state)
{
    const int sentences = int(state.range(0));
    const int words = int(state.range(1));

    ShellFixture shell;
    const QString lesson = QStringLiteral("Book/Kelvaro/1.dat");
    if (!shell.folder.isValid() ||
        !shell.folder.writeCp936(lesson, syntheticLesson(sentences, words))) {
        state.SkipWithError("the program folder could not be written");
        return;
    }
    const QtTextMeasurer measurer(shell.screen.logicalDpi());
    MainContext context = contextWithMeasurer(shell, measurer);
    if (!startUp(context) || context.state.SentenceCount != sentences) {
        state.SkipWithError("start-up did not open the lesson");
        return;
    }

    int first = 0;
    for (auto _ : state) {
        state.PauseTiming();
        first += sentences;
        const bool written =
            shell.folder.writeCp936(lesson, syntheticLesson(sentences, words, first));
        state.ResumeTiming();
        if (!written) {
            state.SkipWithError("the lesson could not be written");
            break;
        }
        treeNodeClicked(context, 2);
        shell.lessonPlayer.clearCalls();
    }
    if (context.state.SentenceCount != sentences)
        state.SkipWithError("the lesson was not opened again");
}
BENCHMARK(BM_OpenNewLesson)
    ->ArgNames({"sentences", "words"})
    ->ArgsProduct({{200, 2000, 20000}, {2, 10}})
    ->Unit(benchmark::kMillisecond);

// Recall and fill-in on a long lesson with a key word in every sentence.

/// The lesson with the first word of every sentence marked as a key word.
QString withKeyWords(QString text)
{
    for (qsizetype at = text.indexOf(QStringLiteral("*^")); at >= 0;
         at = text.indexOf(QStringLiteral("*^"), at + 1)) {
        const qsizetype open = text.indexOf(u'$', at);
        const qsizetype close = open < 0 ? -1 : text.indexOf(u'$', open + 1);
        if (close < 0)
            break;
        text.insert(close + 1, kKeyWordMark);
    }
    return text;
}

/// A started shell on the key-word lesson, at sentence 1; nullptr (and the benchmark skipped)
/// when it could not start.
struct KeyWordShell
{
    explicit KeyWordShell(int sentences)
        : measurer(shell.screen.logicalDpi()),
          context(shell.folder.root(), Ports{shell.timers, shell.lessonPlayer, shell.wordPlayer,
                                             shell.dialogs, shell.desktop, shell.screen, measurer,
                                             shell.recorder, shell.feedback, shell.background})
    {
        ok = shell.folder.isValid() &&
             shell.folder.writeCp936(QStringLiteral("Book/Kelvaro/1.dat"),
                                     withKeyWords(syntheticLesson(sentences, 10))) &&
             startUp(context) && context.state.SentenceCount == sentences &&
             context.state.KeyWordCount == sentences;
    }
    ShellFixture shell;
    QtTextMeasurer measurer;
    MainContext context;
    bool ok = false;
};

/// Arg: the mode entered (8 recall, 9 fill-in), by a click on its tab.
void BM_EnterPracticeMode(benchmark::State& state)
{
    KeyWordShell s(2000);
    if (!s.ok) {
        state.SkipWithError("start-up did not open the key-word lesson");
        return;
    }
    const Mode mode = Mode(state.range(0));
    for (auto _ : state) {
        tabClicked(s.context, mode);
        s.shell.lessonPlayer.clearCalls();
    }
}
BENCHMARK(BM_EnterPracticeMode)
    ->ArgName("mode")
    ->Arg(modeNumber(Mode::Recall))
    ->Arg(modeNumber(Mode::FillIn))
    ->Unit(benchmark::kMicrosecond);

/// One PageDown in the fill-in: the next key word, in the next sentence (Home at the end).
void BM_KeyWordStep(benchmark::State& state)
{
    KeyWordShell s(2000);
    if (!s.ok) {
        state.SkipWithError("start-up did not open the key-word lesson");
        return;
    }
    tabClicked(s.context, Mode::FillIn);
    for (auto _ : state) {
        if (!keyPressed(s.context, WindowKey::PageDown))
            keyPressed(s.context, WindowKey::Home);
        s.shell.lessonPlayer.clearCalls();
        s.shell.wordPlayer.clearCalls();
    }
    if (s.context.state.fillIn.CurrentWordIndex < 1)
        state.SkipWithError("the walk did not reach a key word");
}
BENCHMARK(BM_KeyWordStep)->Unit(benchmark::kMillisecond);

// The full-text and translation pages on a long lesson.

/// The window on a synthetic lesson of 2,000 sentences, drawn with the real fonts: what the
/// learner's clicks and the reading's timer ticks cost, painting included.
class PagesWindow
{
public:
    explicit PagesWindow(Mode mode)
    {
        Settings settings = defaultSettings();
        settings.modeIndex = modeNumber(mode);
        settings.all = {1, 10};
        ok = shell.folder.isValid() &&
             shell.folder.writeCp936(QStringLiteral("Book/Kelvaro/1.dat"),
                                     syntheticLesson(2000, 4)) &&
             shell.folder.writeCp936(QStringLiteral("SETTING/Set.dat"), formatSettings(settings)) &&
             controller.startUp() && context.state.SentenceCount == 2000;
        window.refresh();
    }

    /// Paints the panel of the current mode, as the screen would show it.
    void paint()
    {
        const QPixmap picture = window.panel(context.state.ModeIndex)->grab();
        benchmark::DoNotOptimize(picture.cacheKey());
    }

    ShellFixture shell;
    QtTextMeasurer measurer{shell.screen.logicalDpi()};
    TwipScale scale{shell.screen.logicalDpi()};
    MainContext context{shell.folder.root(),
                        Ports{shell.timers, shell.lessonPlayer, shell.wordPlayer, shell.dialogs,
                              shell.desktop, shell.screen, measurer, shell.recorder, shell.feedback,
                              shell.background}};
    MainController controller{context};
    MainWindow window{controller, scale};
    bool ok = false;
};

/// A tab click onto the full-text (1) or the translation page (3) from sentence browse, with
/// the new panel painted.
void BM_SwitchToPage(benchmark::State& state)
{
    const Mode mode = Mode(state.range(0));
    PagesWindow pages(Mode::SentenceBrowse);
    if (!pages.ok) {
        state.SkipWithError("the lesson did not open");
        return;
    }
    // In the middle of the lesson, so the pages are scrolled.
    pages.context.state.CurrentSentence = 1000;
    pages.controller.perform(Command::NextSentence);
    for (auto _ : state) {
        pages.controller.tabClicked(mode);
        pages.paint();
        state.PauseTiming();
        pages.controller.tabClicked(Mode::SentenceBrowse);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SwitchToPage)->ArgName("mode")->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

/// One step of continuous reading: the full-text pause runs out, the next sentence is shown and
/// read, the page follows it, and the window is drawn and painted again.
void BM_FollowScrollStep(benchmark::State& state)
{
    PagesWindow pages(Mode::FullText);
    if (!pages.ok) {
        state.SkipWithError("the lesson did not open");
        return;
    }
    MainContext& context = pages.context;
    const RepeatFamily& fullText = *repeatFamily(Mode::FullText);
    int moves = 0;
    for (auto _ : state) {
        if (!context.state.fullText.readingRuns) {
            state.PauseTiming();
            pages.controller.tabClicked(Mode::FullText);
            pages.controller.perform(Command::ReadAll);
            state.ResumeTiming();
        }
        const int top = context.state.fullText.scroll.page.top;
        context.state.CurrentReadCount = 1; // the sentence's one reading is done
        pauseTimerTick(context, fullText);
        pages.window.refresh();
        pages.paint();
        moves += context.state.fullText.scroll.page.top != top;
    }
    state.counters["page moves"] = moves;
}
BENCHMARK(BM_FollowScrollStep)->Unit(benchmark::kMillisecond);
// The dictation test: a window on a lesson of synthetic sentences, opened in sentence browse.
struct DictationWindow
{
    explicit DictationWindow(int sentences, int words)
        : measurer(shell.screen.logicalDpi()),
          context(shell.folder.root(), Ports{shell.timers, shell.lessonPlayer, shell.wordPlayer,
                                             shell.dialogs, shell.desktop, shell.screen, measurer,
                                             shell.recorder, shell.feedback, shell.background})
    {
        Settings settings = defaultSettings();
        settings.modeIndex = modeNumber(Mode::SentenceBrowse);
        settings.writeMode = WriteMode::DictationTest;
        ok = shell.folder.isValid() &&
             shell.folder.writeCp936(QStringLiteral("Book/Kelvaro/1.dat"),
                                     syntheticLesson(sentences, words)) &&
             shell.writeSettings(settings);
        controller = std::make_unique<MainController>(context);
        ok = ok && controller->startUp() && context.state.SentenceCount == sentences;
        panel = std::make_unique<DictationTestPanel>(scale, *controller);
        panel->resize(scale.rect(context.state.geometry.panel).size());
        panel->layoutChildren(context.state.geometry.panel);
        canvas = panel->findChild<QWidget*>(QStringLiteral("WriteWordCanvas"));
        image = QImage(panel->size(), QImage::Format_ARGB32_Premultiplied);
    }

    /// The panel drawn again as the window does after a key: its state, then the slot row.
    void redraw()
    {
        panel->refresh(context.state);
        canvas->render(&image);
    }

    ShellFixture shell;
    const QtTextMeasurer measurer;
    MainContext context;
    TwipScale scale;
    std::unique_ptr<MainController> controller;
    std::unique_ptr<DictationTestPanel> panel;
    QWidget* canvas = nullptr;
    QImage image;
    bool ok = false;
};

/// One keystroke in the dictation box of a 40-word sentence: the word check, then the redraw
/// of the slot row. The keys type the sentence naturally (words ended by a blank), so the
/// strokes that end a word (check, reveal, move the box) are among them.
void BM_DictationKeystroke(benchmark::State& state)
{
    DictationWindow window(20, 40);
    if (!window.ok) {
        state.SkipWithError("the lesson did not open");
        return;
    }
    MainContext& context = window.context;
    tabClicked(context, Mode::DictationTest);
    // Every word but the last ended, the last one only typed: the sentence is never scored.
    QString keys;
    const ElementArray& wordSlots = context.state.dictation.WriteWordLabel;
    for (int i = 1; i < wordSlots.size(); ++i) {
        if (startsWithLetter(wordSlots[i].caption))
            keys += typedWordForm(wordSlots[i].caption).toLower() + u' ';
    }
    keys.chop(1);
    qsizetype next = 0;
    for (auto _ : state) {
        if (next == keys.size()) {
            state.PauseTiming();
            resetDictationSentence(context);
            next = 0;
            state.ResumeTiming();
        }
        dictationKeyPressed(context);
        dictationTextChanged(context, context.state.dictation.WriteWordText + keys[next++]);
        window.redraw();
    }
    state.counters["wordSlots"] = double(wordSlots.size() - 1);
}
BENCHMARK(BM_DictationKeystroke)->Unit(benchmark::kMicrosecond); // goal: under 2 ms

/// Entering the dictation test from another tab on the 2,000-sentence lesson, drawn.
void BM_EnterDictationTest(benchmark::State& state)
{
    DictationWindow window(2000, 10);
    if (!window.ok) {
        state.SkipWithError("the lesson did not open");
        return;
    }
    MainContext& context = window.context;
    for (auto _ : state) {
        state.PauseTiming();
        tabClicked(context, Mode::SentenceBrowse);
        state.ResumeTiming();
        tabClicked(context, Mode::DictationTest);
        window.redraw();
    }
}
BENCHMARK(BM_EnterDictationTest)->Unit(benchmark::kMillisecond); // goal: under 16 ms

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // Real fonts need a GUI application; no display is needed to measure text.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerFontSubstitutions();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
