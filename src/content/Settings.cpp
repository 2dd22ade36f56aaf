#include "Settings.h"

#include "TextFile.h"
#include "TextRules.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

namespace kelvaro {

namespace {

// A whole number, saturated at the ends of int (its range is narrowed per value afterwards).
int wholeNumber(const QString& text)
{
    const double value = leadingNumber(text);
    if (std::isnan(value))
        return 0;
    return int(std::lround(std::clamp(value, double(INT_MIN + 1), double(INT_MAX - 1))));
}

double clampNumber(double value, double low, double high)
{
    return std::isnan(value) ? low : std::clamp(value, low, high);
}

// A lesson node or sentence number: clamped to its sane range, the fraction cut.
int wholeIndex(const QString& text, double low)
{
    return int(clampNumber(leadingNumber(text), low, kMaxSettingsIndex));
}

QString flagText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace

QStringList cutSettingsValues(const QString& text)
{
    QStringList values;
    qsizetype begin = 0;
    while (values.size() < kSettingsValueCount) {
        const qsizetype slash = text.indexOf(u'/', begin);
        if (slash < 0)
            break;
        values.append(text.mid(begin, slash - begin));
        begin = slash + 1;
    }
    return values;
}

bool readFlag(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (equalsIgnoreAsciiCase(trimmed, u"True"))
        return true;
    return leadingNumber(trimmed) != 0.0;
}

namespace {

// How one value of the file is read into the settings and written from them. Every number of a
// hostile or hand-edited file is brought into a range where turning it into an int is defined
// and its use makes sense; the app narrows the lesson values further to the book and the lesson.
struct Field
{
    void (*read)(Settings&, const QString&);
    QString (*write)(const Settings&);
};

QString zeroOrOne(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

// A check box: zero or not is all it says.
template <bool Settings::*F> Field check()
{
    return {[](Settings& s, const QString& v) { s.*F = leadingNumber(v) != 0.0; },
            [](const Settings& s) { return zeroOrOne(s.*F); }};
}

// A "True"/"False" flag.
template <bool Settings::*F> Field flag()
{
    return {[](Settings& s, const QString& v) { s.*F = readFlag(v); },
            [](const Settings& s) { return flagText(s.*F); }};
}

template <RepeatOption Settings::*F> Field repeatCount()
{
    return {[](Settings& s, const QString& v) {
                (s.*F).count = clampNumber(leadingNumber(v), 0, kMaxRepeatCount);
            },
            [](const Settings& s) { return shortestDecimal((s.*F).count); }};
}

template <RepeatOption Settings::*F> Field repeatPause()
{
    return {[](Settings& s, const QString& v) {
                (s.*F).pauseMs = std::clamp(wholeNumber(v), kPausesMs.front(), kMaxPauseMs);
            },
            [](const Settings& s) { return QString::number((s.*F).pauseMs); }};
}

// The 33 values in the file's order.
const std::array<Field, kSettingsValueCount>& settingsTable()
{
    static const std::array<Field, kSettingsValueCount> table = {
        Field{[](Settings& s, const QString& v) { s.lessonNode = wholeIndex(v, 0); },
              [](const Settings& s) { return QString::number(s.lessonNode); }},
        Field{[](Settings& s, const QString& v) { s.startSentence = wholeIndex(v, 1); },
              [](const Settings& s) { return QString::number(s.startSentence); }},
        Field{[](Settings& s, const QString& v) { s.modeIndex = saneModeIndex(leadingNumber(v)); },
              [](const Settings& s) { return QString::number(s.modeIndex); }},
        Field{[](Settings& s, const QString& v) {
                  s.mainPictureTop = clampNumber(leadingNumber(v), -kMaxScrollTwips, 0);
              },
              [](const Settings& s) { return shortestDecimal(s.mainPictureTop); }},
        Field{[](Settings& s, const QString& v) {
                  s.moveImageTop = clampNumber(leadingNumber(v), 0, kMaxScrollTwips);
              },
              [](const Settings& s) { return shortestDecimal(s.moveImageTop); }},
        Field{[](Settings& s, const QString& v) { s.windowMaximised = v == QLatin1String("1"); },
              [](const Settings& s) { return zeroOrOne(s.windowMaximised); }},
        Field{[](Settings& s, const QString& v) {
                  s.allChineseCheck = v == QLatin1String("1")   ? FullTextChinese::Shown
                                      : v == QLatin1String("0") ? FullTextChinese::Hidden
                                                                : FullTextChinese::Unset;
              },
              [](const Settings& s) {
                  return s.allChineseCheck == FullTextChinese::Unset
                             ? QString()
                             : zeroOrOne(s.allChineseCheck == FullTextChinese::Shown);
              }},
        Field{[](Settings& s, const QString& v) {
                  s.translationMode = v == QLatin1String("2") ? 2 : v == QLatin1String("3") ? 3 : 1;
              },
              [](const Settings& s) { return QString::number(s.translationMode); }},
        // The pass mark is cut to a whole number where it is used; the range keeps that defined.
        Field{[](Settings& s, const QString& v) {
                  s.setFraction = clampNumber(leadingNumber(v), INT_MIN, INT_MAX);
              },
              [](const Settings& s) { return shortestDecimal(s.setFraction); }},
        repeatCount<&Settings::sen>(),
        repeatPause<&Settings::sen>(),
        repeatCount<&Settings::write>(),
        repeatPause<&Settings::write>(),
        repeatCount<&Settings::all>(),
        repeatPause<&Settings::all>(),
        repeatCount<&Settings::click>(),
        repeatPause<&Settings::click>(),
        repeatCount<&Settings::pen>(),
        repeatPause<&Settings::pen>(),
        check<&Settings::senChineseCheck>(),
        check<&Settings::clickChineseCheck>(),
        check<&Settings::wordChineseCheck>(),
        check<&Settings::writeEnglishCheck>(),
        check<&Settings::writeChineseCheck>(),
        check<&Settings::playMode>(),
        check<&Settings::videoEnglishCheck>(),
        check<&Settings::videoChineseCheck>(),
        Field{[](Settings& s, const QString& v) {
                  s.keyWordColour = std::clamp(wholeNumber(v), 0, kMaxColourValue);
              },
              [](const Settings& s) { return QString::number(s.keyWordColour); }},
        flag<&Settings::currentWordChinese>(),
        flag<&Settings::currentWordPron>(),
        flag<&Settings::currentWordEnglish>(),
        flag<&Settings::currentWordRead>(),
        Field{[](Settings& s, const QString& v) {
                  s.writeMode =
                      v == QLatin1String("2") ? WriteMode::DictationTest : WriteMode::FreeSpelling;
              },
              [](const Settings& s) { return QString::number(int(s.writeMode)); }},
    };
    return table;
}

} // namespace

Settings parseSettings(const QString& text, bool* complete)
{
    const QStringList v = cutSettingsValues(text);
    if (v.size() < kSettingsValueCount || v[0].isEmpty()) {
        if (complete)
            *complete = false;
        return defaultSettings();
    }
    if (complete)
        *complete = true;
    Settings s;
    for (int k = 0; k < kSettingsValueCount; ++k)
        settingsTable()[k].read(s, v[k]);
    return s;
}

int saneModeIndex(double mode)
{
    // 5 is never offered; like any other number that names no mode it gives the full text.
    if (!(mode >= 1 && mode < 10))
        return 1;
    const int whole = int(mode);
    return whole == 5 ? 1 : whole;
}

QString formatSettings(const Settings& s)
{
    QString out;
    for (const Field& field : settingsTable()) {
        out += field.write(s);
        out += u'/';
    }
    return out;
}

Settings loadSettings(const QString& path, QString* notice)
{
    const auto text = readTextFile(path);
    if (!text) {
        if (notice)
            *notice = QStringLiteral("设置文件无法读取，程序按初次使用的设置启动：%1").arg(path);
        return defaultSettings();
    }
    bool complete = true;
    Settings settings = parseSettings(text.value(), &complete);
    if (!complete && notice)
        *notice = QStringLiteral("设置文件不完整，程序按初次使用的设置启动：%1").arg(path);
    return settings;
}

Status saveSettings(const QString& path, const Settings& settings)
{
    return writeTextFile(path, formatSettings(settings));
}

} // namespace kelvaro
