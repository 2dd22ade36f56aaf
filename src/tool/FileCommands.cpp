// text, write, lesson, lookup and settings: one file in, its reading out.
#include "Commands.h"
#include "ToolIo.h"

#include "content/Dictionary.h"
#include "content/Lesson.h"
#include "content/Settings.h"
#include "content/TextFile.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

#include <iostream>
#include <iterator>
#include <string>

namespace kelvaro::tool {

int textCommand(const QStringList& args)
{
    if (args.size() != 1)
        return writeErr(QStringLiteral("usage: kelvaro-tool text FILE")), kUsage;
    const auto text = readTextFile(args[0]);
    if (!text)
        return writeErr(text.error()), kRefused;
    writeOut(text.value());
    return kOk;
}

int writeCommand(const QStringList& args)
{
    if (args.size() != 1)
        return writeErr(QStringLiteral("usage: kelvaro-tool write FILE < text")), kUsage;
    std::string input((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    const Status status =
        writeTextFile(args[0], QString::fromUtf8(input.data(), qsizetype(input.size())));
    if (!status)
        return writeErr(status.error()), kRefused;
    return kOk;
}

int lessonCommand(const QStringList& args)
{
    if (args.size() != 1)
        return writeErr(QStringLiteral("usage: kelvaro-tool lesson FILE")), kUsage;
    const auto text = readTextFile(args[0]);
    if (!text)
        return writeErr(text.error()), kRefused;
    const auto lesson = parseLesson(text.value(), args[0]);
    if (!lesson)
        return writeErr(lesson.error()), kRefused;
    QJsonArray sentences;
    for (const QString& record : lesson->records) {
        QJsonArray segments;
        for (const Segment& segment : recordSegments(record)) {
            segments.append(QJsonObject{
                {QStringLiteral("display"), segment.display},
                {QStringLiteral("word"), segment.isWord ? QJsonValue(segment.word) : QJsonValue()},
                {QStringLiteral("keyWord"), segment.keyWord},
            });
        }
        sentences.append(QJsonObject{
            {QStringLiteral("english"), englishDisplayText(record)},
            {QStringLiteral("chinese"), recordField(record, 2)},
            {QStringLiteral("start"), recordField(record, 3)},
            {QStringLiteral("end"), recordField(record, 4)},
            {QStringLiteral("note"), recordField(record, 5)},
            {QStringLiteral("done"), recordField(record, 6)},
            {QStringLiteral("tail"), recordTail(record).mid(1)},
            {QStringLiteral("segments"), segments},
        });
    }
    writeJson(QJsonDocument(QJsonObject{
        {QStringLiteral("sentenceCount"), lesson->sentenceCount},
        {QStringLiteral("keyWordCount"), lesson->keyWordCount},
        {QStringLiteral("dictatedCount"), lesson->dictatedCount},
        {QStringLiteral("sentences"), sentences},
    }));
    return kOk;
}

int lookupCommand(const QStringList& args)
{
    // "lookup DICTIONARY WORD" names a dictionary file; the other forms ask every source. One
    // bare argument stays the usage error it always was (a dictionary without its word).
    const bool oneBare = args.size() == 1 && !args[0].startsWith(QLatin1String("--"));
    if (!oneBare && (args.size() != 2 || !QFileInfo(args[0]).isFile()))
        return openLookupCommand(args);
    if (args.size() != 2)
        return writeErr(QStringLiteral("usage: kelvaro-tool lookup DICTIONARY WORD")), kUsage;
    const auto dictionary = Dictionary::load(args[0]);
    if (!dictionary)
        return writeErr(dictionary.error()), kRefused;
    const LookupResult result = dictionary->lookUpWord(args[1]);
    writeJson(QJsonDocument(QJsonObject{
        {QStringLiteral("found"), result.found},
        {QStringLiteral("headword"), result.headword},
        {QStringLiteral("pronunciation"), result.pronunciation},
        {QStringLiteral("meaning"), result.meaning},
    }));
    if (!result.found) {
        writeErr(QStringLiteral("\"%1\" is not in the dictionary \"%2\".").arg(args[1], args[0]));
        return kRefused;
    }
    return kOk;
}

int settingsCommand(const QStringList& args)
{
    if (args.size() != 1)
        return writeErr(QStringLiteral("usage: kelvaro-tool settings FILE")), kUsage;
    const auto text = readTextFile(args[0]);
    if (!text)
        return writeErr(text.error()), kRefused;
    bool complete = true;
    const Settings s = parseSettings(text.value(), &complete);
    if (!complete) {
        writeErr(
            QStringLiteral("The settings file \"%1\" does not hold all 33 values.").arg(args[0]));
        return kRefused;
    }
    auto repeat = [](const RepeatOption& r) {
        return QJsonObject{{QStringLiteral("count"), r.count},
                           {QStringLiteral("pauseMs"), r.pauseMs}};
    };
    // These values have always been shown as the file writes them, the check boxes as numbers.
    const QStringList stored = cutSettingsValues(formatSettings(s));
    writeJson(QJsonDocument(QJsonObject{
        {QStringLiteral("lessonNode"), s.lessonNode},
        {QStringLiteral("startSentence"), s.startSentence},
        {QStringLiteral("modeIndex"), s.modeIndex},
        {QStringLiteral("translationScrollTop"), s.mainPictureTop},
        {QStringLiteral("translationThumbTop"), s.moveImageTop},
        {QStringLiteral("windowMaximised"), stored[5]},
        {QStringLiteral("fullTextShowsChinese"), stored[6]},
        {QStringLiteral("translationMode"), stored[7]},
        {QStringLiteral("passMark"), stored[8]},
        {QStringLiteral("sentenceBrowse"), repeat(s.sen)},
        {QStringLiteral("dictationTest"), repeat(s.write)},
        {QStringLiteral("fullText"), repeat(s.all)},
        {QStringLiteral("sentenceRecall"), repeat(s.click)},
        {QStringLiteral("freeSpelling"), repeat(s.pen)},
        {QStringLiteral("sentenceBrowseShowsChinese"), int(s.senChineseCheck)},
        {QStringLiteral("recallShowsChinese"), int(s.clickChineseCheck)},
        {QStringLiteral("dictationTestShowsChinese"), int(s.wordChineseCheck)},
        {QStringLiteral("freeSpellingShowsEnglish"), int(s.writeEnglishCheck)},
        {QStringLiteral("freeSpellingShowsChinese"), int(s.writeChineseCheck)},
        {QStringLiteral("automaticNextSentence"), int(s.playMode)},
        {QStringLiteral("mode5ShowsEnglish"), int(s.videoEnglishCheck)},
        {QStringLiteral("mode5ShowsChinese"), int(s.videoChineseCheck)},
        {QStringLiteral("keyWordColour"), s.keyWordColour},
        {QStringLiteral("fillInHintMeaning"), s.currentWordChinese},
        {QStringLiteral("fillInHintPronunciation"), s.currentWordPron},
        {QStringLiteral("fillInHintWord"), s.currentWordEnglish},
        {QStringLiteral("fillInHintReadAloud"), s.currentWordRead},
        {QStringLiteral("dictationForm"), stored[32]},
    }));
    return kOk;
}

} // namespace kelvaro::tool
