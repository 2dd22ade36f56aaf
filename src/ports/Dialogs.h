#pragma once

#include <QString>

#include <optional>

namespace kelvaro {

/// Modal questions and notices. Fakes record them.
class Dialogs
{
public:
    /// The button of a question that Enter and Space press.
    enum class Answer { Yes, No };

    virtual ~Dialogs() = default;
    /// A modal message box with the information icon and an OK button.
    virtual void information(const QString& title, const QString& text) = 0;
    /// A modal message box with the warning icon, for files that cannot be read or written.
    virtual void warning(const QString& title, const QString& text) = 0;
    /// The colour dialog; the chosen colour (red in the low byte), or nullopt when cancelled.
    virtual std::optional<int> chooseColour(int initial) = 0;
    /// A modal question with Yes and No buttons, defaultAnswer's button the default; true for
    /// Yes. A port that cannot ask answers No, which leaves everything as it is.
    virtual bool question(const QString& title, const QString& text,
                          Answer defaultAnswer = Answer::Yes)
    {
        (void)title;
        (void)text;
        (void)defaultAnswer;
        return false;
    }
    /// A modal box asking for one line of text, prefilled with initial; nullopt when cancelled
    /// (or when the port cannot ask).
    virtual std::optional<QString> askText(const QString& title, const QString& label,
                                           const QString& initial)
    {
        (void)title;
        (void)label;
        (void)initial;
        return std::nullopt;
    }
    /// The folder dialog; the chosen folder, or nullopt when cancelled (or when the port cannot
    /// ask).
    virtual std::optional<QString> chooseFolder(const QString& title)
    {
        (void)title;
        return std::nullopt;
    }
};

} // namespace kelvaro
