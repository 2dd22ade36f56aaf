#include "Settings.h"

#include "TextFile.h"
#include "TextRules.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <utility>
#include <variant>

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

// Every number of a hostile or hand-edited file is brought into a range where turning it into
// an int is defined and its use makes sense; the app narrows the lesson values further to the
// book and the lesson.
void clampToSaneRanges(Settings& s)
{
    s.lessonNode = clampNumber(s.lessonNode, 0, kMaxSettingsIndex);
    s.startSentence = clampNumber(s.startSentence, 1, kMaxSettingsIndex);
    s.modeIndex = saneModeIndex(s.modeIndex);
    s.mainPictureTop = clampNumber(s.mainPictureTop, -kMaxScrollTwips, 0);
    s.moveImageTop = clampNumber(s.moveImageTop, 0, kMaxScrollTwips);
    for (RepeatOption Settings::*option :
         {&Settings::sen, &Settings::write, &Settings::all, &Settings::click, &Settings::pen}) {
        RepeatOption& repeat = s.*option;
        repeat.count = clampNumber(repeat.count, 0, kMaxRepeatCount);
        repeat.pauseMs = std::clamp(repeat.pauseMs, kPausesMs.front(), kMaxPauseMs);
    }
    // Zero or not is all these say; the clamp keeps that and makes them safe to convert.
    for (double Settings::*flag :
         {&Settings::senChineseCheck, &Settings::clickChineseCheck, &Settings::wordChineseCheck,
          &Settings::writeEnglishCheck, &Settings::writeChineseCheck, &Settings::playMode,
          &Settings::videoEnglishCheck, &Settings::videoChineseCheck})
        s.*flag = clampNumber(s.*flag, -kMaxSettingsIndex, kMaxSettingsIndex);
    s.keyWordColour = std::clamp(s.keyWordColour, 0, kMaxColourValue);
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

// Where one value of the file lives, and how it is kept: as a number, as the text read, as
// a whole number, as a "True"/"False" flag; the repeat options hold a count and a pause.
using RepeatCount = std::pair<RepeatOption Settings::*, double RepeatOption::*>;
using RepeatPause = std::pair<RepeatOption Settings::*, int RepeatOption::*>;
using Value = std::variant<double Settings::*, QString Settings::*, int Settings::*,
                           bool Settings::*, RepeatCount, RepeatPause>;

// The 33 values in the file's order.
const std::array<Value, kSettingsValueCount>& settingsTable()
{
    static const std::array<Value, kSettingsValueCount> table = {
        &Settings::lessonNode,
        &Settings::startSentence,
        &Settings::modeIndex,
        &Settings::mainPictureTop,
        &Settings::moveImageTop,
        &Settings::windowMaximised,
        &Settings::allChineseCheck,
        &Settings::translationMode,
        &Settings::setFraction,
        RepeatCount{&Settings::sen, &RepeatOption::count},
        RepeatPause{&Settings::sen, &RepeatOption::pauseMs},
        RepeatCount{&Settings::write, &RepeatOption::count},
        RepeatPause{&Settings::write, &RepeatOption::pauseMs},
        RepeatCount{&Settings::all, &RepeatOption::count},
        RepeatPause{&Settings::all, &RepeatOption::pauseMs},
        RepeatCount{&Settings::click, &RepeatOption::count},
        RepeatPause{&Settings::click, &RepeatOption::pauseMs},
        RepeatCount{&Settings::pen, &RepeatOption::count},
        RepeatPause{&Settings::pen, &RepeatOption::pauseMs},
        &Settings::senChineseCheck,
        &Settings::clickChineseCheck,
        &Settings::wordChineseCheck,
        &Settings::writeEnglishCheck,
        &Settings::writeChineseCheck,
        &Settings::playMode,
        &Settings::videoEnglishCheck,
        &Settings::videoChineseCheck,
        &Settings::keyWordColour,
        &Settings::currentWordChinese,
        &Settings::currentWordPron,
        &Settings::currentWordEnglish,
        &Settings::currentWordRead,
        &Settings::writeMode,
    };
    return table;
}

template <class... Ts> struct Overloaded : Ts...
{
    using Ts::operator()...;
};
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

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
    for (int k = 0; k < kSettingsValueCount; ++k) {
        const QString& value = v[k];
        std::visit(
            Overloaded{
                [&](double Settings::*number) { s.*number = leadingNumber(value); },
                [&](QString Settings::*kept) { s.*kept = value; },
                [&](int Settings::*whole) { s.*whole = wholeNumber(value); },
                [&](bool Settings::*flag) { s.*flag = readFlag(value); },
                [&](RepeatCount count) { (s.*count.first).*count.second = leadingNumber(value); },
                [&](RepeatPause pause) { (s.*pause.first).*pause.second = wholeNumber(value); },
            },
            settingsTable()[k]);
    }
    clampToSaneRanges(s);
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
    for (const Value& field : settingsTable()) {
        out += std::visit(
            Overloaded{
                [&](double Settings::*number) { return shortestDecimal(s.*number); },
                // A kept text holding "/" would shift every later value; the "/" can't be stored.
                [&](QString Settings::*kept) { return QString(s.*kept).remove(u'/'); },
                [&](int Settings::*whole) { return QString::number(s.*whole); },
                [&](bool Settings::*flag) { return flagText(s.*flag); },
                [&](RepeatCount count) { return shortestDecimal((s.*count.first).*count.second); },
                [&](RepeatPause pause) { return QString::number((s.*pause.first).*pause.second); },
            },
            field);
        out += u'/';
    }
    return out;
}

Settings loadSettings(const QString& path, QString* notice)
{
    const auto text = readTextFile(path);
    if (!text) {
        if (notice)
            *notice =
                QStringLiteral(
                    "The settings file \"%1\" could not be read; starting with first-run settings.")
                    .arg(path);
        return defaultSettings();
    }
    bool complete = true;
    Settings settings = parseSettings(text.value(), &complete);
    if (!complete && notice)
        *notice = QStringLiteral(
                      "The settings file \"%1\" is incomplete; starting with first-run settings.")
                      .arg(path);
    return settings;
}

Status saveSettings(const QString& path, const Settings& settings)
{
    return writeTextFile(path, formatSettings(settings));
}

} // namespace kelvaro
