#include "Fonts.h"

#include <QStringList>

namespace kelvaro {

void registerFontSubstitutions()
{
    QFont::insertSubstitutions(
        QStringLiteral("Arial"),
        QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Times New Roman"),
        QStringList{QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    for (const QString& song : {QStringLiteral("宋体"), QStringLiteral("新宋体")})
        QFont::insertSubstitutions(song, QStringList{QStringLiteral("Noto Serif CJK SC"),
                                                     QStringLiteral("Noto Sans CJK SC")});
    QFont::insertSubstitutions(
        QStringLiteral("pron"),
        QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
}

QFont fontFor(TextFont font)
{
    auto make = [](const QString& family, double points) {
        QFont f(family);
        f.setPointSizeF(points);
        f.setStyleStrategy(QFont::PreferAntialias);
        return f;
    };
    const QString cjk = QStringLiteral("Noto Sans CJK SC");
    switch (font) {
    case TextFont::SentenceWord:
        return make(QStringLiteral("Arial"), 17);
    case TextFont::SentenceChinese:
        return make(cjk, 13);
    case TextFont::FullTextWord:
        return make(QStringLiteral("Times New Roman"), 13);
    case TextFont::FullTextChinese:
        return make(cjk, 10.5);
    case TextFont::TranslationEnglish:
        return make(QStringLiteral("Arial"), 11);
    case TextFont::TranslationChinese:
        return make(cjk, 10.5);
    case TextFont::PopupHeadword:
        return make(QStringLiteral("Times New Roman"), 17);
    }
    return QFont();
}

QFont interfaceFont(int pointSize, bool bold)
{
    QFont f(QStringLiteral("Noto Sans CJK SC"));
    f.setPointSize(pointSize);
    f.setBold(bold);
    return f;
}

} // namespace kelvaro
