#include "ResultsPicture.h"

#include "PanelParts.h"

#include "app/MainController.h"
#include "modes/ResultsView.h"

#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QToolButton>

namespace kelvaro {

namespace {

// The view's size in twips; the pages' rows are laid out from its top.
constexpr int kWidth = 7800;
constexpr int kHeight = 6420;
constexpr int kMargin = 240;
constexpr int kPageTop = 900; // the book page covers the lesson page from here down

// A list of one-line entries over a string model: a lesson of thousands of sentences is
// listed at once, without an item object per entry.
QListView* makeList(const QString& objectName, QWidget* parent)
{
    auto* list = new QListView(parent);
    list->setObjectName(objectName);
    list->setModel(new QStringListModel(list));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setUniformItemSizes(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return list;
}

// Lists are filled again only when their entries change, so a list keeps its scroll place.
void setEntries(QListView* list, const QStringList& entries)
{
    auto* model = static_cast<QStringListModel*>(list->model());
    if (model->stringList() != entries)
        model->setStringList(entries);
}

} // namespace

ResultsPicture::ResultsPicture(const TwipScale& scale, MainController& controller, QWidget* parent)
    : QFrame(parent), m_scale(scale)
{
    setObjectName(QStringLiteral("ResultsPicture"));
    setStyleSheet(QStringLiteral(
        "#ResultsPicture { background: #ffffff; border: 1px solid #2b4c6f; border-radius: 6px; }"
        "#BookPicture { background: #ffffff; }"
        "QListView { border: 1px solid #c9d3de; border-radius: 3px; }"
        "QListView::item:hover { background: #dceaf6; }"
        "#ResultsTitle { font-weight: bold; font-size: 11pt; color: #2b4c6f; }"
        "#BookSummaryCaption { color: #222b36; }"
        "#ResultsNotice { color: #d64541; }"));

    m_title = makeLabel(QStringLiteral("ResultsTitle"), QStringLiteral("Caption"), this);
    m_title->setText(QStringLiteral("听写成绩"));
    m_lessonOption = new QRadioButton(QStringLiteral("本课成绩"), this);
    m_lessonOption->setObjectName(QStringLiteral("Option2"));
    m_bookOption = new QRadioButton(QStringLiteral("本册成绩"), this);
    m_bookOption->setObjectName(QStringLiteral("Option1"));
    m_lessonOption->setChecked(true);
    m_exit = new QToolButton(this);
    m_exit->setObjectName(QStringLiteral("ExitResultsCommand"));
    m_exit->setText(QStringLiteral("✕"));
    m_exit->setToolTip(QStringLiteral("关闭"));
    m_exit->setAutoRaise(true);
    m_exit->setCursor(Qt::PointingHandCursor);

    m_missingCaption = makeLabel(QString(), QStringLiteral("Caption"), this);
    m_missingCaption->setText(QStringLiteral("本课未听写完成的句子："));
    m_missing = makeList(QStringLiteral("List1"), this);
    m_passedCaption = makeLabel(QString(), QStringLiteral("Caption"), this);
    m_passedCaption->setText(QStringLiteral("本课已听写完成的句子："));
    m_passed = makeList(QStringLiteral("List2"), this);
    m_hint = makeLabel(QString(), QStringLiteral("Muted"), this);
    m_hint->setText(QStringLiteral("点击句子即可听写该句"));
    m_clearLesson =
        makeCommand(QStringLiteral("ClearResultsCommand"), QStringLiteral("清除本课成绩"), this);
    m_closeLesson =
        makeCommand(QStringLiteral("CloseResultsCommand"), QStringLiteral("关闭"), this);

    m_book = new QFrame(this);
    m_book->setObjectName(QStringLiteral("BookPicture"));
    m_completedCaption = makeLabel(QString(), QStringLiteral("Caption"), m_book);
    m_completedCaption->setText(QStringLiteral("本册已听写完成的课程："));
    m_completed = makeList(QStringLiteral("List3"), m_book);
    m_openCaption = makeLabel(QString(), QStringLiteral("Caption"), m_book);
    m_openCaption->setText(QStringLiteral("本册未听写完成的课程："));
    m_open = makeList(QStringLiteral("List4"), m_book);
    m_summary = makeLabel(QStringLiteral("BookSummaryCaption"), QStringLiteral("Caption"), m_book);
    m_progress = new QProgressBar(m_book);
    m_progress->setObjectName(QStringLiteral("BookProgressPicture"));
    m_progress->setTextVisible(false);
    m_progress->setRange(0, 1000);
    m_progress->setStyleSheet(
        QStringLiteral("QProgressBar { background: #e4e9ef; border: none; border-radius: 4px; }"
                       "QProgressBar::chunk { background: #3c9a5f; border-radius: 4px; }"));
    m_notice = makeLabel(QStringLiteral("ResultsNotice"), QStringLiteral("Caption"), m_book);
    m_notice->setWordWrap(true);
    m_clearBook = makeCommand(QStringLiteral("ClearBookResultsCommand"),
                              QStringLiteral("清除本册成绩"), m_book);
    m_closeBook = makeCommand(QStringLiteral("Command4"), QStringLiteral("关闭"), m_book);
    m_completedCount = makeLabel(QStringLiteral("WriteLessonCountLabel"), QString(), this);
    m_completedCount->hide();
    m_lessonCount = makeLabel(QStringLiteral("BookLessonCountLabel"), QString(), this);
    m_lessonCount->hide();

    connect(m_lessonOption, &QRadioButton::clicked, &controller,
            [&controller] { controller.showResultsPage(false); });
    connect(m_bookOption, &QRadioButton::clicked, &controller,
            [&controller] { controller.showResultsPage(true); });
    for (QAbstractButton* close :
         {static_cast<QAbstractButton*>(m_exit), static_cast<QAbstractButton*>(m_closeLesson),
          static_cast<QAbstractButton*>(m_closeBook)})
        connect(close, &QAbstractButton::clicked, &controller, &MainController::closeResults);
    connect(m_clearLesson, &QPushButton::clicked, &controller, &MainController::clearLessonResults);
    connect(m_clearBook, &QPushButton::clicked, &controller, &MainController::clearBookResults);
    // A release over an entry of either sentence list.
    for (QListView* list : {m_missing, m_passed})
        connect(list, &QListView::clicked, &controller, [&controller](const QModelIndex& index) {
            if (index.isValid())
                controller.resultsSentenceClicked(index.data().toString());
        });

    layoutChildren();
    hide();
}

void ResultsPicture::layoutChildren()
{
    const auto px = [this](int left, int top, int width, int height) {
        return m_scale.rect({left, top, width, height});
    };
    const int inner = kWidth - 2 * kMargin;
    m_title->setGeometry(px(kMargin, 120, 2400, 360));
    m_exit->setGeometry(px(kWidth - kMargin - 360, 90, 360, 360));
    m_lessonOption->setGeometry(px(kMargin, 510, 1500, 330));
    m_bookOption->setGeometry(px(kMargin + 1620, 510, 1500, 330));

    m_missingCaption->setGeometry(px(kMargin, kPageTop + 60, inner, 300));
    m_missing->setGeometry(px(kMargin, kPageTop + 390, inner, 1680));
    m_passedCaption->setGeometry(px(kMargin, kPageTop + 2130, inner, 300));
    m_passed->setGeometry(px(kMargin, kPageTop + 2460, inner, 1680));
    m_hint->setGeometry(px(kMargin, kPageTop + 4200, inner, 300));
    const int buttonTop = kHeight - kMargin - 420;
    m_clearLesson->setGeometry(px(kWidth - kMargin - 2880, buttonTop, 1500, 420));
    m_closeLesson->setGeometry(px(kWidth - kMargin - 1260, buttonTop, 1260, 420));

    // The book page's children stand relative to it.
    // Inside the view's frame, so that its border stays drawn round the book page too.
    m_book->setGeometry(px(30, kPageTop, kWidth - 60, kHeight - kPageTop - 30));
    m_completedCaption->setGeometry(px(kMargin, 60, inner, 300));
    m_completed->setGeometry(px(kMargin, 390, inner, 1380));
    m_openCaption->setGeometry(px(kMargin, 1830, inner, 300));
    m_open->setGeometry(px(kMargin, 2160, inner, 1380));
    m_summary->setGeometry(px(kMargin, 3600, inner, 300));
    m_progress->setGeometry(px(kMargin, 3960, inner, 210));
    m_notice->setGeometry(px(kMargin, 4230, inner, 600));
    const int bookButtonTop = buttonTop - kPageTop;
    m_clearBook->setGeometry(px(kWidth - kMargin - 2880, bookButtonTop, 1500, 420));
    m_closeBook->setGeometry(px(kWidth - kMargin - 1260, bookButtonTop, 1260, 420));
}

void ResultsPicture::refresh(const ResultsView& view)
{
    setVisible(view.visible);
    if (!view.visible)
        return;
    // Centred in the main window.
    if (QWidget* window = parentWidget()) {
        QRect area(0, 0, m_scale.px(kWidth), m_scale.px(kHeight));
        area.moveCenter(window->rect().center());
        setGeometry(area);
    }
    raise();
    m_lessonOption->setChecked(!view.bookPage);
    m_bookOption->setChecked(view.bookPage);
    m_book->setVisible(view.bookPage);
    setEntries(m_missing, view.List1);
    setEntries(m_passed, view.List2);
    setEntries(m_completed, view.List3);
    setEntries(m_open, view.List4);
    m_summary->setText(view.BookSummaryCaption);
    m_progress->setValue(int(view.bookProgress() * 1000));
    m_notice->setText(view.bookNotice);
    m_notice->setVisible(!view.bookNotice.isEmpty());
    m_completedCount->setText(QString::number(view.WriteLessonCountLabel));
    m_lessonCount->setText(QString::number(view.BookLessonCountLabel));
}

} // namespace kelvaro
