#include "VoiceComparisonPainter.h"

#include "PictureColours.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace kelvaro {

namespace {

// Each strip starts this long before its speech and ends this long after it, so the two
// readings' first syllables stand one above the other however long the silences around them.
constexpr double kMargin = 0.15;
constexpr double kGridStep = 3; // semitones between grid lines
constexpr double kFrame = kVoiceFrameSeconds;

const QString kLessonCaption = QStringLiteral("标准读音");
const QString kTakeCaption = QStringLiteral("您的读音");

// The part of a reading that is drawn, in seconds; empty when there is nothing to draw.
std::pair<double, double> shownRange(const VoiceTrack* track)
{
    if (!track || track->frames() == 0 || track->seconds <= 0)
        return {0, 0};
    if (!track->hasSpeech())
        return {0, track->seconds};
    return {std::max(0.0, track->speechBegin * kFrame - kMargin),
            std::min(track->seconds, track->speechEnd * kFrame + kMargin)};
}

// Contours beyond the range are clipped; a wider range than an octave flattens every contour.
double semitoneRangeFor(const VoicePicture& picture)
{
    double largest = 0;
    const auto widen = [&largest](const std::vector<float>& values) {
        for (float v : values)
            if (std::isfinite(v))
                largest = std::max(largest, double(std::abs(v)));
    };
    if (const VoiceTrack* lesson = picture.lessonTrack())
        widen(lesson->semitones);
    if (picture.comparison)
        widen(picture.comparison->warpedTakeSemitones);
    return std::clamp(std::ceil(largest / kGridStep) * kGridStep, 2 * kGridStep, 4 * kGridStep);
}

double lineWidth(const QRectF& rect)
{
    return std::max(1.0, rect.height() / 220);
}

void drawCaption(QPainter& painter, const QRectF& area, const QString& text, const QColor& colour)
{
    painter.setPen(colour);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, text);
}

// The envelope mirrored about the strip's middle, each reading scaled to its own loudest
// frame so that a quiet take has the same shape as a loud one.
void drawWave(QPainter& painter, const QRectF& strip, const VoiceTimeAxis& axis,
              const VoiceTrack& track, const QColor& colour, double width)
{
    const double middle = strip.center().y();
    painter.setPen(QPen(theme::kBorder, width * 0.75));
    painter.drawLine(QPointF(strip.left(), middle), QPointF(strip.right(), middle));
    const int first = std::max(0, int(std::floor(axis.from / kFrame)));
    const int last = std::min(track.frames(), int(std::ceil(axis.to / kFrame)));
    if (last <= first)
        return;
    float peak = 0.02f;
    for (int f = first; f < last; ++f)
        peak = std::max(peak, track.envelope[size_t(f)]);
    const double half = strip.height() / 2 * 0.92;
    QPolygonF outline;
    outline.reserve(2 * (last - first));
    for (int f = first; f < last; ++f)
        outline << QPointF(axis.frameX(f), middle - track.envelope[size_t(f)] / peak * half);
    for (int f = last - 1; f >= first; --f)
        outline << QPointF(axis.frameX(f), middle + track.envelope[size_t(f)] / peak * half);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(outline);
    painter.setBrush(Qt::NoBrush);
}

// A contour by lesson frame; an unvoiced frame (NaN) breaks the line.
void drawContour(QPainter& painter, const VoicePictureLayout& layout,
                 const std::vector<float>& semitones, const QColor& colour, double width)
{
    QPainterPath path;
    bool open = false;
    const double half = layout.lessonAxis.pixelsPerSecond * kFrame / 2;
    for (size_t f = 0; f < semitones.size(); ++f) {
        const float v = semitones[f];
        if (!std::isfinite(v)) {
            open = false;
            continue;
        }
        const QPointF point(layout.lessonAxis.frameX(int(f)), layout.pitchY(v));
        const bool nextVoiced = f + 1 < semitones.size() && std::isfinite(semitones[f + 1]);
        if (!open && !nextVoiced) {
            // A lone voiced frame still shows, as a short dash one frame wide.
            path.moveTo(point - QPointF(half, 0));
            path.lineTo(point + QPointF(half, 0));
            continue;
        }
        if (open)
            path.lineTo(point);
        else
            path.moveTo(point);
        open = true;
    }
    QPen pen(colour, width * 2.2);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.drawPath(path);
}

