// The real measurer against Qt's plain measuring of each whole text: its remembered widths and
// its summed Latin widths must change no size and no geometry of an opened lesson.
#include "LessonTexts.h"
#include "ShellFixture.h"

#include "app/StartUp.h"
#include "modes/FullTextPage.h"
#include "ui/Fonts.h"
#include "ui/QtTextMeasurer.h"

#include <QFontMetricsF>
#include <QRandomGenerator>
#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>

using namespace kelvaro;

namespace {

/// Measures every text afresh, as Qt shapes it whole: what the views' sizes must stay.
class ShapingMeasurer : public TextMeasurer
{
public:
    explicit ShapingMeasurer(int logicalDpi) : m_twipsPerPixel(1440.0 / logicalDpi) {}

    QSize measure(const QString& text, TextFont font) const override
    {
        const double width = QFontMetricsF(fontFor(font)).horizontalAdvance(text);
        return QSize(int(std::ceil(width * m_twipsPerPixel)), lineHeight(font));
    }

    int lineHeight(TextFont font) const override
    {
        return int(std::ceil(QFontMetricsF(fontFor(font)).height() * m_twipsPerPixel));
    }

private:
    double m_twipsPerPixel;
};

constexpr TextFont kFonts[] = {TextFont::SentenceWord,       TextFont::SentenceChinese,
                               TextFont::FullTextWord,       TextFont::FullTextChinese,
                               TextFont::TranslationEnglish, TextFont::TranslationChinese,
                               TextFont::PopupHeadword};

class QtTextMeasurerTest : public ::testing::Test
{
protected:
    void SetUp() override { registerFontSubstitutions(); }
};

} // namespace

TEST_F(QtTextMeasurerTest, EveryFontGivesTheWidthOfTheWholeTextAgainAndAgain)
{
    const QStringList texts = {
        QString(),
        QStringLiteral("The books are walking."),
        QStringLiteral("AVAT ffi, To. 1/2"),
        QStringLiteral("中文翻译，第12句。"),
        QStringLiteral("Tom 说：“你好！”"),
        QStringLiteral("\u201cQuoted,\u201d she said \u2014 caf\u00e9."),
        QStringLiteral("tab\tand more"),
    };
    for (const int dpi : {96, 144}) {
        const QtTextMeasurer measurer(dpi);
        const ShapingMeasurer shaping(dpi);
        for (const TextFont font : kFonts) {
            SCOPED_TRACE(testing::Message() << "dpi " << dpi << ", font " << int(font));
            EXPECT_EQ(measurer.lineHeight(font), shaping.lineHeight(font));
            for (int round = 0; round < 2; ++round) { // measured, then remembered
                for (const QString& text : texts)
                    EXPECT_EQ(measurer.measure(text, font), shaping.measure(text, font))
                        << qPrintable(text);
            }
        }
    }
}

TEST_F(QtTextMeasurerTest, AFontThatForgetsItsTextsStillMeasuresThem)
{
    const QtTextMeasurer measurer(96);
    const ShapingMeasurer shaping(96);
    const TextFont font = TextFont::TranslationChinese;
    auto text = [](int i) { return QStringLiteral("第%1句。").arg(i); };
    const QSize first = measurer.measure(text(1), font);
    for (int i = 2; i <= QtTextMeasurer::kRememberedTexts + 10; ++i)
        measurer.measure(text(i), font);
    EXPECT_EQ(measurer.measure(text(1), font), first);
    EXPECT_EQ(measurer.measure(text(QtTextMeasurer::kRememberedTexts + 10), font),
              shaping.measure(text(QtTextMeasurer::kRememberedTexts + 10), font));
}

