#include "Settings.h"

#include "TextFile.h"
#include "TextRules.h"

#include <cmath>

namespace kelvaro {

namespace {

int wholeNumber(const QString& text)
{
    const double value = leadingNumber(text);
    if (!(value > -2147483648.0 && value < 2147483647.0))
        return 0;
    return int(std::lround(value));
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
    s.lessonNode = leadingNumber(v[0]);
    s.startSentence = leadingNumber(v[1]);
    s.modeIndex = leadingNumber(v[2]);
    s.mainPictureTop = leadingNumber(v[3]);
    s.moveImageTop = leadingNumber(v[4]);
    s.windowMaximised = v[5];
    s.allChineseCheck = v[6];
    s.translationMode = v[7];
    s.setFraction = v[8];
    RepeatOption* repeats[] = {&s.sen, &s.write, &s.all, &s.click, &s.pen};
    for (int m = 0; m < 5; ++m) {
        repeats[m]->count = leadingNumber(v[9 + 2 * m]);
        repeats[m]->pauseMs = wholeNumber(v[10 + 2 * m]);
    }
    s.senChineseCheck = leadingNumber(v[19]);
    s.clickChineseCheck = leadingNumber(v[20]);
    s.wordChineseCheck = leadingNumber(v[21]);
    s.writeEnglishCheck = leadingNumber(v[22]);
    s.writeChineseCheck = leadingNumber(v[23]);
    s.playMode = leadingNumber(v[24]);
    s.videoEnglishCheck = leadingNumber(v[25]);
    s.videoChineseCheck = leadingNumber(v[26]);
    s.keyWordColour = wholeNumber(v[27]);
    s.currentWordChinese = readFlag(v[28]);
    s.currentWordPron = readFlag(v[29]);
    s.currentWordEnglish = readFlag(v[30]);
    s.currentWordRead = readFlag(v[31]);
    s.writeMode = v[32];
    return s;
}

QString formatSettings(const Settings& s)
{
    // A kept-as-text value holding "/" would shift every later value; it cannot be stored.
    auto text = [](const QString& value) {
        QString safe = value;
        safe.remove(u'/');
        return safe;
    };
    QStringList v;
    v << shortestDecimal(s.lessonNode) << shortestDecimal(s.startSentence)
      << shortestDecimal(s.modeIndex) << shortestDecimal(s.mainPictureTop)
      << shortestDecimal(s.moveImageTop) << text(s.windowMaximised) << text(s.allChineseCheck)
      << text(s.translationMode) << text(s.setFraction);
    for (const RepeatOption* r : {&s.sen, &s.write, &s.all, &s.click, &s.pen})
        v << shortestDecimal(r->count) << QString::number(r->pauseMs);
    v << shortestDecimal(s.senChineseCheck) << shortestDecimal(s.clickChineseCheck)
      << shortestDecimal(s.wordChineseCheck) << shortestDecimal(s.writeEnglishCheck)
      << shortestDecimal(s.writeChineseCheck) << shortestDecimal(s.playMode)
      << shortestDecimal(s.videoEnglishCheck) << shortestDecimal(s.videoChineseCheck)
      << QString::number(s.keyWordColour) << flagText(s.currentWordChinese)
      << flagText(s.currentWordPron) << flagText(s.currentWordEnglish)
      << flagText(s.currentWordRead) << text(s.writeMode);
    QString out;
    for (const QString& value : v)
        out += value + u'/';
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
