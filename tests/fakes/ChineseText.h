#pragma once
// Whether a Chinese reader can read a message: every sentence of it carries Chinese.

#include <QRegularExpression>
#include <QStringList>

namespace kelvaro {

/// The sentences of text that hold English words and no Chinese. Bracketed and quoted parts
/// (the technical reason, a quoted name) and file paths are left out; a sentence is a piece
/// between line breaks and sentence or clause marks with two English words in a row. Empty when
/// a Chinese reader can read all of text.
inline QStringList sentencesWithoutChinese(const QString& text)
{
    static const QRegularExpression aside(
        QStringLiteral("（[^（）]*）|\\([^()]*\\)|\\[[^\\[\\]]*\\]|“[^“”]*”|\"[^\"]*\"|「[^「」]*"
                       "」|【[^【】]*】"));
    static const QRegularExpression marks(QStringLiteral("[\\n。！？；：:;!?]|\\.(\\s|$)"));
    static const QRegularExpression chinese(QStringLiteral("[\\x{3400}-\\x{9fff}]"));
    static const QRegularExpression path(QStringLiteral("\\S*[/\\\\]\\S*"));
    static const QRegularExpression twoWords(QStringLiteral("[A-Za-z]{2,}[ ,'-]+[A-Za-z]{2,}"));
    QString plain = text;
    for (QString before; before != plain;) { // nested brackets, innermost first
        before = plain;
        plain.replace(aside, QStringLiteral(" "));
    }
    QStringList found;
    for (QString piece : plain.split(marks)) {
        if (piece.contains(chinese))
            continue;
        piece.replace(path, QStringLiteral(" "));
        if (piece.contains(twoWords))
            found.append(piece.trimmed());
    }
    return found;
}

} // namespace kelvaro