void drawGrid(QPainter& painter, const QRectF& gutter, const VoicePictureLayout& layout,
              double width)
{
    const QFontMetricsF metrics(painter.font());
    const double spacing = layout.pitchPanel.height() / (2 * layout.semitoneRange / kGridStep);
    // Labels only as often as they fit.
    const int labelEvery = spacing >= metrics.height() ? 1 : 2;
    int index = 0;
    for (double st = -layout.semitoneRange; st <= layout.semitoneRange + 1e-9;
         st += kGridStep, ++index) {
        const double y = layout.pitchY(st);
        painter.setPen(QPen(st == 0 ? theme::kBorder.darker(125) : theme::kBorder.lighter(106),
                            width * 0.75, st == 0 ? Qt::SolidLine : Qt::DotLine));
        painter.drawLine(QPointF(layout.pitchPanel.left(), y),
                         QPointF(layout.pitchPanel.right(), y));
        if ((int(std::lround(st / kGridStep)) % labelEvery) != 0)
            continue;
        const QString label = st > 0   ? QStringLiteral("+%1").arg(st)
                              : st < 0 ? QStringLiteral("−%1").arg(-st)
                                       : QStringLiteral("0");
        painter.setPen(theme::kMuted);
        painter.drawText(
            QRectF(gutter.left(), y - metrics.height() / 2, gutter.width(), metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, label);
    }
}

void drawStressMark(QPainter& painter, const VoicePictureLayout& layout, int frame, double width)
{
    const double x = layout.lessonAxis.frameX(frame);
    const double band = std::max(6 * width, 8 * kFrame * layout.lessonAxis.pixelsPerSecond);
    QColor soft = theme::kLearnerVoice;
    soft.setAlpha(40);
    const QRectF& panel = layout.pitchPanel;
    painter.fillRect(QRectF(x - band / 2, panel.top(), band, panel.height()), soft);
    const double size = 5 * width;
    QPolygonF arrow;
    arrow << QPointF(x - size, panel.top()) << QPointF(x + size, panel.top())
          << QPointF(x, panel.top() + 1.4 * size);
    painter.setPen(Qt::NoPen);
    painter.setBrush(theme::kLearnerVoice);
    painter.drawPolygon(arrow);
    painter.setBrush(Qt::NoBrush);
}

void drawCursor(QPainter& painter, double x, const QRectF& area, const QColor& colour, double width,
                Qt::PenStyle style = Qt::SolidLine)
{
    if (x < area.left() || x > area.right())
        return;
    painter.setPen(QPen(colour.darker(130), width * 1.5, style));
    painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
}

} // namespace

int lessonFrameForTake(const VoiceComparison& comparison, int takeFrame)
{
    const auto& path = comparison.path;
    if (path.empty() || takeFrame < path.front().second || takeFrame > path.back().second)
        return -1;
    const auto at = std::lower_bound(path.begin(), path.end(), takeFrame,
                                     [](const auto& step, int take) { return step.second < take; });
    return at == path.end() ? -1 : at->first;
}

