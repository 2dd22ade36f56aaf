#pragma once

#include "MainContext.h"
#include "ModeRoom.h"
#include "RepeatScheduler.h"
#include "rooms/DictationRoom.h"
#include "rooms/FillInRoom.h"
#include "rooms/ReadAfterRoom.h"
#include "rooms/RecallRoom.h"

#include <QString>

#include <array>

namespace kelvaro {

/// What a practice mode is to the window: its tab, where the keyboard goes when it is shown,
/// how it reads a sentence and which option menu its gear opens. A new tab is one row here
/// (plus its panel's row in the window's panel table and its own files).
struct ModeRow
{
    Mode mode;
    const char* caption;        ///< the tab's text (UTF-8)
    FocusTarget focus;          ///< None: the focus stays where it is
    const RepeatFamily* repeat; ///< its repeat count, pause and pause timer; nullptr: none
    bool readsWithoutCount;     ///< without a repeat family: "play for the mode" still reads
    const char* optionMenu;     ///< the gear's menu; nullptr when the panel has no gear
    Mode room;                  ///< the mode whose room this tab uses (itself, or its sibling's)
    std::unique_ptr<ModeRoom> (*makeRoom)();
};

/// The family of the row for mode in kRepeatFamilies.
constexpr const RepeatFamily* familyOf(Mode mode)
{
    for (const RepeatFamily& family : kRepeatFamilies) {
        if (family.mode == mode)
            return &family;
    }
    return nullptr;
}

/// The modes in the order of their tabs, left to right (the two dictation tabs share a place;
/// only one of them is offered).
inline constexpr std::array<ModeRow, 8> kModeTable = {{
    {Mode::FullText, "全文浏览", FocusTarget::FullTextKeys, familyOf(Mode::FullText), false,
     "AllModeSet", Mode::FullText, makePlainRoom},
    {Mode::Translation, "英汉互译", FocusTarget::TranslationKeys, nullptr, true, "YL",
     Mode::Translation, makePlainRoom},
    {Mode::SentenceBrowse, "句子浏览", FocusTarget::None, familyOf(Mode::SentenceBrowse), false,
     "SenModeSet", Mode::SentenceBrowse, makePlainRoom},
    {Mode::Recall, "句子回想", FocusTarget::None, familyOf(Mode::Recall), false, "ClickSet",
     Mode::Recall, makeRecallRoom},
    {Mode::ReadAfter, "跟读对比", FocusTarget::None, nullptr, true, nullptr, Mode::ReadAfter,
     makeReadAfterRoom},
    {Mode::FillIn, "单词填空", FocusTarget::CurrentWordWriteText, nullptr, false,
     "CurrentWordModeSet", Mode::FillIn, makeFillInRoom},
    {Mode::DictationTest, "听写练习", FocusTarget::WriteWordText, familyOf(Mode::DictationTest),
     false, "WriteSet", Mode::DictationTest, makeDictationRoom},
    {Mode::FreeSpelling, "听写练习", FocusTarget::WriteText, familyOf(Mode::FreeSpelling), false,
     "PenModeSet", Mode::DictationTest, makeDictationRoom},
}};

/// The row of mode; every Mode has one.
const ModeRow& modeRow(Mode mode);

/// The caption of mode's tab.
QString tabCaption(Mode mode);

} // namespace kelvaro
