#include "FakeDialogs.h"

#include "ChineseText.h"

#include <gtest/gtest.h>

namespace kelvaro {

void FakeDialogs::record(const Message& message)
{
    // Every test that drives a path to a message box checks that a learner can read it.
    for (const QString& shown : {message.title, message.text}) {
        const QStringList english = sentencesWithoutChinese(shown);
        if (!english.isEmpty())
            ADD_FAILURE() << "a message box shows English without Chinese: \""
                          << english.join(QStringLiteral("\" / \"")).toStdString() << "\" in\n"
                          << shown.toStdString();
    }
    m_messages.append(message);
}

void FakeDialogs::information(const QString& title, const QString& text)
{
    record({Kind::Information, title, text});
}

void FakeDialogs::warning(const QString& title, const QString& text)
{
    record({Kind::Warning, title, text});
}

std::optional<int> FakeDialogs::chooseColour(int initial)
{
    m_colourRequests.append(initial);
    return m_chosenColour;
}

bool FakeDialogs::question(const QString& title, const QString& text, Answer defaultAnswer)
{
    record({Kind::Question, title, text, defaultAnswer});
    return m_questionAnswers.isEmpty() ? m_questionAnswer : m_questionAnswers.takeFirst();
}

std::optional<QString> FakeDialogs::chooseFolder(const QString& title)
{
    record({Kind::FolderRequest, title, {}});
    if (m_folderAnswers.isEmpty())
        return std::nullopt;
    return m_folderAnswers.takeFirst();
}

std::optional<QString> FakeDialogs::askText(const QString& title, const QString& label,
                                            const QString& initial)
{
    record({Kind::TextRequest, title, label});
    m_textRequests.append(initial);
    if (m_textAnswers.isEmpty())
        return std::nullopt;
    return m_textAnswers.takeFirst();
}

int FakeDialogs::countMentioning(const QString& part) const
{
    int count = 0;
    for (const Message& message : m_messages) {
        if (message.title.contains(part) || message.text.contains(part))
            ++count;
    }
    return count;
}

} // namespace kelvaro
