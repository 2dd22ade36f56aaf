#include "WordCuePicture.h"

#include "Fonts.h"
#include "Theme.h"
#include "WordPopup.h"

#include <QMouseEvent>
#include <QPainter>

namespace kelvaro {

namespace {

// The card's rows, in twips: margin above the first, the height of each, the value's left.
constexpr int kTopMargin = 75;
constexpr int kRowHeight = 315;
constexpr int kCaptionLeft = 120;
constexpr int kValueLeft = 870;

const char* const kCaptions[kCueLineCount] = {"单词：", "字母：", "词义：", "读音：", "音标："};

QFont valueFont(CueLine line, const CueValue& value)
{
    if (value.prompt) {
        QFont f(QStringLiteral("新宋体"));
        f.setPointSizeF(9);
        f.setBold(false);
        return f;
    }
    switch (line) {
    case CueLine::Word: {
        QFont f(QStringLiteral("Arial"));
        f.setPointSizeF(10.5);
        return f;
    }
    case CueLine::Pronunciation: {
        QFont f = WordPopup::pronunciationFont();
        f.setPointSizeF(9.75);
        f.setBold(true);
        return f;
    }
    default:
        return interfaceFont(9);
    }
}

} // namespace

WordCuePicture::WordCuePicture(const TwipScale& scale, QWidget* parent)
    : QFrame(parent), m_scale(scale)
{
    setObjectName(QStringLiteral("WordCuePicture"));
    setCursor(Qt::ArrowCursor);
    hide();
}

void WordCuePicture::refresh(const WordCueCard& card)
{
    m_card = card;
    setGeometry(m_scale.rect(card.geometry));
    setVisible(card.visible);
    if (card.visible)
        raise();
    update();
}

int WordCuePicture::lineAt(const QPoint& point) const
{
    const int y = m_scale.twips(point.y()) - kTopMargin;
    if (y < 0)
        return -1;
    const int row = y / kRowHeight;
    return row < kCueLineCount ? row : -1;
}

void WordCuePicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(theme::kFrameLight, 1));
    p.setBrush(QColor(0xff, 0xfd, 0xf4));
    p.drawRoundedRect(box, 4, 4);

    for (int i = 0; i < kCueLineCount; ++i) {
        const int top = kTopMargin + i * kRowHeight;
        const QRectF caption(m_scale.pxF(kCaptionLeft), m_scale.pxF(top),
                             m_scale.pxF(kValueLeft - kCaptionLeft), m_scale.pxF(kRowHeight));
        p.setFont(interfaceFont(9));
        p.setPen(theme::kMuted);
        p.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(kCaptions[i]));

        const CueLine line = CueLine(i);
        const CueValue& value = m_card.lines[i];
        const QRectF valueBox(m_scale.pxF(kValueLeft), m_scale.pxF(top),
                              width() - m_scale.pxF(kValueLeft + kCaptionLeft),
                              m_scale.pxF(kRowHeight));
        const QFont font = valueFont(line, value);
        p.setFont(font);
        const bool link = line == CueLine::Read && !value.prompt && !value.text.isEmpty();
        p.setPen(value.prompt ? theme::kMuted : (link ? theme::kAccent : theme::kText));
        const QString text =
            QFontMetricsF(font).elidedText(value.text, Qt::ElideRight, valueBox.width());
        p.drawText(valueBox, Qt::AlignLeft | Qt::AlignVCenter, text);
    }
}

void WordCuePicture::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void WordCuePicture::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const int row = lineAt(event->position().toPoint());
    if (row >= 0)
        emit lineClicked(CueLine(row));
}

} // namespace kelvaro
