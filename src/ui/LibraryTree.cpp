#include "LibraryTree.h"

#include "LibraryModel.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>

namespace kelvaro {

LibraryTree::LibraryTree(QWidget* parent) : QTreeView(parent), m_model(new LibraryModel(this))
{
    setObjectName(QStringLiteral("TreeView1"));
    setModel(m_model);
    header()->hide();
    setIndentation(14);
    setIconSize(QSize(16, 16));
    setUniformRowHeights(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QTreeView::clicked, this, [this](const QModelIndex& index) {
        if (const int node = m_model->nodeOf(index))
            emit nodeClicked(node);
    });
}

void LibraryTree::setBook(const QString& title, const QStringList& lessons)
{
    setLibrary({LibraryBook{title, lessons}});
}

void LibraryTree::setLibrary(const QVector<LibraryBook>& library)
{
    // Every book stands open. The view lays out its rows once, when next shown; expandAll()
    // would instead mark each of thousands of lessons expanded too, at quadratic cost.
    m_model->setLibrary(library);
    for (int book = 0; book < m_model->rowCount(); ++book)
        expand(m_model->index(book, 0));
}

void LibraryTree::contextMenuEvent(QContextMenuEvent* event)
{
    const QModelIndex item = indexAt(viewport()->mapFromGlobal(event->globalPos()));
    // The first book is the built-in one; the others are the learner's own.
    const bool ownLesson = item.parent().isValid() && LibraryModel::bookOf(item) > 0;
    const int node = m_model->nodeOf(item);
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("LibraryMenu"));
    connect(menu.addAction(QStringLiteral("导入课程…")), &QAction::triggered, this,
            &LibraryTree::importRequested);
    if (ownLesson) {
        menu.addSeparator();
        connect(menu.addAction(QStringLiteral("重命名课程…")), &QAction::triggered, this,
                [this, node] { emit renameRequested(node); });
        connect(menu.addAction(QStringLiteral("删除课程…")), &QAction::triggered, this,
                [this, node] { emit removeRequested(node); });
    }
    menu.exec(event->globalPos());
    event->accept();
}

void LibraryTree::mousePressEvent(QMouseEvent* event)
{
    // A right press only opens the menu, and a press on no node at all would clear the
    // selection: either way the open lesson stays the one highlighted.
    m_pressIgnored =
        event->button() == Qt::RightButton || !indexAt(event->position().toPoint()).isValid();
    if (m_pressIgnored) {
        event->accept();
        return;
    }
    QTreeView::mousePressEvent(event);
}

void LibraryTree::mouseMoveEvent(QMouseEvent* event)
{
    // Dragging on from an ignored press would select the nodes passed over.
    if (m_pressIgnored && event->buttons() != Qt::NoButton) {
        event->accept();
        return;
    }
    QTreeView::mouseMoveEvent(event);
}

void LibraryTree::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_pressIgnored) {
        m_pressIgnored = false;
        event->accept();
        return;
    }
    QTreeView::mouseReleaseEvent(event);
}

void LibraryTree::selectNode(int node)
{
    QModelIndex item = m_model->indexOfNode(node);
    if (!item.parent().isValid())
        item = {}; // only lessons are selected
    const QSignalBlocker blocker(this);
    if (item.isValid() && currentIndex() != item) {
        setCurrentIndex(item);
        scrollTo(item);
    } else if (!item.isValid()) {
        clearSelection();
    }
}

} // namespace kelvaro
