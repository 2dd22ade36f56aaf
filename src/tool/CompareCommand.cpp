// compare: a learner's take set against the lesson's reading of a sentence, as the read-after
// panel analyses and draws it.
#include "Commands.h"
#include "ToolIo.h"

#include "analysis/VoiceAnalysis.h"
#include "picture/PictureColours.h"
#include "picture/VoiceComparisonPainter.h"
#include "playback/SegmentRenderer.h"
#include "playback/WavFile.h"

#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QPainter>
#include <QSaveFile>

#include <cmath>

namespace kelvaro::tool {

namespace {

// The picture's size in the PNG; the score column stands at its right as in the panel.
constexpr int kPictureWidth = 1200;
constexpr int kPictureHeight = 420;
constexpr int kScoreWidth = 210;

// Share of the speech frames that are voiced.
double voicedShare(const VoiceTrack& track)
{
    if (!track.hasSpeech())
        return 0;
    int voiced = 0;
    for (int f = track.speechBegin; f < track.speechEnd; ++f)
        voiced += track.pitchHz[size_t(f)] > 0 ? 1 : 0;
    return double(voiced) / (track.speechEnd - track.speechBegin);
}

// NaN (an unvoiced frame) becomes null: JSON has no NaN.
QJsonArray numbers(const std::vector<float>& values)
{
    QJsonArray array;
    for (float v : values)
        array.append(std::isfinite(v) ? QJsonValue(double(v)) : QJsonValue());
    return array;
}

QJsonObject trackJson(const VoiceTrack& track)
{
    return {
        {QStringLiteral("seconds"), track.seconds},
        {QStringLiteral("frames"), track.frames()},
        {QStringLiteral("medianHz"), double(track.medianHz)},
        {QStringLiteral("voicedShare"), voicedShare(track)},
        {QStringLiteral("speechBeginFrame"), track.speechBegin},
        {QStringLiteral("speechEndFrame"), track.speechEnd},
        {QStringLiteral("speechBegin"), track.speechBegin * kVoiceFrameSeconds},
        {QStringLiteral("speechEnd"), track.speechEnd * kVoiceFrameSeconds},
        {QStringLiteral("envelope"), numbers(track.envelope)},
        {QStringLiteral("energyDb"), numbers(track.energyDb)},
        {QStringLiteral("pitchHz"), numbers(track.pitchHz)},
        {QStringLiteral("semitones"), numbers(track.semitones)},
    };
}

QJsonObject comparisonJson(const VoiceComparison& c)
{
    QJsonArray path;
    for (const auto& [lesson, take] : c.path)
        path.append(QJsonArray{lesson, take});
    return {
        {QStringLiteral("score"), c.score},
        {QStringLiteral("advice"), QLatin1String(voiceAdviceName(c.advice))},
        {QStringLiteral("adviceText"), voiceAdviceText(c.advice)},
        {QStringLiteral("durationRatio"), c.durationRatio},
        {QStringLiteral("pitchCorrelation"), c.pitchCorrelation},
        {QStringLiteral("alignmentCost"), c.alignmentCost},
        {QStringLiteral("stressFrame"), c.stressFrame},
        {QStringLiteral("frameSeconds"), kVoiceFrameSeconds},
        {QStringLiteral("lesson"), trackJson(c.lesson)},
        {QStringLiteral("take"), trackJson(c.take)},
        {QStringLiteral("warpedTakeSemitones"), numbers(c.warpedTakeSemitones)},
        {QStringLiteral("path"), path},
    };
}

QString trackLine(const QString& name, const VoiceTrack& track)
{
    return QStringLiteral("%1: median %2 Hz, voiced %3 %, speech %4-%5 s\n")
        .arg(name)
        .arg(track.medianHz, 0, 'f', 1)
        .arg(100 * voicedShare(track), 0, 'f', 1)
        .arg(track.speechBegin * kVoiceFrameSeconds, 0, 'f', 2)
        .arg(track.speechEnd * kVoiceFrameSeconds, 0, 'f', 2);
}

QString report(const VoiceComparison& c)
{
    return QStringLiteral("score: %1\nadvice: %2\nduration ratio: %3\npitch correlation: %4\n"
                          "alignment cost: %5\n")
               .arg(c.score)
               .arg(voiceAdviceText(c.advice))
               .arg(c.durationRatio, 0, 'f', 3)
               .arg(c.pitchCorrelation, 0, 'f', 3)
               .arg(c.alignmentCost, 0, 'f', 3) +
           trackLine(QStringLiteral("lesson"), c.lesson) +
           trackLine(QStringLiteral("take"), c.take);
}

// The same painter as the window's, at a fixed size, with the score at its right.
Status writePicture(const QString& path, const VoiceComparison& comparison)
{
    QImage image(kPictureWidth, kPictureHeight, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(3780); // 96 DPI, as the window is drawn at
    image.setDotsPerMeterY(3780);
    image.fill(theme::kPanel);
    {
        QPainter painter(&image);
        QFont font(QStringLiteral("Noto Sans CJK SC"));
        font.setPixelSize(15);
        painter.setFont(font);
        const double margin = 12;
        const QRectF picture(margin, margin, kPictureWidth - kScoreWidth - 2 * margin,
                             kPictureHeight - 2 * margin);
        paintVoicePicture(painter, picture, {&comparison.lesson, &comparison, -1, -1});
        paintVoiceScore(painter,
                        QRectF(picture.right() + margin * 1.5, margin, kScoreWidth - margin * 1.5,
                               kPictureHeight - 2 * margin),
                        &comparison);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        return Error{QStringLiteral("Could not write the picture \"%1\".").arg(path)};
    return Status::success();
}

} // namespace

int compareCommand(const QStringList& args)
{
    const QString usage = QStringLiteral(
        "usage: kelvaro-tool compare LESSON_AUDIO START END TAKE.wav [--png OUT.png] [--json]");
    QStringList positional;
    QString png;
    bool json = false;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--json")) {
            json = true;
        } else if (args[i] == QLatin1String("--png")) {
            if (++i == args.size())
                return writeErr(QStringLiteral("--png needs a file name.\n") + usage), kUsage;
            png = args[i];
        } else if (args[i].startsWith(QLatin1String("--"))) {
            return writeErr(QStringLiteral("Unknown option %1.\n").arg(args[i]) + usage), kUsage;
        } else {
            positional << args[i];
        }
    }
    if (positional.size() != 4)
        return writeErr(usage), kUsage;
    const auto stretch = readStretch(positional[1], positional[2], usage);
    if (!stretch)
        return kUsage;
    const auto [start, end] = *stretch;
    if (start < 0 || start >= end) {
        writeErr(QStringLiteral("START must be at least 0 and lie before END.\n") + usage);
        return kUsage;
    }
    const QString& lessonPath = positional[0];
    const QString& takePath = positional[3];
    if (!QFileInfo(lessonPath).isFile())
        return writeErr(QStringLiteral("The recording \"%1\" does not exist.").arg(lessonPath)),
               kRefused;
    const auto lesson = renderSegment(lessonPath, start, end);
    if (!lesson)
        return writeErr(lesson.error()), kRefused;
    const auto take = readWav(takePath);
    if (!take)
        return writeErr(take.error()), kRefused;

    const VoiceTrack lessonTrack =
        analyseVoice(voiceSignal(lesson->samples, lesson->format.channels, lesson->format.rate),
                     VoiceReading::Lesson);
    const VoiceTrack takeTrack =
        analyseVoice(voiceSignal(take->samples, take->format.channels, take->format.rate));
    const VoiceComparison comparison = compareVoices(lessonTrack, takeTrack);

    if (!png.isEmpty()) {
        const Status written = writePicture(png, comparison);
        if (!written)
            return writeErr(written.error()), kRefused;
    }
    if (json)
        writeJson(QJsonDocument(comparisonJson(comparison)));
    else
        writeOut(report(comparison));
    return kOk;
}

} // namespace kelvaro::tool
