#pragma once

#include "MainContext.h"

#include <QPoint>

namespace kelvaro {

/// Fills and sizes the word popup for word and places it beside the pointer; it does
/// not show it. A word that is not found stops the word player.
void lookUpWord(MainContext& context, const QString& word);

/// A click on word label k of the sentence view: with Ctrl held the word's key-word mark toggles
/// and the lesson is saved; in every case the word is looked up, shown and spoken. Labels
/// without a dictionary word do nothing.
void sentenceWordClicked(MainContext& context, int k);

/// A right-button release over full-text cell index: its sentence becomes current, Ctrl toggles
/// the word's mark, the word is looked up, shown and spoken, and the lesson player waits paused
/// at the sentence's start. Cells that do not begin with a letter do nothing.
void fullTextWordReleased(MainContext& context, int index);

/// Rebuilds the lesson text from the records and writes the lesson file of the
/// selected library node. A failed write is reported with the file's name; the records and
/// context.unwritten keep the text with change, so the next save or the exit writes it.
Status saveLessonText(MainContext& context, LessonChange change);

/// The note box's text becomes the current sentence's note (line breaks become
/// blanks, "*" and "#" their full-width forms, leading blanks kept) and the lesson is saved.
void saveSentenceNote(MainContext& context, const QString& text);

/// The note box lost the focus holding text typed for sentence, which may no longer be the
/// current one (the sentence moved on while the learner typed): saved into that sentence.
void leaveNoteBox(MainContext& context, int sentence, const QString& text);

/// A click on the note placeholder: it hides (the panel puts the keyboard focus into the box).
void notePlaceholderClicked(MainContext& context);

/// "设置重点词颜色": the colour dialog; a chosen colour becomes the key-word colour and recolours
/// every marked word of both views. A cancelled dialog changes nothing.
void chooseKeyWordColour(MainContext& context);

/// "添加/取消重点词": tells how key words are marked.
void showKeyWordHelp(MainContext& context);

/// The online dictionary's page for word; the word is escaped into one path element.
QString wordLookupAddress(const QString& word);

/// The link "<词典>" pressed: it takes its pressed look.
void pressWordLink(MainContext& context);

/// The link released: back to rest, and the desktop's browser opens the popup word's page.
void releaseWordLink(MainContext& context);

/// Hides the word popup (clicks on a view's background).
void hideWordPopup(MainContext& context);

/// The window now stands at topLeft (screen pixels); the popup is placed relative to it.
void windowMoved(MainContext& context, QPoint topLeft);

} // namespace kelvaro
