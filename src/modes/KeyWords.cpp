#include "KeyWords.h"

#include "FillIn.h"

#include "content/LessonEdits.h"

namespace kelvaro {

namespace {

ViewElement* element(ElementArray& array, int index)
{
    return index >= 1 && index < array.size() ? &array[index] : nullptr;
}

} // namespace

bool isMarkedLabel(const ElementArray& labels, int index)
{
    if (index < 1 || index >= labels.size())
        return false;
    return labels[index].foreground != labels[0].foreground;
}

int fullTextCellOfWord(const MainState& state, int k)
{
    const FullTextView& view = state.fullText;
    const int cell = view.SentenceCellOffset + k;
    if (k < 1 || cell >= view.AllWordTextLabel.size() ||
        view.cellSentence.value(cell) != state.CurrentSentence)
        return 0;
    return cell;
}

KeyWordToggle toggleKeyWord(MainState& state, int k, KeyWordView deciding)
{
    const int s = state.CurrentSentence;
    if (s < 1 || s > state.SentenceCount)
        return KeyWordToggle::None;
    ElementArray& words = state.sentence.SenWordLabel;
    ElementArray& cells = state.fullText.AllWordTextLabel;
    const int cell = fullTextCellOfWord(state, k);
    const bool marked = deciding == KeyWordView::SentenceBrowse ? isMarkedLabel(words, k)
                                                                : isMarkedLabel(cells, cell);

    QString& record = state.record(s);
    const std::optional<QString> withMark = toggleKeyWordMark(record, k, true);
    if (!withMark)
        return KeyWordToggle::None; // segment k holds no word
    // Unmarking succeeds exactly when the word carries its mark.
    const std::optional<QString> withoutMark = toggleKeyWordMark(record, k, false);

    const Rgb keyColour = colourFromValue(state.keyWordColour());
    if (ViewElement* label = element(words, k))
        label->foreground = marked ? words[0].foreground : keyColour;
    if (ViewElement* mirror = element(cells, cell))
        mirror->foreground = marked ? cells[0].foreground : keyColour;

    if (marked) {
        if (!withoutMark)
            return KeyWordToggle::Recoloured;
        record = *withoutMark;
        return KeyWordToggle::Unmarked;
    }
    // A key-word colour equal to the template's never shows a mark: never add a second one.
    if (withoutMark)
        return KeyWordToggle::Recoloured;
    record = *withMark;
    return KeyWordToggle::Marked;
}

void recolourKeyWords(MainState& state, Rgb colour)
{
    for (ElementArray* labels : {&state.fullText.AllWordTextLabel, &state.sentence.SenWordLabel}) {
        for (int i = 1; i < labels->size(); ++i) {
            if (isMarkedLabel(*labels, i))
                (*labels)[i].foreground = colour;
        }
    }
}

void updateFillInAvailability(MainState& state)
{
    // Only a word's own mark counts: the same rule as the fill-in's stepping and blanks.
    QVector<int> words;
    for (const QString& record : state.lesson.records)
        appendMarkedWords(record, words);
    const int count = int(words.size());
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
