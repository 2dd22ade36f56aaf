// The results view of a full book: showResults reads the book's results file and lists the
// open lesson's sentences, then the view draws its four lists.
#include "LessonTexts.h"
#include "ShellFixture.h"

#include "app/LessonCompletion.h"
#include "app/MainController.h"
#include "content/LessonEdits.h"
#include "content/TextFile.h"
#include "ui/QtTextMeasurer.h"
#include "ui/ResultsPicture.h"

#include <QImage>

#include <benchmark/benchmark.h>

using namespace kelvaro;

namespace {

/// A lesson of sentences of a few words each; every other sentence passed.
QString passedHalfLesson(int sentences)
{
    QStringList records;
    records.reserve(sentences);
    for (int s = 0; s < sentences; ++s)
        records.append(lessonRecord(
            QStringLiteral("^Sentence $sentence$^number $number$^%1^.^").arg(s + 1),
            QStringLiteral("第%1句。").arg(s + 1), QString::number(s * 2 + 0.5),
            QString::number(s * 2 + 1.5), QString(), s % 2 ? QStringLiteral("1") : QString()));
    return lessonText(records);
}

/// A book of lessons, every third one completed, in the results file and the book list.
bool writeBook(ShellFixture& shell, int lessons)
{
    QStringList names;
    QString results = QStringLiteral("^");
    for (int n = 1; n <= lessons; ++n) {
        names.append(QStringLiteral("Lesson %1 第%1课").arg(n));
        results += (n % 3 == 0 ? QChar(0x2605) : QChar(0x2606)) + names.last() + u'^';
    }
    return shell.writeBookList(names) &&
           shell.folder.writeCp936(QStringLiteral("SETTING/Results/Kelvaro.dat"), results);
}

/// showResults on a book of 184 lessons with a 2,000-sentence lesson open, and the view drawn.
/// One pass flag changes between runs, so the sentence lists are filled again every time.
void BM_ShowResults(benchmark::State& state)
{
    ShellFixture shell;
    const int sentences = 2000;
    const QtTextMeasurer measurer(shell.screen.logicalDpi());
    MainContext context(shell.folder.root(),
                        Ports{shell.timers, shell.lessonPlayer, shell.wordPlayer, shell.dialogs,
                              shell.desktop, shell.screen, measurer, shell.recorder, shell.feedback,
                              shell.background});
    if (!shell.folder.isValid() || !writeBook(shell, 184) ||
        !shell.folder.writeCp936(QStringLiteral("Book/Kelvaro/1.dat"),
                                 passedHalfLesson(sentences)) ||
        !shell.writeSettings(defaultSettings())) {
        state.SkipWithError("the program folder could not be written");
        return;
    }
    MainController controller(context);
    if (!controller.startUp() || context.state.SentenceCount != sentences) {
        state.SkipWithError("start-up did not open the lesson");
        return;
    }
    TwipScale scale;
    QWidget window;
    window.resize(scale.rect(context.state.geometry.window).size());
    ResultsPicture view(scale, controller, &window);
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);

    bool passed = false;
    for (auto _ : state) {
        state.PauseTiming();
        passed = !passed;
        QString record = clearDoneField(context.state.record(1));
        if (passed)
            record.insert(record.size() - 1, u'1'); // the Done field is the record's last
        context.state.setRecord(1, record);
        state.ResumeTiming();
        showResults(context);
        view.refresh(context.state.results);
        view.render(&image);
    }
    state.counters["lessons"] = context.state.results.BookLessonCountLabel;
    state.counters["sentences"] = double(sentences);
}
BENCHMARK(BM_ShowResults)->Unit(benchmark::kMillisecond); // goal: under 16 ms

} // namespace
