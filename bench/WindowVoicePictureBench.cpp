// The read-after voice picture: one paint of a 5-second sentence and a 6-second take, as each
// move of a play cursor repaints it.
#include "picture/VoiceComparisonPainter.h"
#include "ui/Fonts.h"
#include "ui/VoiceComparisonPicture.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>

using namespace kelvaro;

namespace {

// A reading of syllables: a voiced hump every quarter second with a falling contour.
VoiceTrack syllables(double seconds)
{
    VoiceTrack track;
    const int frames = int(seconds / kVoiceFrameSeconds);
    track.seconds = seconds;
    track.envelope.resize(size_t(frames));
    track.semitones.resize(size_t(frames));
    track.pitchHz.resize(size_t(frames));
    for (int f = 0; f < frames; ++f) {
        const double phase = std::fmod(f * kVoiceFrameSeconds, 0.25) / 0.25;
        const bool voiced = phase < 0.7;
        track.envelope[size_t(f)] = float(voiced ? std::sin(phase / 0.7 * M_PI) * 0.6 : 0.02);
        track.semitones[size_t(f)] = voiced ? float(4 - 8 * double(f) / frames + 2 * phase) : NAN;
        track.pitchHz[size_t(f)] = voiced ? 180.0f : 0.0f;
    }
    track.medianHz = 180;
    track.speechBegin = 10;
    track.speechEnd = frames - 10;
    return track;
}

VoiceComparison comparison()
{
    VoiceComparison c;
    c.lesson = syllables(5);
    c.take = syllables(6);
    const int n = c.lesson.speechEnd - c.lesson.speechBegin;
    const int m = c.take.speechEnd - c.take.speechBegin;
    c.takeFrameAt.assign(size_t(c.lesson.frames()), -1);
    c.warpedTakeSemitones.assign(size_t(c.lesson.frames()), NAN);
    for (int i = 0; i < n; ++i) {
        const int l = c.lesson.speechBegin + i;
        const int t = c.take.speechBegin + i * m / n;
        c.path.emplace_back(l, t);
        c.takeFrameAt[size_t(l)] = t;
        c.warpedTakeSemitones[size_t(l)] = c.take.semitones[size_t(t)] + 1;
    }
    c.stressFrame = 200;
    c.score = 72;
    return c;
}

// The picture at the size the panel gives it at 96 DPI (range(0) = 1) and on a 2x screen.
void BM_PaintVoicePicture(benchmark::State& state)
{
    const int scale = int(state.range(0));
    const VoiceComparison c = comparison();
    QImage image(600 * scale, 230 * scale, QImage::Format_ARGB32_Premultiplied);
    QFont font = interfaceFont(9);
    font.setPixelSize(12 * scale);
    double cursor = 0;
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setFont(font);
        paintVoicePicture(painter, QRectF(image.rect()), {&c.lesson, &c, cursor, cursor * 1.2});
        cursor = std::fmod(cursor + 0.03, 5.0);
    }
}
BENCHMARK(BM_PaintVoicePicture)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond); // goal: 16 ms

// A play cursor's step as the read-after panel's picture widget redraws it.
void BM_MoveVoiceCursor(benchmark::State& state)
{
    auto drawn = std::make_shared<const VoiceComparison>(comparison());
    VoiceComparisonPicture picture;
    picture.resize(600, 230);
    picture.setReadings(std::make_shared<const VoiceTrack>(drawn->lesson), drawn);
    QImage image(picture.size(), QImage::Format_ARGB32_Premultiplied);
    picture.render(&image);
    double cursor = 0;
    for (auto _ : state) {
        picture.setCursors(cursor, cursor * 1.2);
        picture.render(&image);
        cursor = std::fmod(cursor + 0.03, 5.0);
    }
}
BENCHMARK(BM_MoveVoiceCursor)->Unit(benchmark::kMicrosecond); // goal: under 1 ms

} // namespace
