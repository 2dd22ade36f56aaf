#pragma once

#include "modes/Library.h"

#include <QTreeView>

namespace kelvaro {

/// The library tree: each book's node with one node per lesson. Node indices follow the
/// order the nodes stand in: 1 is the first book, k + 1 its lesson k, then the next book.
class LibraryModel;

class LibraryTree : public QTreeView
{
    Q_OBJECT
public:
    explicit LibraryTree(QWidget* parent = nullptr);

    /// Adds the book's node and its lesson nodes.
    void setBook(const QString& title, const QStringList& lessons);
    /// Shows every book of the library, each with its lesson nodes.
    void setLibrary(const QVector<LibraryBook>& library);
    /// Selects node index without reporting a click.
    void selectNode(int node);

signals:
    void nodeClicked(int node);
    /// "导入课程…" of the tree's menu.
    void importRequested();
    /// "重命名课程…" / "删除课程…" on a lesson of an own book.
    void renameRequested(int node);
    void removeRequested(int node);

protected:
    /// The tree's menu: "导入课程…" anywhere; on a lesson of an own book also renaming and
    /// removing it.
    void contextMenuEvent(QContextMenuEvent* event) override;
    /// A right press only opens the menu, and a press beside every node does nothing: the
    /// lesson open stays the one selected.
    void mousePressEvent(QMouseEvent* event) override;
    /// The drag and the release of an ignored press are ignored too.
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    LibraryModel* m_model;
    bool m_pressIgnored = false; ///< the last press was ignored: its drag and release are too
};

} // namespace kelvaro
