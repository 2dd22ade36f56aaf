#pragma once

#include "modes/Library.h"

#include <QAbstractItemModel>
#include <QIcon>

namespace kelvaro {

/// The library as the tree shows it: one row per book, under it one row per lesson. Rows are
/// read from the library itself, so a library of thousands of lessons costs no item objects.
class LibraryModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    explicit LibraryModel(QObject* parent = nullptr);

    /// Shows library in place of what was shown.
    void setLibrary(const QVector<LibraryBook>& library);

    /// The row of node (1 is the first book, k + 1 its lesson k, then the next book); invalid
    /// for none.
    QModelIndex indexOfNode(int node) const;
    /// The node of index; 0 for none.
    int nodeOf(const QModelIndex& index) const;
    /// The book (0-based) that index is or belongs to; -1 for none.
    static int bookOf(const QModelIndex& index);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QVector<LibraryBook> m_library;
    QVector<int> m_firstNode; ///< the node of each book's own row
    QIcon m_bookIcon;
    QIcon m_lessonIcon;
};

} // namespace kelvaro