VoicePictureLayout layoutVoicePicture(const QRectF& rect, const QFont& font,
                                      const VoicePicture& picture)
{
    VoicePictureLayout layout;
    const QFontMetricsF metrics(font);
    const double pad = std::max(4.0, metrics.height() * 0.4);
    const double gutter = metrics.horizontalAdvance(kTakeCaption) + 2.5 * pad;
    const double left = rect.left() + gutter;
    const double width = std::max(1.0, rect.right() - pad - left);
    const double height = std::max(0.0, rect.height() - 4 * pad);
    const double strip = height * 0.25;
    layout.lessonStrip = QRectF(left, rect.top() + pad, width, strip);
    layout.takeStrip = QRectF(left, layout.lessonStrip.bottom() + pad, width, strip);
    layout.pitchPanel = QRectF(left, layout.takeStrip.bottom() + pad, width,
                               rect.bottom() - 2 * pad - layout.takeStrip.bottom());
    layout.semitoneRange = semitoneRangeFor(picture);

    const auto [lessonFrom, lessonTo] = shownRange(picture.lessonTrack());
    const auto [takeFrom, takeTo] = shownRange(picture.takeTrack());
    const double span = std::max(lessonTo - lessonFrom, takeTo - takeFrom);
    if (span <= 0)
        return layout;
    const double pixelsPerSecond = width / span;
    if (lessonTo > lessonFrom)
        layout.lessonAxis = {lessonFrom, lessonTo, left, pixelsPerSecond};
    if (takeTo > takeFrom)
        layout.takeAxis = {takeFrom, takeTo, left, pixelsPerSecond};
    return layout;
}

void paintVoicePicture(QPainter& painter, const QRectF& rect, const VoicePicture& picture)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double width = lineWidth(rect);
    painter.setPen(QPen(theme::kBorder, 1));
    painter.setBrush(theme::kPage);
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    painter.setBrush(Qt::NoBrush);

    const VoicePictureLayout layout = layoutVoicePicture(rect, painter.font(), picture);
    const QFontMetricsF metrics(painter.font());
    const double pad = layout.lessonStrip.top() - rect.top();
    const auto gutterOf = [&](const QRectF& row) {
        return QRectF(rect.left() + pad, row.top(), row.left() - rect.left() - 2 * pad,
                      row.height());
    };

    const VoiceTrack* lesson = picture.lessonTrack();
    const VoiceTrack* take = picture.takeTrack();
    drawCaption(painter, gutterOf(layout.lessonStrip), kLessonCaption, theme::kLessonVoice);
    drawCaption(painter, gutterOf(layout.takeStrip), kTakeCaption, theme::kLearnerVoice);

    painter.save();
    painter.setClipRect(layout.lessonStrip);
    if (lesson && layout.lessonAxis.isValid())
        drawWave(painter, layout.lessonStrip, layout.lessonAxis, *lesson, theme::kLessonVoice,
                 width);
    else
        drawWave(painter, layout.lessonStrip, {}, VoiceTrack{}, theme::kLessonVoice, width);
    painter.setClipRect(layout.takeStrip);
    if (take && layout.takeAxis.isValid()) {
        drawWave(painter, layout.takeStrip, layout.takeAxis, *take, theme::kLearnerVoice, width);
    } else {
        // Before a take: a quiet line that says what will appear here.
        const double middle = layout.takeStrip.center().y();
        const QString hint = QStringLiteral("录音后，这里显示您的读音");
        const double textWidth = metrics.horizontalAdvance(hint) + 2 * pad;
        painter.setPen(QPen(theme::kBorder, width * 0.75, Qt::DashLine));
        painter.drawLine(QPointF(layout.takeStrip.left() + textWidth, middle),
                         QPointF(layout.takeStrip.right(), middle));
        painter.setPen(theme::kMuted);
        painter.drawText(layout.takeStrip.adjusted(pad / 2, 0, 0, 0),
                         Qt::AlignLeft | Qt::AlignVCenter, hint);
    }
    painter.restore();

    drawGrid(painter, gutterOf(layout.pitchPanel), layout, width);
    painter.save();
    painter.setClipRect(layout.pitchPanel);
    if (picture.comparison && layout.lessonAxis.isValid()) {
        const int stress = picture.comparison->stressFrame;
        if (stress >= 0 && stress < lesson->frames())
            drawStressMark(painter, layout, stress, width);
    }
    if (lesson && layout.lessonAxis.isValid())
        drawContour(painter, layout, lesson->semitones, theme::kLessonVoice, width);
    if (picture.comparison && layout.lessonAxis.isValid())
        drawContour(painter, layout, picture.comparison->warpedTakeSemitones, theme::kLearnerVoice,
                    width);
    painter.restore();
    painter.restore();
    paintVoiceCursors(painter, rect, picture);
}

