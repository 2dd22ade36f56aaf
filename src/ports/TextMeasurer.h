#pragma once

#include <QSize>
#include <QString>

namespace kelvaro {

/// The fonts the views draw their elements in.
enum class TextFont {
    SentenceWord,       ///< the word labels of sentence browse and their copies (Arial)
    SentenceChinese,    ///< the Chinese line of sentence browse
    FullTextWord,       ///< the full-text cells (Times New Roman)
    FullTextChinese,    ///< the Chinese lines of the full-text page
    TranslationEnglish, ///< the English lines of the translation page
    TranslationChinese, ///< the Chinese lines of the translation page
    PopupHeadword,      ///< the word popup's headword (Times New Roman)
};

/// Measures texts in twips, as the labels "sized to their text" need.
class TextMeasurer
{
public:
    virtual ~TextMeasurer() = default;
    /// The natural single-line size of text in font, in twips.
    virtual QSize measure(const QString& text, TextFont font) const = 0;
    /// The height of one line of font, in twips.
    virtual int lineHeight(TextFont font) const = 0;
};

} // namespace kelvaro
