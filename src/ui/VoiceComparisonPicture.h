#pragma once

#include "picture/VoiceComparisonPainter.h"

#include <QPixmap>
#include <QWidget>

#include <memory>

namespace kelvaro {

/// The read-after panel's voice picture: draws the lesson's reading and the take set against
/// it, and turns a click into the reading and the second it should play from.
class VoiceComparisonPicture : public QWidget
{
    Q_OBJECT
public:
    explicit VoiceComparisonPicture(QWidget* parent = nullptr);

    /// The readings to draw; redraws only when they change.
    void setReadings(std::shared_ptr<const VoiceTrack> lesson,
                     std::shared_ptr<const VoiceComparison> comparison);
    /// The play cursors (seconds, -1 for none); only a redraw, never a new layout.
    void setCursors(double lessonSeconds, double takeSeconds);

    /// What the picture shows now.
    VoicePicture picture() const;
    /// Its layout at the widget's present size.
    VoicePictureLayout pictureLayout() const;

signals:
    void lessonClicked(double seconds);
    void takeClicked(double seconds);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::shared_ptr<const VoiceTrack> m_lesson;
    std::shared_ptr<const VoiceComparison> m_comparison;
    double m_lessonCursor = -1;
    double m_takeCursor = -1;
    // The picture without its cursors, drawn again only for new readings or a new size: a
    // moving cursor then costs a copy and two lines.
    QPixmap m_drawn;
    bool m_drawnStale = true;
};

} // namespace kelvaro
