#pragma once

#include "analysis/VoiceAnalysis.h"

#include <QFont>
#include <QRectF>

class QPainter;

namespace kelvaro {

/// What the voice picture shows: the lesson's reading and, after a take, the comparison.
struct VoicePicture
{
    const VoiceTrack* lesson = nullptr;          ///< null until the sentence is analysed
    const VoiceComparison* comparison = nullptr; ///< null before a take
    double lessonCursor = -1;                    ///< seconds into the lesson's reading; -1: none
    double takeCursor = -1;                      ///< seconds into the take; -1: none

    /// The lesson's reading as drawn: the comparison's own once there is one.
    const VoiceTrack* lessonTrack() const { return comparison ? &comparison->lesson : lesson; }
    const VoiceTrack* takeTrack() const { return comparison ? &comparison->take : nullptr; }
};

/// A strip's time axis: seconds into its reading and x in pixels.
struct VoiceTimeAxis
{
    double from = 0; ///< seconds at left
    double to = 0;   ///< seconds where the drawn part of the reading ends
    double left = 0; ///< x of from
    double pixelsPerSecond = 0;

    bool isValid() const { return pixelsPerSecond > 0 && to > from; }
    double x(double seconds) const { return left + (seconds - from) * pixelsPerSecond; }
    double seconds(double x) const { return from + (x - left) / pixelsPerSecond; }
    /// The x of the middle of analysis frame f.
    double frameX(int f) const { return x((f + 0.5) * kVoiceFrameSeconds); }
};

/// Where the parts of the picture lie in a rectangle.
struct VoicePictureLayout
{
    QRectF lessonStrip;       ///< the lesson's waveform, right of the captions
    QRectF takeStrip;         ///< the take's waveform
    QRectF pitchPanel;        ///< both contours on the lesson's time
    VoiceTimeAxis lessonAxis; ///< the lesson strip and the pitch panel
    VoiceTimeAxis takeAxis;
    double semitoneRange = 6; ///< the pitch panel spans -range..+range semitones

    /// The outer grid lines stay a little inside the panel, so their labels are whole.
    double pitchY(double semitones) const
    {
        return pitchPanel.center().y() - semitones / semitoneRange * pitchPanel.height() / 2 * 0.9;
    }
};

/// Lays the picture out in rect, captions in font. Both strips share one seconds-per-pixel
/// scale, each starting a little before its speech, so a slower take is drawn longer.
VoicePictureLayout layoutVoicePicture(const QRectF& rect, const QFont& font,
                                      const VoicePicture& picture);

/// Draws the picture into rect with the painter's font: the two waveforms, then both pitch
/// contours on the lesson's time, the cursors and the stress mark.
void paintVoicePicture(QPainter& painter, const QRectF& rect, const VoicePicture& picture);

/// Draws only the play cursors, over a picture drawn without them.
void paintVoiceCursors(QPainter& painter, const QRectF& rect, const VoicePicture& picture);

/// Which reading a point of the picture plays, and from where.
struct VoicePictureHit
{
    enum class Reading { None, Lesson, Take };
    Reading reading = Reading::None;
    double seconds = 0;
};

/// The reading under point (the pitch panel counts as the lesson's); None off the readings.
VoicePictureHit hitVoicePicture(const VoicePictureLayout& layout, const VoicePicture& picture,
                                const QPointF& point);

/// Draws the score as the read-after panel shows it beside the picture: the number with
/// "分" and the advice line under it; "—" before a take.
void paintVoiceScore(QPainter& painter, const QRectF& rect, const VoiceComparison* comparison);

/// The lesson frame the take's frame was aligned to; -1 outside the path.
int lessonFrameForTake(const VoiceComparison& comparison, int takeFrame);

} // namespace kelvaro