void paintVoiceCursors(QPainter& painter, const QRectF& rect, const VoicePicture& picture)
{
    if (picture.lessonCursor < 0 && picture.takeCursor < 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double width = lineWidth(rect);
    const VoicePictureLayout layout = layoutVoicePicture(rect, painter.font(), picture);
    const VoiceTrack* take = picture.takeTrack();
    if (picture.lessonCursor >= 0 && layout.lessonAxis.isValid()) {
        const double x = layout.lessonAxis.x(picture.lessonCursor);
        drawCursor(painter, x, layout.lessonStrip, theme::kLessonVoice, width);
        drawCursor(painter, x, layout.pitchPanel, theme::kLessonVoice, width);
    }
    if (picture.takeCursor >= 0 && take && layout.takeAxis.isValid()) {
        drawCursor(painter, layout.takeAxis.x(picture.takeCursor), layout.takeStrip,
                   theme::kLearnerVoice, width);
        const int frame =
            lessonFrameForTake(*picture.comparison, int(std::floor(picture.takeCursor / kFrame)));
        if (frame >= 0 && layout.lessonAxis.isValid())
            drawCursor(painter, layout.lessonAxis.frameX(frame), layout.pitchPanel,
                       theme::kLearnerVoice, width, Qt::DashLine);
    }
    painter.restore();
}

VoicePictureHit hitVoicePicture(const VoicePictureLayout& layout, const VoicePicture& picture,
                                const QPointF& point)
{
    const auto within = [&point](const QRectF& row, const VoiceTimeAxis& axis) {
        return axis.isValid() && point.y() >= row.top() && point.y() <= row.bottom() &&
               point.x() >= axis.x(axis.from) && point.x() <= axis.x(axis.to);
    };
    const auto at = [&point](const VoiceTimeAxis& axis) {
        return std::clamp(axis.seconds(point.x()), axis.from, axis.to);
    };
    if (picture.lessonTrack() && (within(layout.lessonStrip, layout.lessonAxis) ||
                                  within(layout.pitchPanel, layout.lessonAxis)))
        return {VoicePictureHit::Reading::Lesson, at(layout.lessonAxis)};
    if (picture.takeTrack() && within(layout.takeStrip, layout.takeAxis))
        return {VoicePictureHit::Reading::Take, at(layout.takeAxis)};
    return {};
}

void paintVoiceScore(QPainter& painter, const QRectF& rect, const VoiceComparison* comparison)
{
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QFont base = painter.font();
    QFont big = base;
    big.setPixelSize(std::max(12, int(std::min(rect.width() * 0.3, rect.height() * 0.28))));
    big.setBold(true);
    const QFontMetricsF bigMetrics(big);
    const QString number = comparison ? QString::number(comparison->score) : QStringLiteral("—");
    const QRectF numberArea(rect.left(), rect.top(), bigMetrics.horizontalAdvance(number),
                            bigMetrics.height());
    painter.setFont(big);
    painter.setPen(theme::kText);
    painter.drawText(numberArea, Qt::AlignLeft | Qt::AlignBottom, number);
    if (comparison) {
        painter.setFont(base);
        painter.setPen(theme::kMuted);
        const QFontMetricsF metrics(base);
        painter.drawText(QRectF(numberArea.right() + metrics.height() * 0.25, numberArea.top(),
                                rect.right() - numberArea.right(),
                                numberArea.height() - bigMetrics.descent()),
                         Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("分"));
        painter.setPen(theme::kText);
        painter.drawText(QRectF(rect.left(), numberArea.bottom() + metrics.height() * 0.3,
                                rect.width(), rect.bottom() - numberArea.bottom()),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         voiceAdviceText(comparison->advice));
    }
    painter.restore();
}

} // namespace kelvaro
