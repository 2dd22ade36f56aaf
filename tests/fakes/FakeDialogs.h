#pragma once

#include "ports/Dialogs.h"

#include <QStringList>
#include <QVector>

namespace kelvaro {

/// Records the message boxes shown; the colour dialog and the questions answer what the test
/// preset. A message a learner could not read (an English sentence without Chinese) fails the
/// running test.
class FakeDialogs : public Dialogs
{
public:
    enum class Kind { Information, Warning, Question, TextRequest, FolderRequest };
    struct Message
    {
        Kind kind;
        QString title;
        QString text;
        Answer defaultAnswer = Answer::Yes; ///< a question's default button
    };

    void information(const QString& title, const QString& text) override;
    void warning(const QString& title, const QString& text) override;
    std::optional<int> chooseColour(int initial) override;
    bool question(const QString& title, const QString& text,
                  Answer defaultAnswer = Answer::Yes) override;
    /// Recorded as TextRequest (text: the label); answers the next preset text answer, or
    /// nullopt (cancelled) when none is left.
    std::optional<QString> askText(const QString& title, const QString& label,
                                   const QString& initial) override;
    /// Recorded as FolderRequest; answers the next preset folder, or nullopt (cancelled) when
    /// none is left.
    std::optional<QString> chooseFolder(const QString& title) override;

    /// Every message box so far, in order.
    const QVector<Message>& messages() const { return m_messages; }
    /// The message boxes whose title or text contains part.
    int countMentioning(const QString& part) const;
    void clear() { m_messages.clear(); }

    /// What chooseColour returns from now on (nullopt: cancelled).
    void setChosenColour(std::optional<int> colour) { m_chosenColour = colour; }
    /// The initial colours chooseColour was called with.
    const QVector<int>& colourRequests() const { return m_colourRequests; }
    /// What question answers from now on (true: Yes).
    void setQuestionAnswer(bool yes) { m_questionAnswer = yes; }
    /// What the next askText calls answer, in order.
    void setTextAnswers(const QVector<std::optional<QString>>& answers) { m_textAnswers = answers; }
    /// What the next chooseFolder calls answer, in order.
    void setFolderAnswers(const QVector<std::optional<QString>>& answers)
    {
        m_folderAnswers = answers;
    }
    /// What the next question calls answer, in order, before the one answer set for all.
    void setQuestionAnswers(const QVector<bool>& answers) { m_questionAnswers = answers; }
    /// The initial texts askText was called with.
    const QStringList& textRequests() const { return m_textRequests; }

private:
    /// Keeps message; a title or text with an English sentence and no Chinese fails the test.
    void record(const Message& message);

    QVector<Message> m_messages;
    std::optional<int> m_chosenColour;
    QVector<int> m_colourRequests;
    bool m_questionAnswer = false;
    QVector<std::optional<QString>> m_textAnswers;
    QStringList m_textRequests;
    QVector<std::optional<QString>> m_folderAnswers;
    QVector<bool> m_questionAnswers;
};

} // namespace kelvaro
