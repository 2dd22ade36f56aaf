#include "LibraryLoading.h"

#include "content/BookList.h"
#include "content/OwnBooks.h"

namespace kelvaro {

void loadLibrary(MainContext& context)
{
    MainState& state = context.state;
    state.library = {LibraryBook{builtInBookName(), state.lessonNames}};
    ++state.libraryRevision;
    const Result<QStringList> titles = loadOwnBooks(state.folder);
    if (!titles) {
        context.ports.dialogs.warning(QStringLiteral("提示"),
                                      QStringLiteral("自己的课本列表有误，这些课本暂不显示。\n\n") +
                                          titles.error());
        return;
    }
    QStringList refused;
    for (const QString& title : titles.value()) {
        if (title.isEmpty() || bookIndex(state.library, title) >= 0)
            continue;
        const Result<QStringList> names = loadBookList(state.folder.bookList(title));
        if (!names) {
            refused.append(names.error());
            continue;
        }
        state.library.append(LibraryBook{title, names.value()});
    }
    if (!refused.isEmpty())
        context.ports.dialogs.warning(QStringLiteral("提示"),
                                      QStringLiteral("以下课本的课程列表无法读取，暂不显示。\n\n") +
                                          refused.join(u'\n'));
}

int nearestLessonNode(const QVector<LibraryBook>& library, int node)
{
    const int count = libraryNodeCount(library);
    if (count < 2)
        return 2;
    if (node < 2)
        return 2;
    if (node > count)
        node = count;
    const LibraryPlace place = placeOfNode(library, node);
    if (place.lesson > 0)
        return node;
    if (place.book >= 0 && !library[place.book].lessonNames.isEmpty())
        return node + 1; // a book's own node: its first lesson
    // An empty book: the last lesson before it.
    for (int n = node - 1; n >= 2; --n) {
        if (placeOfNode(library, n).lesson > 0)
            return n;
    }
    return 2;
}

} // namespace kelvaro
