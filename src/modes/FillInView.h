#pragma once

#include "ViewElement.h"
#include "WordCueCard.h"

#include <QVector>

#include <array>

namespace kelvaro {

/// A key word of the lesson: a word segment whose record carries its "◆".
struct KeyWordSpot
{
    int cell = 0;     ///< its full-text cell
    int sentence = 0; ///< 1-based
    int word = 0;     ///< its segment number in the sentence
};

/// The lesson's key words as last found, with what they were found from: a step through them
/// reads this instead of every record.
struct KeyWordPlaces
{
    quint64 lessonRevision = 0; ///< the lesson's revision they were found in
    const int* cells = nullptr; ///< the full-text cell map they were placed by
    qsizetype cellCount = -1;
    QVector<KeyWordSpot> spots; ///< in full-text order
    int markedWords = 0;        ///< marked word segments of every record, with or without a cell
};

/// The word fill-in panel and its state; nothing of it is saved.
struct FillInView
{
    /// The sentence's words, with the blank's word hidden, and their underlines.
    ElementArray CurrentWordSenLabel, CurrentWordSenLine;
    int KeyWordPosition = 0;  ///< the full-text cell of the key word being filled in
    int BlankWordNumber = 0;  ///< the word (segment) of the current sentence that is blank
    int CurrentWordIndex = 0; ///< the blank's ordinal among the lesson's key words
    QString SentenceWord;     ///< the blank's dictionary form
    WordFacts facts;          ///< the last lookup of the blank's word

    ViewElement CurrentWordWriteText; ///< the input box over the blank; caption = its text
    int selectRequests = 0;           ///< raised each time the whole box text is to be selected
    /// The hint texts: the word, the meaning, the transcription.
    std::array<ViewElement, 3> CurrentWordTextLabel;
    ViewElement Picture7;    ///< the message bubble; caption = its message
    QString progressCaption; ///< "i / K"
    KeyWordPlaces keyWords;  ///< a cache; see lessonKeyWords

    bool Command6Enabled = false; ///< "首词"
    bool Command5Enabled = false; ///< "上一词"
    bool Command1Enabled = false; ///< "下一词"
    bool Command7Enabled = false; ///< "读词"
    bool Command8Enabled = false; ///< "读句"
    bool Command9Enabled = false; ///< "填写"
};

} // namespace kelvaro
