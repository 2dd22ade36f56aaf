#pragma once

#include "MainContext.h"

namespace kelvaro {

/// A key typed in WriteText before it is inserted, with the box's text: a revealed English
/// line is masked again (when it is to be masked); Enter checks the typing (a right sentence
/// moves on, a wrong one selects the first wrong letter with wrong.wav), any other character
/// key sounds type.wav. Returns whether the key is swallowed (Enter).
bool freeSpellingKeyPressed(MainContext& context, bool enter, const QString& text);

/// The learner changed WriteText's text.
void freeSpellingTextEdited(MainContext& context, const QString& text);

/// "F8提示英文": the English line shows the sentence. The dictation test's score is not touched.
void cueEnglish(MainContext& context);
/// "F9提示中文": the Chinese line shows the translation.
void cueChinese(MainContext& context);
/// A click on the English line: the sentence if it shows the mask, else the mask.
void englishLineClicked(MainContext& context);
/// A click on the Chinese line: the translation if it is closed, else "已关闭".
void chineseLineClicked(MainContext& context);
/// The "英文：" and "中文：" check boxes.
void toggleWriteEnglishCheck(MainContext& context);
void toggleWriteChineseCheck(MainContext& context);

/// "首句", "上一句", "下一句" (which also empties the box), "朗读"; each ends with the focus in
/// WriteText.
void spellingFirstSentence(MainContext& context);
void spellingPreviousSentence(MainContext& context);
void spellingNextSentence(MainContext& context);
void spellingReadAloud(MainContext& context);

} // namespace kelvaro
