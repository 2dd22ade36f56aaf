#include "LibraryTree.h"

#include "Theme.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace kelvaro {

namespace {

// Icon 2 of the tree: a closed book; icon 1: a lesson sheet.
QIcon drawnIcon(bool book)
{
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    if (book) {
        p.setPen(Qt::NoPen);
        p.setBrush(theme::kFrame);
        p.drawRoundedRect(QRectF(5, 3, 22, 26), 3, 3);
        p.setBrush(QColor(0xf2, 0xc9, 0x4c));
        p.drawRect(QRectF(9, 3, 3, 26));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(14, 9, 10, 2.5));
    } else {
        p.setPen(QPen(theme::kAccent, 1.6));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(7, 4, 18, 24), 2.5, 2.5);
        p.setPen(QPen(theme::kAccent, 1.4));
        for (int y : {11, 16, 21})
            p.drawLine(QPointF(11, y), QPointF(21, y));
    }
    return QIcon(picture);
}

} // namespace

LibraryTree::LibraryTree(QWidget* parent)
    : QTreeWidget(parent), m_bookIcon(drawnIcon(true)), m_lessonIcon(drawnIcon(false))
{
    setObjectName(QStringLiteral("TreeView1"));
    header()->hide();
    setColumnCount(1);
    setIndentation(14);
    setIconSize(QSize(16, 16));
    setUniformRowHeights(true);
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        if (const int node = nodeOf(item))
            emit nodeClicked(node);
    });
}

void LibraryTree::setBook(const QString& title, const QStringList& lessons)
{
    clear();
    addBook(title, lessons);
}

void LibraryTree::setLibrary(const QVector<LibraryBook>& library)
{
    // Many own books hold thousands of lessons: the view lays them out once, at the end.
    setUpdatesEnabled(false);
    clear();
    for (const LibraryBook& book : library)
        addBook(book.title, book.lessonNames);
    setUpdatesEnabled(true);
}

int LibraryTree::nodeOf(const QTreeWidgetItem* item) const
{
    if (item == nullptr)
        return 0;
    const QTreeWidgetItem* book = item->parent() ? item->parent() : item;
    const int bookIndex = indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(book));
    if (bookIndex < 0)
        return 0;
    int node = 1;
    for (int b = 0; b < bookIndex; ++b)
        node += topLevelItem(b)->childCount() + 1;
    return item->parent() ? node + 1 + book->indexOfChild(const_cast<QTreeWidgetItem*>(item))
                          : node;
}

QTreeWidgetItem* LibraryTree::itemOf(int node) const
{
    int first = 1;
    for (int b = 0; b < topLevelItemCount(); ++b) {
        QTreeWidgetItem* book = topLevelItem(b);
        if (node == first)
            return book;
        if (node <= first + book->childCount())
            return book->child(node - first - 1);
        first += book->childCount() + 1;
    }
    return nullptr;
}

void LibraryTree::addBook(const QString& title, const QStringList& lessons)
{
    auto* root = new QTreeWidgetItem(this, {title});
    root->setIcon(0, m_bookIcon);
    QList<QTreeWidgetItem*> items;
    items.reserve(lessons.size());
    for (const QString& name : lessons) {
        auto* item = new QTreeWidgetItem({name});
        item->setIcon(0, m_lessonIcon);
        items.append(item);
    }
    root->addChildren(items);
    root->setExpanded(true);
}

void LibraryTree::contextMenuEvent(QContextMenuEvent* event)
{
    QTreeWidgetItem* item = itemAt(viewport()->mapFromGlobal(event->globalPos()));
    // The first book is the built-in one; the others are the learner's own.
    const bool ownLesson = item && item->parent() && indexOfTopLevelItem(item->parent()) > 0;
    const int node = nodeOf(item);
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
        event->button() == Qt::RightButton || itemAt(event->position().toPoint()) == nullptr;
    if (m_pressIgnored) {
        event->accept();
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

void LibraryTree::mouseMoveEvent(QMouseEvent* event)
{
    // Dragging on from an ignored press would select the nodes passed over.
    if (m_pressIgnored && event->buttons() != Qt::NoButton) {
        event->accept();
        return;
    }
    QTreeWidget::mouseMoveEvent(event);
}

void LibraryTree::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_pressIgnored) {
        m_pressIgnored = false;
        event->accept();
        return;
    }
    QTreeWidget::mouseReleaseEvent(event);
}

void LibraryTree::selectNode(int node)
{
    QTreeWidgetItem* item = itemOf(node);
    if (item && item->parent() == nullptr)
        item = nullptr; // only lessons are selected
    const QSignalBlocker blocker(this);
    if (item && currentItem() != item) {
        setCurrentItem(item);
        scrollToItem(item);
    } else if (!item) {
        clearSelection();
    }
}

} // namespace kelvaro
