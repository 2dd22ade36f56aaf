#include "MiniWindow.h"

#include "PanelParts.h"
#include "Theme.h"

#include "app/MiniModeController.h"
#include "content/Settings.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace kelvaro {

namespace {

constexpr int kWidth = 460;
constexpr int kHeight = 196;
constexpr int kScreenMargin = 24;

QLabel* wrappedLabel(const QString& objectName, const QString& styleClass, QWidget* parent)
{
    QLabel* label = makeLabel(objectName, styleClass, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

MiniWindow::MiniWindow(MiniModeController& controller, QWidget& fullWindow)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_controller(controller), m_fullWindow(fullWindow)
{
    setObjectName(QStringLiteral("MiniWindow"));
    setWindowTitle(QStringLiteral("迷你模式"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QString::fromLatin1(theme::styleSheet()) +
                  QStringLiteral("QLabel#MiniEnglishLabel { color: #222b36; font-size: 12pt; }"
                                 "QLabel#MiniChineseLabel { color: #4a5563; font-size: 10.5pt; }"
                                 "QPushButton.Command:checked { background: #dceaf6; "
                                 "border-color: #2f7fb5; }"));
    setFixedSize(kWidth, kHeight);
    setFocusPolicy(Qt::StrongFocus);

    m_title = makeLabel(QStringLiteral("MiniTitleLabel"), QStringLiteral("LessonTitle"), this);
    m_back = makeCommand(QStringLiteral("MiniBackCommand"), QStringLiteral("完整窗口"), this);
    m_back->setToolTip(QStringLiteral("回到完整窗口（Esc）"));
    m_english = wrappedLabel(QStringLiteral("MiniEnglishLabel"), QString(), this);
    m_chinese = wrappedLabel(QStringLiteral("MiniChineseLabel"), QString(), this);
    m_previous =
        makeCommand(QStringLiteral("MiniBackSentenceCommand"), QStringLiteral("上一句"), this);
    m_play = makeCommand(QStringLiteral("MiniPlayCommand"), QStringLiteral("播放"), this);
    m_next = makeCommand(QStringLiteral("MiniNextSentenceCommand"), QStringLiteral("下一句"), this);
    m_chineseButton =
        makeCommand(QStringLiteral("MiniChineseCommand"), QStringLiteral("中文"), this);
    m_chineseButton->setCheckable(true);
    m_position = makeLabel(QStringLiteral("MiniPositionLabel"), QStringLiteral("Muted"), this);
    m_readings = makeLabel(QStringLiteral("MiniReadingsLabel"), QStringLiteral("Muted"), this);
    m_count = new QComboBox(this);
    m_count->setObjectName(QStringLiteral("MiniRepeatCountBox"));
    m_count->setFocusPolicy(Qt::NoFocus);
    m_count->setToolTip(QStringLiteral("每句朗读次数"));
    for (int count : kRepeatCounts)
        m_count->addItem(QStringLiteral("每句%1遍").arg(count), double(count));

    auto* top = new QHBoxLayout;
    top->addWidget(m_title, 1);
    top->addWidget(m_back);
    auto* counts = new QHBoxLayout;
    counts->addWidget(m_position);
    counts->addSpacing(12);
    counts->addWidget(m_readings);
    counts->addStretch(1);
    counts->addWidget(m_count);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_previous);
    buttons->addWidget(m_play);
    buttons->addWidget(m_next);
    buttons->addStretch(1);
    buttons->addWidget(m_chineseButton);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(12, 8, 12, 10);
    column->setSpacing(6);
    column->addLayout(top);
    column->addWidget(m_english);
    column->addWidget(m_chinese);
    column->addStretch(1);
    column->addLayout(counts);
    column->addLayout(buttons);

    connect(m_back, &QPushButton::clicked, &controller, &MiniModeController::leave);
    connect(m_previous, &QPushButton::clicked, &controller, &MiniModeController::previous);
    connect(m_play, &QPushButton::clicked, &controller, &MiniModeController::playPause);
    connect(m_next, &QPushButton::clicked, &controller, &MiniModeController::next);
    connect(m_chineseButton, &QPushButton::clicked, &controller,
            &MiniModeController::toggleChinese);
    connect(m_count, &QComboBox::activated, this, [this](int index) {
        m_controller.setRepeatCount(m_count->itemData(index).toDouble());
    });
    connect(&controller, &MiniModeController::entered, this, &MiniWindow::takeOver);
    connect(&controller, &MiniModeController::left, this, &MiniWindow::giveBack);
    connect(&controller, &MiniModeController::changed, this, &MiniWindow::refresh);
}

void MiniWindow::refresh()
{
    if (!m_controller.isActive())
        return;
    const MiniView view = m_controller.view();
    m_title->setText(view.title);
    m_english->setText(view.english);
    m_chinese->setText(view.chinese);
    m_chinese->setVisible(m_controller.chineseShown());
    m_chineseButton->setChecked(m_controller.chineseShown());
    m_position->setText(view.position);
    m_readings->setText(view.readings);
    m_play->setText(view.playing ? QStringLiteral("暂停") : QStringLiteral("播放"));
    m_previous->setEnabled(view.canGoBack);
    m_next->setEnabled(view.canGoOn);
    const int index = m_count->findData(view.repeatCount);
    m_count->setCurrentIndex(index);
}

void MiniWindow::takeOver()
{
    m_fullGeometry = m_fullWindow.geometry();
    if (m_place.x() < 0) {
        // First shown: the top right corner of the screen the full window is on.
        QScreen* screen =
            m_fullWindow.screen() ? m_fullWindow.screen() : QGuiApplication::primaryScreen();
        const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
        m_place = {area.right() + 1 - kWidth - kScreenMargin, area.top() + kScreenMargin};
    }
    move(m_place);
    m_fullWindow.hide();
    show();
    raise();
    activateWindow();
    setFocus();
    refresh();
}

void MiniWindow::giveBack()
{
    m_place = pos();
    hide();
    m_fullWindow.setGeometry(m_fullGeometry);
    m_fullWindow.show();
    m_fullWindow.raise();
    m_fullWindow.activateWindow();
}

void MiniWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
        m_controller.playPause();
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        m_controller.previous();
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        m_controller.next();
        break;
    case Qt::Key_Escape:
        m_controller.leave();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void MiniWindow::closeEvent(QCloseEvent* event)
{
    // Closing the compact player returns to the full window; the program ends from there.
    event->ignore();
    m_controller.leave();
}

void MiniWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressPoint = event->position().toPoint();
    m_dragging = true;
}

void MiniWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        move(pos() - m_pressPoint + event->position().toPoint());
}

void MiniWindow::mouseReleaseEvent(QMouseEvent*)
{
    m_dragging = false;
}

void MiniWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), theme::kWindow);
    p.setPen(theme::kFrame);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace kelvaro
