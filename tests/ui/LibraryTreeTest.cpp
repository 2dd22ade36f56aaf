// The library tree in the real window: the open lesson keeps its highlight whatever the
// learner does beside the nodes.
#include "WindowFixture.h"

#include <QItemSelectionModel>
#include <QTreeView>

namespace kelvaro {
namespace {

class LibraryTreeTest : public WindowFixture
{
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        m_tree = child<QTreeView>(QStringLiteral("TreeView1"));
        ASSERT_NE(m_tree, nullptr);
        QTest::mouseClick(m_tree->viewport(), Qt::LeftButton, {}, centreOf(lesson(2)));
        ASSERT_EQ(state().LessonNumber, 2);
        ASSERT_EQ(highlighted(), lesson(2));
    }

    QModelIndex lesson(int n) const
    {
        const QAbstractItemModel* model = m_tree->model();
        return model->index(n - 1, 0, model->index(0, 0));
    }
    QPoint centreOf(const QModelIndex& item) const { return m_tree->visualRect(item).center(); }
    /// A point of the viewport below the last node.
    QPoint empty() const
    {
        const QRect last = m_tree->visualRect(lesson(2));
        const QPoint point(last.center().x(), m_tree->viewport()->height() - 4);
        EXPECT_GT(point.y(), last.bottom()) << "the tree has no empty part below its nodes";
        EXPECT_FALSE(m_tree->indexAt(point).isValid());
        return point;
    }
    /// The one highlighted node; invalid when none or several are.
    QModelIndex highlighted() const
    {
        const auto selected = m_tree->selectionModel()->selectedIndexes();
        return selected.size() == 1 ? selected.front() : QModelIndex();
    }

    QTreeView* m_tree = nullptr;
};

// A click on the empty part of the tree cleared the open lesson's highlight.
TEST_F(LibraryTreeTest, PressesBesideTheNodesLeaveTheOpenLessonHighlighted)
{
    QTest::mouseClick(m_tree->viewport(), Qt::LeftButton, {}, empty());
    EXPECT_EQ(highlighted(), lesson(2));
    EXPECT_EQ(m_tree->currentIndex(), lesson(2));

    QTest::mouseDClick(m_tree->viewport(), Qt::LeftButton, {}, empty());
    EXPECT_EQ(highlighted(), lesson(2));

    // Dragged from the empty part over lesson 1: nothing is selected on the way.
    QTest::mousePress(m_tree->viewport(), Qt::LeftButton, {}, empty());
    QMouseEvent move(QEvent::MouseMove, QPointF(centreOf(lesson(1))),
                     m_tree->viewport()->mapToGlobal(QPointF(centreOf(lesson(1)))), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_tree->viewport(), &move);
    QTest::mouseRelease(m_tree->viewport(), Qt::LeftButton, {}, centreOf(lesson(1)));
    EXPECT_EQ(highlighted(), lesson(2));
    EXPECT_EQ(state().LessonNumber, 2);

    // A lesson's own click still opens it and moves the highlight.
    QTest::mouseClick(m_tree->viewport(), Qt::LeftButton, {}, centreOf(lesson(1)));
    EXPECT_EQ(state().LessonNumber, 1);
    EXPECT_EQ(highlighted(), lesson(1));
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

} // namespace
} // namespace kelvaro
