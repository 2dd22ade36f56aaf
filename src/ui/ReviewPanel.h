#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kelvaro {

class ProgressChart;
class ReviewController;

/// The "今日复习" tab's page: the due sentences and the button that reviews them, the words
/// the learner keeps missing with their drill, the three most frequent misspelling patterns,
/// and the 30-day chart. It draws the controller's summary and passes the clicks on.
class ReviewPanel : public QWidget
{
    Q_OBJECT
public:
    ReviewPanel(ReviewController& controller, QWidget* parent = nullptr);

    /// Draws the controller's review as it stands.
    void refresh();
    /// The number of sentences due, as last read.
    int dueCount() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void layoutChildren();
    void wordChosen();
    void checkDrill();

    ReviewController& m_controller;
    QLabel* m_dueTitle;
    QListWidget* m_dueList;
    QPushButton* m_start;
    QLabel* m_wordsTitle;
    QListWidget* m_words;
    QLabel* m_wordSources;
    QLineEdit* m_drill;
    QPushButton* m_hear;
    QLabel* m_drillResult;
    QLabel* m_patternsTitle;
    QLabel* m_patterns;
    ProgressChart* m_chart;
};

} // namespace kelvaro
