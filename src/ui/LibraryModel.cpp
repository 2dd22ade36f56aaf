#include "LibraryModel.h"

#include "Theme.h"

#include <QPainter>

#include <algorithm>

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

// A book's row carries no parent; a lesson's row carries its book's index + 1.
constexpr quintptr kBookRow = 0;

} // namespace

LibraryModel::LibraryModel(QObject* parent)
    : QAbstractItemModel(parent), m_bookIcon(drawnIcon(true)), m_lessonIcon(drawnIcon(false))
{
}

void LibraryModel::setLibrary(const QVector<LibraryBook>& library)
{
    beginResetModel();
    m_library = library;
    m_firstNode.clear();
    m_firstNode.reserve(library.size());
    int node = 1;
    for (const LibraryBook& book : library) {
        m_firstNode.append(node);
        node += int(book.lessonNames.size()) + 1;
    }
    endResetModel();
}

QModelIndex LibraryModel::indexOfNode(int node) const
{
    if (node < 1 || m_firstNode.isEmpty())
        return {};
    const auto after = std::upper_bound(m_firstNode.cbegin(), m_firstNode.cend(), node);
    const int book = int(after - m_firstNode.cbegin()) - 1;
    const int lesson = node - m_firstNode[book]; // 0: the book's own row
    if (lesson == 0)
        return index(book, 0);
    if (lesson > m_library[book].lessonNames.size())
        return {};
    return createIndex(lesson - 1, 0, quintptr(book) + 1);
}

int LibraryModel::nodeOf(const QModelIndex& index) const
{
    const int book = bookOf(index);
    if (book < 0 || book >= m_firstNode.size())
        return 0;
    return index.internalId() == kBookRow ? m_firstNode[book] : m_firstNode[book] + 1 + index.row();
}

int LibraryModel::bookOf(const QModelIndex& index)
{
    if (!index.isValid())
        return -1;
    return index.internalId() == kBookRow ? index.row() : int(index.internalId() - 1);
}

QModelIndex LibraryModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row < m_library.size() ? createIndex(row, 0, kBookRow) : QModelIndex();
    if (parent.internalId() != kBookRow || parent.row() >= m_library.size())
        return {};
    if (row >= m_library[parent.row()].lessonNames.size())
        return {};
    return createIndex(row, 0, quintptr(parent.row()) + 1);
}

QModelIndex LibraryModel::parent(const QModelIndex& child) const
{
    if (!child.isValid() || child.internalId() == kBookRow)
        return {};
    return createIndex(int(child.internalId() - 1), 0, kBookRow);
}

int LibraryModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return int(m_library.size());
    if (parent.internalId() != kBookRow || parent.row() >= m_library.size())
        return 0;
    return int(m_library[parent.row()].lessonNames.size());
}

int LibraryModel::columnCount(const QModelIndex&) const
{
    return 1;
}

QVariant LibraryModel::data(const QModelIndex& index, int role) const
{
    const int book = bookOf(index);
    if (book < 0 || book >= m_library.size())
        return {};
    const bool bookRow = index.internalId() == kBookRow;
    switch (role) {
    case Qt::DisplayRole:
        return bookRow ? m_library[book].title : m_library[book].lessonNames.value(index.row());
    case Qt::DecorationRole:
        return bookRow ? m_bookIcon : m_lessonIcon;
    default:
        return {};
    }
}

Qt::ItemFlags LibraryModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

} // namespace kelvaro
