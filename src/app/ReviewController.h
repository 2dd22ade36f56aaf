#pragma once

#include "MainContext.h"

#include "history/ReviewSummary.h"

#include <QObject>

#include <QSet>

#include <deque>

namespace kelvaro {

/// The "今日复习" tab's steps: today's review read from the history, the run of the dictation
/// test through the due sentences (each opened in its own lesson), and the drill of a missed
/// word. Headless; the tab's panel calls it and draws summary().
class ReviewController : public QObject
{
    Q_OBJECT
public:
    ReviewController(MainContext& context, const WallClock& clock);
    ~ReviewController() override;

    /// The review as last read.
    const ReviewSummary& summary() const { return m_summary; }
    /// Reads today's review from the history again.
    void reload();

    /// "开始复习": opens the first due sentence in the dictation test; the others follow as
    /// each is passed. False (with a message) when nothing is due or its lesson cannot open.
    bool startReview();
    /// Whether a run goes on, and how many due sentences it has left (the current one too).
    bool reviewing() const { return !m_queue.empty(); }
    int remaining() const { return int(m_queue.size()); }
    /// The current sentence of the run was passed: the next due one opens. False when the run
    /// is over (it then says so) or none goes on.
    bool sentencePassed();

    /// The drill of a missed word: the word's recording is played.
    void hearWord(const QString& word);
    /// The drill: typed is checked against word and kept in the history; whether it was right.
    bool drillTyped(const QString& word, const QString& typed);

signals:
    /// The state or the review changed: the window draws again.
    void changed();
    /// A due sentence was opened in the dictation test: the practice panels are to show.
    void practiceOpened();

private:
    bool openDue(const SentenceRef& ref);
    QDate today() const;

    MainContext& m_context;
    const WallClock& m_clock;
    ReviewSummary m_summary;
    std::deque<SentenceRef> m_queue;
    bool m_moreDue = false; ///< the summary listed only the first of the sentences due
    QSet<QString> m_passed; ///< "book/lesson/sentence" of the sentences passed in this run
    void queueDue();        ///< the listed due sentences not yet passed in this run
};

} // namespace kelvaro
