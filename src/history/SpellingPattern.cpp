#include "SpellingPattern.h"

#include <algorithm>
#include <array>

namespace kelvaro {

namespace {

bool isVowel(QChar c)
{
    return QStringLiteral("aeiouy").contains(c);
}

const std::array<QString, 5> kEndings = {QStringLiteral("ing"), QStringLiteral("es"),
                                         QStringLiteral("ed"), QStringLiteral("s"),
                                         QStringLiteral("d")};

// -s, -es, -ed, -ing added to or dropped from the right word, or one put for another.
SpellingPattern endingPattern(const QString& typed, const QString& right)
{
    for (const QString& ending : kEndings) {
        if (typed + ending == right)
            return SpellingPattern::DroppedEnding;
        if (right + ending == typed)
            return SpellingPattern::AddedEnding;
    }
    for (const QString& a : kEndings) {
        for (const QString& b : kEndings) {
            if (a != b && right.endsWith(a) && typed.endsWith(b) &&
                right.chopped(a.size()) == typed.chopped(b.size()) && right.size() - a.size() >= 2)
                return SpellingPattern::WrongEnding;
        }
    }
    return SpellingPattern::Other;
}

// One "th" of the right word written as s, z, f, d or t.
bool isThSound(const QString& typed, const QString& right)
{
    for (int at = right.indexOf(QLatin1String("th")); at >= 0;
         at = right.indexOf(QLatin1String("th"), at + 1)) {
        for (const QChar sound : QStringLiteral("szfdt")) {
            QString spoken = right;
            spoken.replace(at, 2, sound);
            if (spoken == typed)
                return true;
        }
    }
    return false;
}

bool onlySubstitutions(const std::vector<SpellingEdit>& edits, QChar a, QChar b)
{
    bool any = false;
    for (const SpellingEdit& e : edits) {
        if (e.kind == SpellingEdit::Match)
            continue;
        if (e.kind != SpellingEdit::Substitute ||
            !((e.right == a && e.typed == b) || (e.right == b && e.typed == a)))
            return false;
        any = true;
    }
    return any;
}

} // namespace

std::vector<SpellingEdit> alignSpelling(const QString& typedWord, const QString& rightWord)
{
    const QString typed = typedWord.toLower();
    const QString right = rightWord.toLower();
    const int n = int(right.size());
    const int m = int(typed.size());
    // cost[i][j]: right's first i letters against typed's first j (restricted Damerau).
    std::vector<std::vector<int>> cost(n + 1, std::vector<int>(m + 1, 0));
    for (int i = 0; i <= n; ++i)
        cost[i][0] = i;
    for (int j = 0; j <= m; ++j)
        cost[0][j] = j;
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= m; ++j) {
            const int same = right[i - 1] == typed[j - 1] ? 0 : 1;
            int best =
                std::min({cost[i - 1][j - 1] + same, cost[i - 1][j] + 1, cost[i][j - 1] + 1});
            if (i > 1 && j > 1 && right[i - 1] == typed[j - 2] && right[i - 2] == typed[j - 1] &&
                right[i - 1] != right[i - 2])
                best = std::min(best, cost[i - 2][j - 2] + 1);
            cost[i][j] = best;
        }
    }
    std::vector<SpellingEdit> edits;
    int i = n;
    int j = m;
    while (i > 0 || j > 0) {
        if (i > 0 && j > 0 && right[i - 1] == typed[j - 1] && cost[i][j] == cost[i - 1][j - 1]) {
            edits.push_back({SpellingEdit::Match, right[i - 1], typed[j - 1], i - 1, j - 1});
            --i, --j;
        } else if (i > 1 && j > 1 && right[i - 1] == typed[j - 2] && right[i - 2] == typed[j - 1] &&
                   right[i - 1] != right[i - 2] && cost[i][j] == cost[i - 2][j - 2] + 1) {
            edits.push_back({SpellingEdit::Swap, right[i - 2], typed[j - 2], i - 2, j - 2});
            i -= 2, j -= 2;
        } else if (i > 0 && j > 0 && cost[i][j] == cost[i - 1][j - 1] + 1) {
            edits.push_back({SpellingEdit::Substitute, right[i - 1], typed[j - 1], i - 1, j - 1});
            --i, --j;
        } else if (i > 0 && cost[i][j] == cost[i - 1][j] + 1) {
            edits.push_back({SpellingEdit::Missing, right[i - 1], QChar(), i - 1, j});
            --i;
        } else {
            edits.push_back({SpellingEdit::Extra, QChar(), typed[j - 1], i, j - 1});
            --j;
        }
    }
    std::reverse(edits.begin(), edits.end());
    return edits;
}

