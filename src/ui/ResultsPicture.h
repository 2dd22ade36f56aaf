#pragma once

#include "Twips.h"

#include <QFrame>

class QLabel;
class QListView;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace kelvaro {

class MainController;
struct ResultsView;

/// The results view: the lesson page with the book page laid over it, centred in the window.
/// It draws ResultsView and turns clicks into the controller's results handlers.
class ResultsPicture : public QFrame
{
    Q_OBJECT
public:
    ResultsPicture(const TwipScale& scale, MainController& controller, QWidget* parent);

    void refresh(const ResultsView& view);

private:
    void layoutChildren();

    const TwipScale& m_scale;
    // The children; a name after one is its objectName.
    QLabel* m_title;
    QRadioButton* m_lessonOption; ///< Option2 "本课成绩"
    QRadioButton* m_bookOption;   ///< Option1 "本册成绩"
    QToolButton* m_exit;          ///< ExitResultsCommand
    QLabel* m_missingCaption;
    QListView* m_missing; ///< List1
    QLabel* m_passedCaption;
    QListView* m_passed; ///< List2
    QLabel* m_hint;
    QPushButton* m_clearLesson; ///< ClearResultsCommand
    QPushButton* m_closeLesson; ///< CloseResultsCommand
    QFrame* m_book;             ///< BookPicture
    QLabel* m_completedCaption;
    QListView* m_completed; ///< List3
    QLabel* m_openCaption;
    QListView* m_open;        ///< List4
    QLabel* m_summary;        ///< BookSummaryCaption
    QProgressBar* m_progress; ///< BookProgressPicture: the share of the book completed
    QLabel* m_notice;
    QPushButton* m_clearBook; ///< ClearBookResultsCommand
    QPushButton* m_closeBook; ///< Command4
    QLabel* m_completedCount; ///< WriteLessonCountLabel (hidden)
    QLabel* m_lessonCount;    ///< BookLessonCountLabel (hidden)
};

} // namespace kelvaro
