// The read-after voice picture: what the painter draws where, what a click on it plays, and the
// score column of the panel.
#include "picture/PictureColours.h"
#include "ui/ReadAfterPanel.h"
#include "ui/VoiceComparisonPicture.h"

#include "app/MainController.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ShellFixture.h"

namespace kelvaro {
namespace {

constexpr float kUnvoiced = std::numeric_limits<float>::quiet_NaN();

// A reading of `frames` frames whose speech, at half scale, fills [begin, end).
VoiceTrack reading(int frames, int begin, int end)
{
    VoiceTrack track;
    track.seconds = frames * kVoiceFrameSeconds;
    track.envelope.assign(size_t(frames), 0.001f);
    std::fill(track.envelope.begin() + begin, track.envelope.begin() + end, 0.5f);
    track.energyDb.assign(size_t(frames), -60.0f);
    track.pitchHz.assign(size_t(frames), 0.0f);
    track.semitones.assign(size_t(frames), kUnvoiced);
    track.mfcc.assign(size_t(frames) * kVoiceMfccCoefficients, 0.0f);
    track.medianHz = 200;
    track.speechBegin = begin;
    track.speechEnd = end;
    return track;
}

void voice(std::vector<float>& semitones, int from, int to, float value)
{
    std::fill(semitones.begin() + from, semitones.begin() + to, value);
}

// The lesson speaks frames 20..180 (1.6 s) with a high syllable (+3) then a low one (-3) and an
// unvoiced gap between; the take speaks twice as slowly, its only rise (+6) warped onto lesson
// frames 120..160.
VoiceComparison slowTake()
{
    VoiceComparison c;
    c.lesson = reading(200, 20, 180);
    voice(c.lesson.semitones, 40, 80, 3);
    voice(c.lesson.semitones, 100, 140, -3);
    c.take = reading(360, 20, 340);
    c.takeFrameAt.assign(200, -1);
    for (int l = 20; l < 180; ++l) {
        c.path.emplace_back(l, 20 + 2 * (l - 20));
        c.takeFrameAt[size_t(l)] = 20 + 2 * (l - 20);
    }
    c.warpedTakeSemitones.assign(200, kUnvoiced);
    voice(c.warpedTakeSemitones, 120, 160, 6);
    c.durationRatio = 2;
    c.score = 41;
    c.advice = VoiceAdvice::TooSlow;
    return c;
}

bool near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue()) <
           60;
}

struct Drawn
{
    QImage image;
    VoicePictureLayout layout;
    QColor at(double x, double y) const { return image.pixelColor(int(x), int(y)); }
};

Drawn draw(const VoicePicture& picture)
{
    Drawn drawn{QImage(800, 440, QImage::Format_ARGB32_Premultiplied), {}};
    drawn.image.fill(Qt::white);
    QPainter painter(&drawn.image);
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(14);
    painter.setFont(font);
    const QRectF rect(0, 0, 800, 440);
    paintVoicePicture(painter, rect, picture);
    drawn.layout = layoutVoicePicture(rect, font, picture);
    return drawn;
}

TEST(VoicePicturePainter, DrawsEachContourWhereItsFramesLieAndLeavesUnvoicedGapsOpen)
{
    VoiceComparison c = slowTake();
    c.stressFrame = 120;
    const Drawn d = draw({&c.lesson, &c, -1, -1});
    const VoiceTimeAxis& lesson = d.layout.lessonAxis;
    ASSERT_TRUE(lesson.isValid());
    struct Spot
    {
        const char* what;
        int frame;
        double semitones;
        QColor colour;
        bool drawn;
    };
    const Spot spots[] = {
        {"lesson's high syllable", 60, 3, theme::kLessonVoice, true},
        {"lesson's low syllable", 120, -3, theme::kLessonVoice, true},
        {"no lesson line across the gap", 90, 0, theme::kLessonVoice, false},
        {"take's rise where the warp puts it", 140, 6, theme::kLearnerVoice, true},
        {"no take rise where the take is unvoiced", 60, 6, theme::kLearnerVoice, false},
        {"no take line at the lesson's pitch", 60, 3, theme::kLearnerVoice, false},
    };
    for (const Spot& s : spots)
        EXPECT_EQ(near(d.at(lesson.frameX(s.frame), d.layout.pitchY(s.semitones)), s.colour),
                  s.drawn)
            << s.what;
    // The stress mark stands over the lesson's frame 120 at the top of the pitch panel.
    EXPECT_TRUE(
        near(d.at(lesson.frameX(120), d.layout.pitchPanel.top() + 2), theme::kLearnerVoice));
    EXPECT_FALSE(
        near(d.at(lesson.frameX(60), d.layout.pitchPanel.top() + 2), theme::kLearnerVoice));
}

