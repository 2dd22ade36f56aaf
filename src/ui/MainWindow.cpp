#include "MainWindow.h"

#include "ElementCanvas.h"
#include "LibraryTree.h"
#include "ModePanel.h"
#include "ModePanels.h"
#include "ResultsPicture.h"
#include "ReviewPanel.h"
#include "ReviewTab.h"
#include "TabBar.h"
#include "TextPagePanel.h"
#include "Theme.h"
#include "TitleStrip.h"
#include "WordCuePicture.h"
#include "WordPopup.h"

#include "app/MainController.h"
#include "app/ModeSwitching.h"
#include "app/ModeTable.h"
#include "modes/Layout.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QMoveEvent>
#include <QPainter>
#include <QUrl>
#include <QWindow>

namespace kelvaro {

MainWindow::MainWindow(MainController& controller, const TwipScale& scale, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_controller(controller),
      m_scale(scale)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Kelvaro Player"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QString::fromLatin1(theme::styleSheet()));

    m_titleStrip = new TitleStrip(this);
    m_tabs = new TabBar(this);
    m_tree = new LibraryTree(this);
    for (const ModeRow& row : kModeTable)
        m_panels[std::size_t(row.mode)] = makeModePanel(row.mode, scale, controller, this);
    // The word popup floats over every panel.
    m_wordPopup = new WordPopup(scale, controller, this);
    // The hint card of recall and the dictation test floats over the panels too.
    m_wordCue = new WordCuePicture(scale, this);
    connect(m_wordCue, &WordCuePicture::lineClicked, &controller, &MainController::cueLineClicked);
    // The dictation results view lies over everything while it is open.
    m_results = new ResultsPicture(scale, controller, this);

    connect(m_titleStrip, &TitleStrip::closeRequested, this, &QWidget::close);
    connect(m_titleStrip, &TitleStrip::minimiseRequested, this, &QWidget::showMinimized);
    connect(m_titleStrip, &TitleStrip::maximiseRequested, &controller, &MainController::maximise);
    connect(m_titleStrip, &TitleStrip::restoreRequested, &controller, &MainController::restore);
    connect(m_titleStrip, &TitleStrip::miniModeRequested, this, &MainWindow::miniModeRequested);
    // The review page is left for the practice panels by any mode tab or lesson chosen.
    m_reviewTab = new ReviewTab(this);
    m_reviewTab->hide();
    connect(m_reviewTab, &ReviewTab::clicked, this, [this] {
        showReview(true);
        emit reviewOpened();
    });
    connect(m_tabs, &TabBar::tabClicked, this, [this] { m_reviewShown = false; });
    connect(m_tree, &LibraryTree::nodeClicked, this, [this] { m_reviewShown = false; });
    connect(m_tabs, &TabBar::tabClicked, &controller, &MainController::tabClicked);
    connect(m_tree, &LibraryTree::nodeClicked, &controller, &MainController::treeNodeClicked);
    connect(m_tree, &LibraryTree::importRequested, this, [this] { emit importRequested({}); });
    connect(m_tree, &LibraryTree::renameRequested, this, &MainWindow::renameLessonRequested);
    connect(m_tree, &LibraryTree::removeRequested, this, &MainWindow::removeLessonRequested);
    setAcceptDrops(true);
    connect(&controller, &MainController::changed, this, &MainWindow::refresh);
    connect(&controller, &MainController::focusRequested, this, &MainWindow::applyFocus);
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
}

void MainWindow::applyGeometry()
{
    const MainState& state = m_controller.state();
    const WindowGeometry& g = state.geometry;
    if (!(g.window == m_appliedWindow)) {
        m_appliedWindow = g.window;
        const QRect r = m_scale.rect(g.window);
        if (g.maximised || isVisible())
            setGeometry(r);
        else
            resize(r.size());
    }
    m_titleStrip->setGeometry(0, 0, width(), m_scale.px(layout::kTitleStripHeight));
    m_titleStrip->setMaximised(g.maximised);
    m_tree->setGeometry(m_scale.rect(g.tree));
    m_tabs->setGeometry(
        m_scale.rect({g.panel.left + 90, g.tabs.top, g.panel.width - 180, g.tabs.height}));
    const bool panelChanged = !(g.panel == m_appliedPanel);
    m_appliedPanel = g.panel;
    for (ModePanel* panel : m_panels) {
        if (!panel)
            continue;
        panel->setGeometry(m_scale.rect(g.panel));
        if (panelChanged)
            panel->layoutChildren(g.panel);
    }
}

void MainWindow::refresh()
{
    // Drawing can move the focus (a hidden note box saves its note), and the handler that
    // runs then asks for another drawing: it follows this one instead of nesting inside it.
    if (m_refreshing) {
        m_refreshAgain = true;
        return;
    }
    m_refreshing = true;
    do {
        m_refreshAgain = false;
        draw();
    } while (m_refreshAgain);
    m_refreshing = false;
}

void MainWindow::draw()
{
    const MainState& state = m_controller.state();
    applyGeometry();
    if (state.library.isEmpty()) {
        if (m_treeNodes != state.lessonNames.size()) {
            m_tree->setBook(state.BookName, state.lessonNames);
            m_treeNodes = int(state.lessonNames.size());
        }
    } else if (m_treeLibraryRevision != state.libraryRevision) {
        m_tree->setLibrary(state.library);
        m_treeLibraryRevision = state.libraryRevision;
    }
    m_tree->selectNode(state.LessonNode);
    m_titleStrip->setTitle(state.LessonTitle);

    QVector<Mode> tabs;
    for (const ModeRow& row : kModeTable) {
        if (state.TabVisible[row.mode])
            tabs.append(row.mode);
    }
    m_tabs->setTabs(tabs, state.ModeIndex);
    m_tabs->setHighlight(!m_reviewShown);
    if (m_review) {
        // The review tab stands in the tab row over the library tree, as wide as a mode tab.
        const QRect tree = m_scale.rect(state.geometry.tree);
        const QRect row = m_tabs->geometry();
        const int width = qMax(tabs.isEmpty() ? 0 : m_tabs->tabRect(tabs.front()).width(), 80);
        m_reviewTab->setGeometry(tree.right() + 1 - width, row.top(), width, row.height());
        m_review->setGeometry(m_scale.rect(state.geometry.panel));
        if (m_reviewShown)
            m_review->refresh();
        m_review->setVisible(m_reviewShown);
        if (m_reviewShown)
            m_review->raise();
        m_reviewTab->setState(m_reviewShown, m_review->dueCount());
    }
    for (const ModeRow& row : kModeTable) {
        ModePanel* panel = this->panel(row.mode);
        const bool shown = !m_reviewShown && (row.mode == state.ModeIndex);
        if (shown)
            panel->refresh(state);
        panel->setVisible(shown);
    }
    m_wordPopup->refresh(state.wordPopup);
    m_wordCue->refresh(state.cue);
    m_results->refresh(state.results);
    applyFocus();
    update();
}

void MainWindow::setReviewPanel(ReviewPanel* panel)
{
    m_review = panel;
    m_review->setParent(this);
    m_review->hide();
    m_reviewTab->show();
    refresh();
}

void MainWindow::showReview(bool shown)
{
    m_reviewShown = shown && m_review;
    refresh();
}

void MainWindow::applyFocus()
{
    const FocusTarget target = m_controller.takeFocusRequest();
    if (target == FocusTarget::None)
        return;
    if (target == FocusTarget::Tree) {
        m_tree->setFocus();
        return;
    }
    for (ModePanel* panel : m_panels) {
        if (QWidget* receiver = panel ? panel->focusReceiver(target) : nullptr) {
            receiver->setFocus();
            return;
        }
    }
}

void MainWindow::toggleMaximised()
{
    if (m_controller.state().geometry.maximised)
        m_controller.restore();
    else
        m_controller.maximise();
}

namespace {

// The local files among the dropped addresses.
QStringList droppedFiles(const QMimeData* data)
{
    QStringList files;
    if (data == nullptr)
        return files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            files << url.toLocalFile();
    }
    return files;
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QStringList files = droppedFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    // The dialog is modal: it opens once the drop is over, so the source is not kept waiting.
    QMetaObject::invokeMethod(
        this, [this, files] { emit importRequested(files); }, Qt::QueuedConnection);
}

void MainWindow::closeUnasked()
{
    m_closeUnasked = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_closed) {
        // A note being typed is saved before the settings and the check for unwritten changes.
        if (QWidget* focused = QApplication::focusWidget();
            focused && focused->objectName() == QLatin1String("SenNoteText"))
            focused->clearFocus();
        if (!m_closeUnasked && !m_controller.mayExit()) {
            event->ignore();
            return;
        }
        m_closed = true;
        const Status saved = m_controller.shutDown();
        // A session that is ending waits for nobody: a box would hold up the logout.
        if (!saved && m_closeUnasked)
            qWarning("%s", qPrintable(saved.error()));
        else if (!saved)
            QMessageBox::warning(this, QStringLiteral("提示"),
                                 QStringLiteral("设置文件保存失败。\n\n") + saved.error());
    }
    event->accept();
}