SpellingPattern classifyMisspelling(const QString& typedWord, const QString& rightWord)
{
    const QString typed = typedWord.toLower();
    const QString right = rightWord.toLower();
    if (typed == right || typed.isEmpty() || right.isEmpty())
        return SpellingPattern::Other;
    if (const SpellingPattern ending = endingPattern(typed, right);
        ending != SpellingPattern::Other)
        return ending;
    if (isThSound(typed, right))
        return SpellingPattern::Th;

    const std::vector<SpellingEdit> all = alignSpelling(typed, right);
    std::vector<SpellingEdit> edits;
    std::copy_if(all.begin(), all.end(), std::back_inserter(edits),
                 [](const SpellingEdit& e) { return e.kind != SpellingEdit::Match; });
    if (edits.size() == 1) {
        const SpellingEdit& e = edits.front();
        switch (e.kind) {
        case SpellingEdit::Swap:
            return SpellingPattern::Swapped;
        case SpellingEdit::Missing:
            // A letter of a double letter left out: its neighbour in the right word is the same.
            if ((e.rightAt > 0 && right[e.rightAt - 1] == e.right) ||
                (e.rightAt + 1 < right.size() && right[e.rightAt + 1] == e.right))
                return SpellingPattern::SingleForDouble;
            break;
        case SpellingEdit::Extra:
            if ((e.typedAt > 0 && typed[e.typedAt - 1] == e.typed) ||
                (e.typedAt + 1 < typed.size() && typed[e.typedAt + 1] == e.typed))
                return SpellingPattern::DoubleForSingle;
            break;
        default:
            break;
        }
    }
    if (onlySubstitutions(edits, u'l', u'r'))
        return SpellingPattern::LR;
    if (onlySubstitutions(edits, u'v', u'w'))
        return SpellingPattern::VW;
    // Vowels written as others (ea/ee/i, o/u): every difference is a vowel, and at least one
    // vowel stands for another.
    const bool vowelsOnly = std::all_of(edits.begin(), edits.end(), [](const SpellingEdit& e) {
        return (e.right.isNull() || isVowel(e.right)) && (e.typed.isNull() || isVowel(e.typed));
    });
    const bool replaced = std::any_of(edits.begin(), edits.end(), [](const SpellingEdit& e) {
        return e.kind == SpellingEdit::Substitute;
    });
    if (vowelsOnly && replaced)
        return SpellingPattern::Vowel;
    if (edits.size() == 1 && edits.front().kind == SpellingEdit::Missing)
        return SpellingPattern::MissingLetter;
    if (edits.size() == 1 && edits.front().kind == SpellingEdit::Extra)
        return SpellingPattern::ExtraLetter;
    return SpellingPattern::Other;
}

QString patternName(SpellingPattern pattern)
{
    switch (pattern) {
    case SpellingPattern::DroppedEnding:
        return QStringLiteral("词尾遗漏");
    case SpellingPattern::AddedEnding:
        return QStringLiteral("词尾多加");
    case SpellingPattern::WrongEnding:
        return QStringLiteral("词尾用错");
    case SpellingPattern::Th:
        return QStringLiteral("th 写成 s/z/f/d");
    case SpellingPattern::LR:
        return QStringLiteral("l 与 r 混淆");
    case SpellingPattern::VW:
        return QStringLiteral("v 与 w 混淆");
    case SpellingPattern::SingleForDouble:
        return QStringLiteral("双写字母写成单个");
    case SpellingPattern::DoubleForSingle:
        return QStringLiteral("单个字母写成双写");
    case SpellingPattern::Vowel:
        return QStringLiteral("元音写错");
    case SpellingPattern::Swapped:
        return QStringLiteral("字母顺序颠倒");
    case SpellingPattern::MissingLetter:
        return QStringLiteral("漏写字母");
    case SpellingPattern::ExtraLetter:
        return QStringLiteral("多写字母");
    case SpellingPattern::Other:
        break;
    }
    return QStringLiteral("其他拼写错误");
}

QString patternKey(SpellingPattern pattern)
{
    static const std::array<const char*, kSpellingPatternCount> keys = {"other",
                                                                        "dropped-ending",
                                                                        "added-ending",
                                                                        "wrong-ending",
                                                                        "th",
                                                                        "l-r",
                                                                        "v-w",
                                                                        "single-for-double",
                                                                        "double-for-single",
                                                                        "vowel",
                                                                        "swapped",
                                                                        "missing-letter",
                                                                        "extra-letter"};
    const int index = int(pattern);
    return QString::fromLatin1(index >= 0 && index < kSpellingPatternCount ? keys[index] : "other");
}

QString patternAdvice(SpellingPattern pattern)
{
    switch (pattern) {
    case SpellingPattern::DroppedEnding:
        return QStringLiteral("注意听词尾的 -s、-ed、-ing：中文没有词形变化，容易把它们漏掉。");
    case SpellingPattern::AddedEnding:
        return QStringLiteral("先想清楚时态和单复数，再决定要不要加 -s、-ed、-ing。");
    case SpellingPattern::WrongEnding:
        return QStringLiteral("分清 -ed 与 -ing、-s 与 -es：听清词尾，再想句子的时态。");
    case SpellingPattern::Th:
        return QStringLiteral("th 的音是舌尖放在上下齿之间发出的，不是 s、z、f 或 d。");
    case SpellingPattern::LR:
        return QStringLiteral("l 舌尖抵上齿龈，r 舌尖卷起不碰上颚：读准了就不会写混。");
    case SpellingPattern::VW:
        return QStringLiteral("v 是上齿轻咬下唇，w 是双唇收圆：跟读时对着镜子练一练。");
    case SpellingPattern::SingleForDouble:
        return QStringLiteral("记住双写字母的单词（letter、little、different），双写不发两次音。");
    case SpellingPattern::DoubleForSingle:
        return QStringLiteral("不要凭感觉双写：until、always、welcome 都只有一个 l。");
    case SpellingPattern::Vowel:
        return QStringLiteral("元音拼法要记：ea、ee、i 和 o、u 听起来相近，按词整体记住拼写。");
    case SpellingPattern::Swapped:
        return QStringLiteral("打字放慢一点，按音节拼写，避免两个字母顺序颠倒。");
    case SpellingPattern::MissingLetter:
        return QStringLiteral("按音节逐段拼写，不发音的字母（如 government 的 n）要特别记住。");
    case SpellingPattern::ExtraLetter:
        return QStringLiteral("写完再对照读音检查一遍，删去多余的字母。");
    case SpellingPattern::Other:
        break;
    }
    return QStringLiteral("把这个词多听几遍，逐个字母默写，直到连续三天都写对。");
}

} // namespace kelvaro
