#pragma once

#include <QTreeWidget>

namespace kelvaro {

/// The library tree: the book's node with one node per lesson. Node indices follow the
/// order the nodes were added: 1 is the book, k + 1 is lesson k.
class LibraryTree : public QTreeWidget
{
    Q_OBJECT
public:
    explicit LibraryTree(QWidget* parent = nullptr);

    /// Adds the book's node and its lesson nodes.
    void setBook(const QString& title, const QStringList& lessons);
    /// Selects node index without reporting a click.
    void selectNode(int node);

signals:
    void nodeClicked(int node);
};

} // namespace kelvaro
