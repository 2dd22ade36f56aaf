#pragma once

#include "MainState.h"

namespace kelvaro {

/// The covering colour of the translation page: a masked line is drawn in it on a backdrop
/// of it, so the line's place shows but not its text.
inline constexpr Rgb kTranslationMask = makeRgb(0xdc, 0xe3, 0xeb);

/// The reveal modes of the translation page, as stored in the settings.
enum RevealMode {
    kPointChinese = 1,        ///< "点出中文": the Chinese lines are covered
    kPointEnglish = 2,        ///< "点出英文": the English lines are covered
    kPointEnglishChinese = 3, ///< "点出中文和英文": both are covered
};

/// The reveal mode a TranslationMode stands for; anything but 1, 2 or 3 is 1, so a damaged
/// value still covers a side and leaves its lines clickable.
int revealModeOf(int mode);

/// The hint line of a reveal mode.
QString revealHint(int mode);

/// Whether a reveal mode covers, and so lets the learner click, the English or Chinese side.
inline bool coversEnglish(int mode)
{
    return mode == kPointEnglish || mode == kPointEnglishChinese;
}
inline bool coversChinese(int mode)
{
    return mode == kPointChinese || mode == kPointEnglishChinese;
}

/// Switches to a reveal mode: the hint line, every line covered or shown as the mode says, and
/// the stored mode.
void applyRevealMode(MainState& state, int mode);

/// Covers every line again as the current reveal mode says; the hint line stays.
void coverAllLines(MainState& state);

/// Whether the English or Chinese line of sentence s is shown (its text in the template's
/// text colour); otherwise it is covered.
bool englishShown(const MainState& state, int s);
bool chineseShown(const MainState& state, int s);

/// A click's toggle: a shown line is covered, a covered one shown. The Chinese line's backdrop
/// follows it.
void toggleEnglishLine(MainState& state, int s);
void toggleChineseLine(MainState& state, int s);

/// Which lines are shown, so that laying the page out again keeps what the learner uncovered.
struct RevealMarks
{
    QVector<bool> english, chinese; ///< [s - 1]: shown
};
RevealMarks revealMarks(const MainState& state);
/// Covers the lines as the current mode says, then shows again the lines marks holds as shown.
void restoreRevealMarks(MainState& state, const RevealMarks& marks);

} // namespace kelvaro
