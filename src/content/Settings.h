#pragma once

#include "Result.h"

#include <QString>
#include <QStringList>

#include <array>

namespace kelvaro {

/// A mode's repeat count and the pause between readings.
struct RepeatOption
{
    double count = 1;   ///< readings of a sentence (the menus offer kRepeatCounts)
    int pauseMs = 1000; ///< pause after each reading (the menus offer kPausesMs)
};

/// The form the dictation tab offers (menu items WordMode1/WordMode2 and PenMode1/PenMode2).
enum class WriteMode { FreeSpelling = 1, DictationTest = 2 };

/// The full-text Chinese check box. A stored value other than "0" and "1" leaves it Unset: the
/// box shows unchecked until a lesson opens, which makes it Shown; Unset is written empty.
enum class FullTextChinese { Hidden = 0, Shown = 1, Unset };

/// The 33 values the program remembers between runs, in the file's order.
/// Only parseSettings and formatSettings know how each is written.
struct Settings
{
    int lessonNode = 2;                                       // 1
    int startSentence = 1;                                    // 2
    int modeIndex = 1;                                        // 3, saneModeIndex
    double mainPictureTop = 0;                                // 4, twips
    double moveImageTop = 0;                                  // 5, twips
    bool windowMaximised = false;                             // 6, only "1" is true
    FullTextChinese allChineseCheck = FullTextChinese::Shown; // 7
    int translationMode = 1;                                  // 8, 1..3: "2" and "3", else 1
    double setFraction = 80;                                  // 9, the pass mark
    RepeatOption sen;                                         // 10, 11
    RepeatOption write;                                       // 12, 13 (dictation test)
    RepeatOption all;                                         // 14, 15 (full text)
    RepeatOption click;                                       // 16, 17 (recall)
    RepeatOption pen;                                         // 18, 19 (free spelling)
    bool senChineseCheck = true;                              // 20, check boxes: a non-zero number
    bool clickChineseCheck = true;                            // 21
    bool wordChineseCheck = true;                             // 22
    bool writeEnglishCheck = true;                            // 23
    bool writeChineseCheck = true;                            // 24
    bool playMode = false;                                    // 25, next sentence automatically
    bool videoEnglishCheck = true;                            // 26
    bool videoChineseCheck = true;                            // 27
    int keyWordColour = 0x0000FF;                             // 28, red in the low byte
    bool currentWordChinese = true;                           // 29
    bool currentWordPron = false;                             // 30
    bool currentWordEnglish = false;                          // 31
    bool currentWordRead = true;                              // 32
    WriteMode writeMode = WriteMode::FreeSpelling;            // 33, only "2" is the test
};

inline constexpr int kSettingsValueCount = 33;

/// Repeat counts the option menus offer, in the order of their items (…Read0..7).
inline constexpr std::array<int, 8> kRepeatCounts = {0, 1, 2, 3, 5, 8, 10, 20};
/// Pauses the option menus offer in milliseconds (…ReadTime0..8); 10 ms is "no pause".
inline constexpr std::array<int, 9> kPausesMs = {10,    1000,  2000,  3000, 5000,
                                                 10000, 20000, 30000, 60000};
/// The sane ranges settings values are clamped to when read.
inline constexpr double kMaxSettingsIndex = 32767; ///< lesson node, sentence (16-bit indices)
inline constexpr double kMaxScrollTwips = 100000000;
inline constexpr double kMaxRepeatCount = 32767;
inline constexpr int kMaxPauseMs = 3600000;
inline constexpr int kMaxColourValue = 0xFFFFFF;

/// Pass marks of the items WriteSet1..WriteSet5.
inline constexpr std::array<int, 5> kPassMarks = {100, 90, 80, 70, 60};
/// Translation reveal modes of the items RS1..RS3.
inline constexpr std::array<int, 3> kTranslationModes = {1, 2, 3};

/// The 0-based index of the menu item that shows value, or -1 when no item does.
template <std::size_t N> int checkedItem(const std::array<int, N>& items, double value)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (double(items[i]) == value)
            return int(i);
    }
    return -1;
}

/// The values between the "/" of a settings text; at most 33, text after the 33rd "/" ignored.
QStringList cutSettingsValues(const QString& text);

/// Settings from a settings text, every number clamped to its sane range. A text with fewer
/// than 33 values or an empty value 1 gives the first-run defaults, and *complete (if given)
/// is set false.
Settings parseSettings(const QString& text, bool* complete = nullptr);

/// A stored practice mode as the window can show it: 1..9 (fractions cut), 5 and every
/// number outside 1..9 give 1.
int saneModeIndex(double mode);

/// The 33 values in the file's order, each followed by "/".
QString formatSettings(const Settings& settings);

/// The first-run settings.
inline Settings defaultSettings()
{
    return Settings{};
}

/// Reads the settings file; a missing or incomplete file gives the first-run defaults.
/// notice (if given) receives a sentence for the log when that happened.
Settings loadSettings(const QString& path, QString* notice = nullptr);

/// Writes the settings file whole.
Status saveSettings(const QString& path, const Settings& settings);

/// A "True"/"False" flag: true for "True" in any letter case or a non-zero number.
bool readFlag(const QString& text);

} // namespace kelvaro
