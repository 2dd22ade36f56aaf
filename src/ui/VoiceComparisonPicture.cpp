#include "VoiceComparisonPicture.h"

#include "Fonts.h"

#include <QMouseEvent>
#include <QPainter>

namespace kelvaro {

VoiceComparisonPicture::VoiceComparisonPicture(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("VoiceComparisonPicture"));
    setFont(interfaceFont(9));
    // The hand shows where a click plays a reading.
    setMouseTracking(true);
}

void VoiceComparisonPicture::setReadings(std::shared_ptr<const VoiceTrack> lesson,
                                         std::shared_ptr<const VoiceComparison> comparison)
{
    if (lesson == m_lesson && comparison == m_comparison)
        return;
    m_lesson = std::move(lesson);
    m_comparison = std::move(comparison);
    m_drawnStale = true;
    update();
}

void VoiceComparisonPicture::setCursors(double lessonSeconds, double takeSeconds)
{
    if (lessonSeconds == m_lessonCursor && takeSeconds == m_takeCursor)
        return;
    m_lessonCursor = lessonSeconds;
    m_takeCursor = takeSeconds;
    update();
}

VoicePicture VoiceComparisonPicture::picture() const
{
    return {m_lesson.get(), m_comparison.get(), m_lessonCursor, m_takeCursor};
}

VoicePictureLayout VoiceComparisonPicture::pictureLayout() const
{
    return layoutVoicePicture(QRectF(rect()), font(), picture());
}

void VoiceComparisonPicture::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_drawnStale || m_drawn.size() != pixels) {
        m_drawn = QPixmap(pixels);
        m_drawn.setDevicePixelRatio(ratio);
        m_drawn.fill(Qt::transparent);
        QPainter still(&m_drawn);
        still.setFont(font());
        paintVoicePicture(still, QRectF(rect()), {m_lesson.get(), m_comparison.get(), -1, -1});
        m_drawnStale = false;
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_drawn);
    painter.setFont(font());
    paintVoiceCursors(painter, QRectF(rect()), picture());
}

void VoiceComparisonPicture::mouseMoveEvent(QMouseEvent* event)
{
    const bool plays = hitVoicePicture(pictureLayout(), picture(), event->position()).reading !=
                       VoicePictureHit::Reading::None;
    setCursor(plays ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void VoiceComparisonPicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const VoicePictureHit hit = hitVoicePicture(pictureLayout(), picture(), event->position());
    if (hit.reading == VoicePictureHit::Reading::Lesson)
        emit lessonClicked(hit.seconds);
    else if (hit.reading == VoicePictureHit::Reading::Take)
        emit takeClicked(hit.seconds);
}

} // namespace kelvaro