TEST(VoicePicturePainter, BothWaveformsShareOneScaleSoASlowTakeIsDrawnLonger)
{
    const VoiceComparison c = slowTake();
    const Drawn d = draw({&c.lesson, &c, -1, -1});
    const VoiceTimeAxis& lesson = d.layout.lessonAxis;
    const VoiceTimeAxis& take = d.layout.takeAxis;
    EXPECT_DOUBLE_EQ(lesson.pixelsPerSecond, take.pixelsPerSecond);
    // Each strip starts just before its speech, so the first syllables stand one above the other.
    EXPECT_NEAR(lesson.x(0.2), take.x(0.2), 1);
    const double lessonMiddle = d.layout.lessonStrip.center().y();
    const double takeMiddle = d.layout.takeStrip.center().y();
    EXPECT_TRUE(near(d.at(lesson.x(1.0), lessonMiddle - 5), theme::kLessonVoice));
    EXPECT_TRUE(near(d.at(take.x(3.0), takeMiddle - 5), theme::kLearnerVoice));
    // At the take's 3rd second the lesson has long finished.
    EXPECT_FALSE(near(d.at(lesson.x(3.0), lessonMiddle - 5), theme::kLessonVoice));
}

TEST(VoicePicturePainter, BeforeATakeOnlyTheLessonIsDrawn)
{
    VoiceTrack lesson = slowTake().lesson;
    const Drawn d = draw({&lesson, nullptr, -1, -1});
    const VoiceTimeAxis& axis = d.layout.lessonAxis;
    EXPECT_FALSE(d.layout.takeAxis.isValid());
    EXPECT_TRUE(near(d.at(axis.frameX(60), d.layout.pitchY(3)), theme::kLessonVoice));
    for (double seconds : {0.5, 1.0, 1.5})
        EXPECT_FALSE(
            near(d.at(axis.x(seconds), d.layout.takeStrip.center().y() - 5), theme::kLearnerVoice))
            << seconds;
}

TEST(VoicePicturePainter, ATakeFrameMapsToTheLessonFrameItWasAlignedTo)
{
    const VoiceComparison c = slowTake();
    const std::pair<int, int> cases[] = {
        {20, 20}, {100, 60}, {101, 61}, {338, 179}, {339, -1}, {10, -1}, {-1, -1},
    };
    for (const auto& [take, lesson] : cases)
        EXPECT_EQ(lessonFrameForTake(c, take), lesson) << "take frame " << take;
    EXPECT_EQ(lessonFrameForTake(VoiceComparison{}, 0), -1);
}

TEST(VoiceComparisonPictureWidget, AClickPlaysTheReadingUnderItFromThatPoint)
{
    auto comparison = std::make_shared<const VoiceComparison>(slowTake());
    VoiceComparisonPicture picture;
    picture.resize(700, 300);
    picture.setReadings(std::make_shared<const VoiceTrack>(comparison->lesson), comparison);
    picture.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&picture));
    const VoicePictureLayout layout = picture.pictureLayout();
    const double tolerance = 1 / layout.lessonAxis.pixelsPerSecond;
    enum class Plays { Nothing, Lesson, Take };
    struct Case
    {
        const char* where;
        QPointF point;
        Plays plays;
        double seconds;
    };
    const Case cases[] = {
        {"lesson strip",
         {layout.lessonAxis.x(1.0), layout.lessonStrip.center().y()},
         Plays::Lesson,
         1.0},
        {"pitch panel",
         {layout.lessonAxis.x(0.5), layout.pitchPanel.center().y()},
         Plays::Lesson,
         0.5},
        {"take strip", {layout.takeAxis.x(2.5), layout.takeStrip.center().y()}, Plays::Take, 2.5},
        {"lesson strip past its end",
         {layout.lessonAxis.x(3.0), layout.lessonStrip.center().y()},
         Plays::Nothing,
         0},
        {"caption", {4, layout.takeStrip.center().y()}, Plays::Nothing, 0},
    };
    for (const Case& c : cases) {
        QSignalSpy lesson(&picture, &VoiceComparisonPicture::lessonClicked);
        QSignalSpy take(&picture, &VoiceComparisonPicture::takeClicked);
        QTest::mouseClick(&picture, Qt::LeftButton, {}, c.point.toPoint());
        ASSERT_EQ(lesson.size(), c.plays == Plays::Lesson ? 1 : 0) << c.where;
        ASSERT_EQ(take.size(), c.plays == Plays::Take ? 1 : 0) << c.where;
        QSignalSpy& spy = c.plays == Plays::Take ? take : lesson;
        if (c.plays != Plays::Nothing) {
            EXPECT_NEAR(spy.front().front().toDouble(), c.seconds, tolerance) << c.where;
        }
    }

    // Before a take, the take's strip plays nothing.
    picture.setReadings(std::make_shared<const VoiceTrack>(comparison->lesson), nullptr);
    QSignalSpy take(&picture, &VoiceComparisonPicture::takeClicked);
    QTest::mouseClick(&picture, Qt::LeftButton, {},
                      QPoint(int(layout.lessonAxis.x(1.0)), int(layout.takeStrip.center().y())));
    EXPECT_EQ(take.size(), 0);
}

