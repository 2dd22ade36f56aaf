#pragma once

#include "Twips.h"

#include "modes/Mode.h"

#include <QPoint>
#include <QWidget>

#include <array>

namespace kelvaro {

class ReviewPanel;
class ReviewTab;

class MainController;
class TitleStrip;
class TabBar;
class LibraryTree;
class ModePanel;
class TextPagePanel;
class QtDialogs;
class WordPopup;
class WordCuePicture;
class ResultsPicture;

/// The frameless main window: title strip, tabs, library tree and the mode panels. It draws
/// the controller's state and turns input into the controller's handlers.
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    MainWindow(MainController& controller, const TwipScale& scale, QWidget* parent = nullptr);
    ~MainWindow() override;

    /// Draws the whole state again.
    void refresh();
    /// The panel of mode's tab.
    ModePanel* panel(Mode mode) const { return m_panels[std::size_t(mode)]; }
    /// The review page (made by the wiring place with its controller); its tab shows from now.
    void setReviewPanel(ReviewPanel* panel);
    /// Shows the review page over the practice panels, or the practice panels again.
    void showReview(bool shown);
    bool reviewShown() const { return m_reviewShown; }
    /// Closes without asking about unwritten changes: a session that ends cannot wait for an
    /// answer.
    void closeUnasked();

signals:
    /// "导入课程…" (files empty) or files dropped on the window.
    void importRequested(const QStringList& files);
    /// The tree's "重命名课程…" / "删除课程…" on node.
    void renameLessonRequested(int node);
    void removeLessonRequested(int node);
    /// The title strip's "迷你模式".
    void miniModeRequested();
    /// The learner opened the review page.
    void reviewOpened();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void draw();
    void applyGeometry();
    void applyFocus();
    void toggleMaximised();
    bool isWindowBackground(const QPoint& point) const;

    MainController& m_controller;
    const TwipScale& m_scale;
    TitleStrip* m_titleStrip;
    TabBar* m_tabs;
    LibraryTree* m_tree;
    std::array<ModePanel*, 10> m_panels{};
    WordPopup* m_wordPopup;
    WordCuePicture* m_wordCue;
    ResultsPicture* m_results;
    ReviewTab* m_reviewTab;
    ReviewPanel* m_review = nullptr;
    bool m_reviewShown = false;
    QPoint m_pressPoint;
    bool m_dragging = false;
    bool m_closed = false;
    bool m_closeUnasked = false; ///< the close asks nothing (closeUnasked)
    bool m_refreshing = false;
    bool m_refreshAgain = false;
    int m_treeNodes = -1;
    int m_treeLibraryRevision = -1;
    TwipRect m_appliedWindow{-1, -1, -1, -1};
    TwipRect m_appliedPanel{-1, -1, -1, -1};
};

} // namespace kelvaro
