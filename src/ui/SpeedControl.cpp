#include "SpeedControl.h"

#include "content/ReadingSpeed.h"
#include "modes/MainState.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

namespace kelvaro {

namespace {

const char* kStyle = R"(
QLabel#ReadingSpeedLabel { color: #6b7785; font-size: 9pt; }
QLabel#SpeedValueLabel { color: #2b4c6f; font-size: 9pt; font-weight: bold; }
QToolButton {
    background: #ffffff; border: 1px solid #c9d3de; border-radius: 9px; color: #2b4c6f;
    font-size: 10pt; padding: 0px;
}
QToolButton:hover { border-color: #2f7fb5; background: #f2f7fc; }
QToolButton:pressed { background: #dceaf6; }
QToolButton:disabled { color: #c3cbd4; border-color: #dde3ea; }
QToolButton#SlowSpeedCommand { font-size: 8.5pt; padding: 0px 3px; }
QToolButton#SlowSpeedCommand[active="true"] {
    background: #2f7fb5; border-color: #2f7fb5; color: #ffffff;
}
)";

QToolButton* makeButton(const QString& objectName, const QString& caption, const QString& tip,
                        QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setText(caption);
    button->setToolTip(tip);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus); // the keys stay with the mode
    button->setFixedHeight(18);
    return button;
}

} // namespace

SpeedControl::SpeedControl(const TwipScale& scale, QWidget* parent)
    : QWidget(parent), m_scale(scale)
{
    setObjectName(QStringLiteral("ReadingSpeedControl"));
    setAttribute(Qt::WA_NoMousePropagation); // a quick double click never maximises the window
    setStyleSheet(QString::fromLatin1(kStyle));
    m_caption = new QLabel(QStringLiteral("语速"), this);
    m_caption->setObjectName(QStringLiteral("ReadingSpeedLabel"));
    m_slower = makeButton(QStringLiteral("SlowerSpeedCommand"), QStringLiteral("−"),
                          QStringLiteral("慢一点"), this);
    m_value = new QLabel(this);
    m_value->setObjectName(QStringLiteral("SpeedValueLabel"));
    m_value->setAlignment(Qt::AlignCenter);
    m_value->setMinimumWidth(36); // "0.75×" whole
    m_value->setToolTip(QStringLiteral("朗读的速度，音调不变"));
    m_faster = makeButton(QStringLiteral("FasterSpeedCommand"), QStringLiteral("+"),
                          QStringLiteral("快一点"), this);
    m_slow = makeButton(QStringLiteral("SlowSpeedCommand"), speedCaption(kSlowSpeed),
                        QStringLiteral("慢速朗读；再点一次恢复原速"), this);
    m_slower->setFixedWidth(18);
    m_faster->setFixedWidth(18);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addWidget(m_caption);
    row->addWidget(m_slower);
    row->addWidget(m_value, 1);
    row->addWidget(m_faster);
    row->addWidget(m_slow);

    connect(m_slower, &QToolButton::clicked, this, &SpeedControl::slowerClicked);
    connect(m_faster, &QToolButton::clicked, this, &SpeedControl::fasterClicked);
    connect(m_slow, &QToolButton::clicked, this, &SpeedControl::slowClicked);
}

void SpeedControl::refresh(const MainState& state)
{
    // In the band under the library tree, as wide as the tree: the row above it holds the
    // review tab, and the band follows the tree's bottom at every window size.
    const WindowGeometry& g = state.geometry;
    setGeometry(m_scale.rect({g.tree.left, g.tree.bottom() + 30, g.tree.width, 300}));
    const double speed = state.readingSpeed;
    m_value->setText(speedCaption(speed));
    m_slower->setEnabled(speed > kSlowestSpeed);
    m_faster->setEnabled(speed < kFastestSpeed);
    const bool slow = speedCaption(speed) == speedCaption(kSlowSpeed);
    if (m_slow->property("active").toBool() != slow) {
        m_slow->setProperty("active", slow);
        m_slow->style()->unpolish(m_slow);
        m_slow->style()->polish(m_slow);
    }
}

} // namespace kelvaro