TEST(VoiceComparisonPictureWidget, ANewTakeIsDrawnAtOnceAndTheCursorsComeAndGo)
{
    auto comparison = std::make_shared<const VoiceComparison>(slowTake());
    auto lesson = std::make_shared<const VoiceTrack>(comparison->lesson);
    VoiceComparisonPicture picture;
    picture.resize(700, 300);
    picture.setReadings(lesson, nullptr);
    const auto colourAt = [&picture](QPointF point) {
        return picture.grab().toImage().pixelColor(point.toPoint());
    };
    // On the take's strip, where its speech lies once there is one.
    VoicePictureLayout layout = picture.pictureLayout();
    EXPECT_FALSE(near(colourAt({layout.lessonAxis.x(1.0), layout.takeStrip.center().y() - 5}),
                      theme::kLearnerVoice));
    picture.setReadings(lesson, comparison);
    layout = picture.pictureLayout();
    EXPECT_TRUE(near(colourAt({layout.takeAxis.x(1.0), layout.takeStrip.center().y() - 5}),
                     theme::kLearnerVoice));

    // The lesson's cursor at 1.0 s over a quiet spot of the pitch panel, then gone again.
    const QPointF quiet(layout.lessonAxis.x(1.0), layout.pitchY(-4.5));
    ASSERT_TRUE(near(colourAt(quiet), Qt::white));
    picture.setCursors(1.0, -1);
    EXPECT_FALSE(near(colourAt(quiet), Qt::white));
    picture.setCursors(-1, -1);
    EXPECT_TRUE(near(colourAt(quiet), Qt::white));
}

class VoicePanelTest : public ::testing::Test
{
protected:
    VoicePanelTest() : controller(shell.context()), panel(scale, controller)
    {
        shell.state().sentence.SenChineseLabel.geometry = {450, 900, 6000, 300};
    }
    template <typename T> T* child(const char* name)
    {
        return panel.findChild<T*>(QLatin1String(name));
    }

    ShellFixture shell;
    MainController controller;
    TwipScale scale{96};
    ReadAfterPanel panel;
};

TEST_F(VoicePanelTest, ThePictureStandsUnderTheSentenceWithTheScoreBesideIt)
{
    panel.layoutChildren({0, 0, 9000, 7000});
    panel.refresh(shell.state());
    auto* picture = child<VoiceComparisonPicture>("VoiceComparisonPicture");
    auto* score = child<QLabel>("VoiceScoreLabel");
    auto* unit = child<QLabel>("VoiceScoreUnitLabel");
    auto* advice = child<QLabel>("VoiceAdviceLabel");
    ASSERT_TRUE(picture && score && unit && advice);
    // Under the Chinese line, above the hint, clear of the score column.
    EXPECT_EQ(picture->geometry(), scale.rect({450, 1400, 9000 - 900 - 2000, 4900 - 1400}));
    EXPECT_FALSE(picture->isHidden());
    EXPECT_EQ(score->text(), QStringLiteral("—"));
    EXPECT_TRUE(unit->isHidden());
    EXPECT_TRUE(advice->text().isEmpty());

    shell.state().readAfter.comparison = std::make_shared<const VoiceComparison>(slowTake());
    panel.refresh(shell.state());
    EXPECT_EQ(score->text(), QStringLiteral("41"));
    EXPECT_FALSE(unit->isHidden());
    EXPECT_EQ(advice->text(), voiceAdviceText(VoiceAdvice::TooSlow));
    EXPECT_EQ(picture->picture().comparison, shell.state().readAfter.comparison.get());
    EXPECT_GE(score->geometry().left(), picture->geometry().right());

    // A longer sentence pushes the picture down.
    shell.state().sentence.SenChineseLabel.geometry.height = 900;
    panel.refresh(shell.state());
    EXPECT_EQ(picture->geometry().top(), scale.px(900 + 900 + 200));
}

TEST_F(VoicePanelTest, ThePictureAndScoreHideWhenThePanelIsTooLowForThem)
{
    shell.state().readAfter.comparison = std::make_shared<const VoiceComparison>(slowTake());
    panel.refresh(shell.state());
    // 3300 twips high: the hint's top is 1320, under the sentence's 1400.
    panel.layoutChildren({0, 0, 9000, 3300});
    for (const char* name :
         {"VoiceComparisonPicture", "VoiceScoreLabel", "VoiceScoreUnitLabel", "VoiceAdviceLabel"})
        EXPECT_TRUE(child<QWidget>(name)->isHidden()) << name;
    panel.layoutChildren({0, 0, 9000, 7000});
    for (const char* name :
         {"VoiceComparisonPicture", "VoiceScoreLabel", "VoiceScoreUnitLabel", "VoiceAdviceLabel"})
        EXPECT_FALSE(child<QWidget>(name)->isHidden()) << name;
}

} // namespace
} // namespace kelvaro
