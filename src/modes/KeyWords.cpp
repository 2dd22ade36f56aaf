#include "KeyWords.h"

#include "FillIn.h"

#include "content/Lesson.h"
#include "content/LessonEdits.h"

namespace kelvaro {

namespace {

ViewElement* element(ElementArray& array, int index)
{
    return index >= 1 && index < array.size() ? &array[index] : nullptr;
}

} // namespace

int fullTextCellOfWord(const MainState& state, int k)
{
    const FullTextView& view = state.fullText;
    const int cell = view.SentenceCellOffset + k;
    if (k < 1 || cell >= view.AllWordTextLabel.size() ||
        view.cellSentence.value(cell) != state.CurrentSentence)
        return 0;
    return cell;
}

KeyWordToggle toggleKeyWord(MainState& state, int k)
{
    const int s = state.CurrentSentence;
    if (s < 1 || s > state.SentenceCount)
        return KeyWordToggle::None;
    const QString& record = state.record(s);
    const std::optional<QString> withMark = toggleKeyWordMark(record, k, true);
    if (!withMark)
        return KeyWordToggle::None; // segment k holds no word
    // The record decides: a label's colour cannot tell a key word from a plain one when the
    // key-word colour is the normal word colour. Unmarking succeeds exactly when the word
    // carries its mark.
    const std::optional<QString> withoutMark = toggleKeyWordMark(record, k, false);
    const bool marked = withoutMark.has_value();
    state.setRecord(s, marked ? *withoutMark : *withMark);

    // Both views are recoloured from the record.
    ElementArray& words = state.sentence.SenWordLabel;
    ElementArray& cells = state.fullText.AllWordTextLabel;
    const Rgb keyColour = colourFromValue(state.keyWordColour());
    if (ViewElement* label = element(words, k))
        label->foreground = marked ? words[0].foreground : keyColour;
    if (ViewElement* mirror = element(cells, fullTextCellOfWord(state, k)))
        mirror->foreground = marked ? cells[0].foreground : keyColour;
    return marked ? KeyWordToggle::Unmarked : KeyWordToggle::Marked;
}

void recolourKeyWords(MainState& state, Rgb colour)
{
    // From the records, not from the labels' colours: a key-word colour equal to the normal
    // word colour leaves no label that looks marked.
    ElementArray& cells = state.fullText.AllWordTextLabel;
    int cell = 1;
    for (int s = 1; s <= state.SentenceCount && cell < cells.size(); ++s) {
        for (const Segment& segment : recordSegments(state.record(s))) {
            if (cell >= cells.size())
                break;
            cells[cell++].foreground = segment.keyWord ? colour : cells[0].foreground;
        }
        ++cell; // the sentence's end marker
    }
    ElementArray& words = state.sentence.SenWordLabel;
    if (state.CurrentSentence < 1 || state.CurrentSentence > state.SentenceCount)
        return;
    const QVector<Segment> segments = recordSegments(state.record(state.CurrentSentence));
    for (int k = 1; k < words.size() && k <= segments.size(); ++k)
        words[k].foreground = segments[k - 1].keyWord ? colour : words[0].foreground;
}

void updateFillInAvailability(MainState& state)
{
    // Only a word's own mark counts: the same rule as the fill-in's stepping and blanks.
    const int count = lessonKeyWords(state).markedWords;
    state.KeyWordCount = count;
    state.lesson.keyWordCount = count;
    FillInView& f = state.fillIn;
    if (count == 0) {
        f.Command1Enabled = false;
        f.Command5Enabled = false;
        f.Command6Enabled = false;
        f.Command8Enabled = false;
        f.Command9Enabled = false;
    } else {
        f.Command6Enabled = true;
        f.Command8Enabled = true;
    }
}

} // namespace kelvaro