namespace {

/// A lesson with varied text: mixed case, punctuation, digits, curly quotes and accents (which
/// are shaped, not summed), sentences long enough to wrap on the translation page and to fill
/// many full-text lines.
QString variedLesson()
{
    const QStringList words = {
        QStringLiteral("Tom"),     QStringLiteral("AVAILABLE"), QStringLiteral("office"),
        QStringLiteral("waffle"),  QStringLiteral("1,000"),     QStringLiteral("It's"),
        QStringLiteral("Yes"),     QStringLiteral("caf\u00e9"), QStringLiteral("\u201cWow\u201d"),
        QStringLiteral("walking"), QStringLiteral("To"),        QStringLiteral("V.A.T."),
    };
    const QStringList marks = {QStringLiteral(""), QStringLiteral(", "), QStringLiteral("; "),
                               QStringLiteral(" - ")};
    QRandomGenerator random(7);
    QStringList records;
    for (int s = 0; s < 120; ++s) {
        QString english = QStringLiteral("^");
        const int count = s % 7 == 0 ? 40 : random.bounded(1, 12);
        for (int w = 0; w < count; ++w) {
            const QString& word = words[random.bounded(words.size())];
            english += word + QStringLiteral(" $") + word.toLower() + QStringLiteral("$^");
            const QString& mark = marks[random.bounded(marks.size())];
            if (!mark.isEmpty())
                english += mark + u'^';
        }
        english += QStringLiteral(".^");
        QString chinese = QStringLiteral("第%1句：").arg(s + 1);
        for (int c = s % 5 == 0 ? 60 : random.bounded(1, 15); c > 0; --c)
            chinese += QChar(0x4E00 + random.bounded(0x500));
        records.append(
            lessonRecord(english, chinese + u'。', QString::number(s), QString::number(s + 1)));
    }
    return lessonText(records);
}

void expectSameGeometry(const ElementArray& actual, const ElementArray& expected, const char* name)
{
    ASSERT_EQ(actual.size(), expected.size()) << name;
    for (int i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(actual[i].geometry, expected[i].geometry) << name << ' ' << i;
        EXPECT_EQ(actual[i].wraps, expected[i].wraps) << name << ' ' << i;
    }
}

} // namespace

TEST_F(QtTextMeasurerTest, AnOpenedLessonIsLaidOutAsWithEveryTextShapedWhole)
{
    ShellFixture shell;
    ASSERT_TRUE(shell.folder.isValid());
    ASSERT_TRUE(shell.writeLesson(1, variedLesson()));
    const QtTextMeasurer real(shell.screen.logicalDpi());
    const ShapingMeasurer shaping(shell.screen.logicalDpi());
    auto open = [&](const TextMeasurer& measurer) {
        auto context = std::make_unique<MainContext>(
            shell.folder.root(),
            Ports{shell.timers, shell.lessonPlayer, shell.wordPlayer, shell.dialogs, shell.desktop,
                  shell.screen, measurer, shell.recorder, shell.feedback, shell.background});
        EXPECT_TRUE(startUp(*context));
        return context;
    };
    const auto expected = open(shaping);
    const auto actual = open(real);
    MainState& a = actual->state;
    MainState& e = expected->state;
    ASSERT_EQ(a.SentenceCount, 120);

    // The page with and without the Chinese lines.
    for (const bool chinese : {true, false}) {
        SCOPED_TRACE(chinese ? "English and Chinese" : "English only");
        layoutFullText(a, chinese);
        layoutFullText(e, chinese);
        expectSameGeometry(a.fullText.AllWordTextLabel, e.fullText.AllWordTextLabel, "cell");
        expectSameGeometry(a.fullText.AllWordLine, e.fullText.AllWordLine, "underline");
        expectSameGeometry(a.fullText.AllChineseLabel, e.fullText.AllChineseLabel, "Chinese");
        EXPECT_EQ(a.fullText.scroll.page, e.fullText.scroll.page);
    }
    const TranslationView& at = a.translation;
    const TranslationView& et = e.translation;
    expectSameGeometry(at.EnglishTextLabel, et.EnglishTextLabel, "English");
    expectSameGeometry(at.ChineseTextLabel, et.ChineseTextLabel, "Chinese");
    expectSameGeometry(at.ChinesePointLabel, et.ChinesePointLabel, "cover");
    expectSameGeometry(at.SenLine, et.SenLine, "line");
    EXPECT_EQ(at.scroll.page, et.scroll.page);
    // Some lines of each language wrap, so the widths decided the heights below them.
    auto wrapped = [](const ElementArray& lines) {
        return std::count_if(lines.begin(), lines.end(), [](const auto& l) { return l.wraps; });
    };
    EXPECT_GT(wrapped(at.EnglishTextLabel), 0);
    EXPECT_GT(wrapped(at.ChineseTextLabel), 0);
}
