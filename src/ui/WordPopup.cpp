#include "WordPopup.h"

#include "Fonts.h"
#include "Theme.h"

#include "app/MainController.h"
#include "modes/WordLookup.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace kelvaro {

/// The "<词典>" link: reports the press and the release of the left button.
class WordLinkLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void pressed();
    void released();

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            emit pressed();
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            emit released();
    }
};

namespace {

// The link moves this far right and down while it is pressed.
constexpr int kPressedShift = 15;

QLabel* makePart(const QString& objectName, const QFont& font, const QColor& colour,
                 QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    // Clicks on the text fall through to the popup, which keeps them from the views below.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

} // namespace

QFont WordPopup::pronunciationFont()
{
    QFont font(QStringLiteral("pron"));
    font.setPointSizeF(11);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

WordPopup::WordPopup(const TwipScale& scale, MainController& controller, QWidget* parent)
    : QFrame(parent), m_scale(scale)
{
    setObjectName(QStringLiteral("WordPicture"));
    setAttribute(Qt::WA_StyledBackground, false);
    hide();

    m_headword = makePart(QStringLiteral("WordEnglishTextLabel"), fontFor(kPopupHeadwordFont),
                          theme::kFrame, this);
    m_pronunciation =
        makePart(QStringLiteral("WordPronTextLabel"), pronunciationFont(), theme::kMuted, this);
    m_meaning = makePart(QStringLiteral("WordChineseTextLabel"), fontFor(kPopupMeaningFont),
                         theme::kText, this);
    m_meaning->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_meaning->setWordWrap(true);

    m_link = new WordLinkLabel(wordLinkCaption(), this);
    m_link->setObjectName(QStringLiteral("WebWordFindLabel"));
    m_link->setTextFormat(Qt::PlainText);
    QFont linkFont = fontFor(kPopupMeaningFont);
    linkFont.setUnderline(true);
    m_link->setFont(linkFont);
    QPalette palette = m_link->palette();
    palette.setColor(QPalette::WindowText, theme::kAccent);
    m_link->setPalette(palette);
    m_link->setCursor(Qt::PointingHandCursor);
    m_link->setToolTip(QStringLiteral("在线词典"));
    m_openMark = makePart(QStringLiteral("OpenDictionaryLabel"), fontFor(kPopupMeaningFont),
                          theme::kMuted, this);
    m_openMark->setText(openDictionaryMark());
    m_openMark->setToolTip(
        QStringLiteral("此词条来自开放词典（WordNet、CC-CEDICT），读音由语音合成"));
    m_openMark->hide();
    connect(m_link, &WordLinkLabel::pressed, &controller, &MainController::wordLinkPressed);
    connect(m_link, &WordLinkLabel::released, &controller, &MainController::wordLinkReleased);
}

void WordPopup::refresh(const WordPopupView& view)
{
    if (!view.visible) {
        hide();
        return;
    }
    setGeometry(m_scale.rect(view.geometry));
    m_headword->setText(view.WordEnglishTextLabel);
    m_headword->setGeometry(m_scale.rect(view.headword));
    m_pronunciation->setText(view.WordPronTextLabel);
    m_pronunciation->setGeometry(m_scale.rect(view.pronunciation));
    m_meaning->setText(view.WordChineseTextLabel);
    m_meaning->setGeometry(m_scale.rect(view.meaning));
    TwipRect link = view.link;
    if (view.linkPressed) {
        link.left += kPressedShift;
        link.top += kPressedShift;
    }
    // A little wider than measured, so that no font rounding cuts the last character.
    m_link->setGeometry(m_scale.rect(link).adjusted(0, 0, 2, 0));
    m_openMark->setVisible(view.openEntry);
    if (view.openEntry)
        m_openMark->setGeometry(m_scale.rect(view.openMark).adjusted(0, 0, 2, 0));
    show();
    raise();
}

void WordPopup::paintEvent(QPaintEvent*)
{
    // The frame, always as wide as the popup.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(theme::kFrameLight, 1));
    painter.setBrush(QColor(0xff, 0xff, 0xf8));
    painter.drawRoundedRect(box, 5, 5);
    painter.setPen(QPen(theme::kAccentSoft, 1));
    const int rule = m_pronunciation->geometry().bottom() + m_scale.px(20);
    painter.drawLine(QPointF(m_scale.px(120), rule), QPointF(width() - m_scale.px(120), rule));
}

void WordPopup::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void WordPopup::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
}

} // namespace kelvaro

#include "WordPopup.moc"