bool MainWindow::isWindowBackground(const QPoint& point) const
{
    // A press that a control left unhandled reaches the window too: only the bare background
    // and the title strip (whose buttons take their own presses) are the window's.
    QWidget* child = childAt(point);
    return child == nullptr || child == m_titleStrip;
}

void MainWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressPoint = event->position().toPoint();
    m_dragging = isWindowBackground(m_pressPoint);
}

void MainWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        move(pos() - m_pressPoint + event->position().toPoint());
}

void MainWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !isWindowBackground(event->position().toPoint()))
        return;
    toggleMaximised();
}

void MainWindow::mouseReleaseEvent(QMouseEvent*)
{
    m_dragging = false;
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (!isWindow())
        return;
    // The state follows the window, so that it is not moved back and the popup finds it.
    m_controller.windowMoved(pos());
    m_appliedWindow = m_controller.state().geometry.window;
}

void MainWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), theme::kWindow);
    p.setPen(theme::kFrame);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove && watched == m_tree->viewport()) {
        m_controller.pointerMovedOver(PointerArea::Tree);
        return false;
    }
    if ((event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove ||
         event->type() == QEvent::Drop) &&
        watched != this && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        // Files dropped on a text box are imported too, not typed into it as their names.
        auto* drop = static_cast<QDropEvent*>(event);
        if (droppedFiles(drop->mimeData()).isEmpty())
            return false;
        if (event->type() == QEvent::Drop)
            dropEvent(drop);
        else
            drop->acceptProposedAction();
        return true;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QWidget::eventFilter(watched, event);
    // Every key for this window's widgets passes its native window once, before the
    // focused widget sees it.
    if (watched != windowHandle())
        return QWidget::eventFilter(watched, event);
    QWidget* widget = QApplication::focusWidget();
    auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::KeyRelease) {
        if (!key->isAutoRepeat())
            m_controller.keyReleased();
        return false;
    }
    // The pages' key receivers take the arrow keys to scroll.
    const bool fullPage =
        widget == static_cast<TextPagePanel*>(panel(Mode::FullText))->keyReceiver();
    const bool translationPage =
        widget == static_cast<TextPagePanel*>(panel(Mode::Translation))->keyReceiver();
    if ((fullPage || translationPage) && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
        const int step = key->key() == Qt::Key_Down ? 1 : -1;
        fullPage ? m_controller.scrollFullText(step) : m_controller.scrollTranslation(step);
        return true;
    }
    static const QHash<int, WindowKey> keys = {
        {Qt::Key_Backspace, WindowKey::Backspace},
        {Qt::Key_Control, WindowKey::Ctrl},
        {Qt::Key_PageUp, WindowKey::PageUp},
        {Qt::Key_PageDown, WindowKey::PageDown},
        {Qt::Key_Home, WindowKey::Home},
        {Qt::Key_F1, WindowKey::F1},
        {Qt::Key_F2, WindowKey::F2},
        {Qt::Key_F3, WindowKey::F3},
        {Qt::Key_F4, WindowKey::F4},
        {Qt::Key_F5, WindowKey::F5},
        {Qt::Key_F6, WindowKey::F6},
        {Qt::Key_F7, WindowKey::F7},
        {Qt::Key_F8, WindowKey::F8},
        {Qt::Key_F9, WindowKey::F9},
        {Qt::Key_F10, WindowKey::F10},
        {Qt::Key_F12, WindowKey::F12},
    };
    const auto found = keys.find(key->key());
    if (found == keys.end())
        return false;
    // Moving to another sentence ends the note's editing first: the note is saved for the
    // sentence it was typed under.
    const WindowKey windowKey = found.value();
    if (widget && widget->objectName() == QLatin1String("SenNoteText") &&
        (windowKey == WindowKey::PageUp || windowKey == WindowKey::PageDown ||
         windowKey == WindowKey::Home))
        widget->clearFocus();
    m_controller.keyPressed(found.value());
    // Ctrl and Backspace go on to the focused box; the others belong to the window.
    return found.value() != WindowKey::Ctrl && found.value() != WindowKey::Backspace;
}

} // namespace kelvaro
