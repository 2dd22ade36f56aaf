// kelvaro-tool review: the learner's review of a day, as the review tab shows it.
#include "Commands.h"
#include "ToolIo.h"

#include "content/ProgramFolder.h"
#include "history/HistoryDatabase.h"
#include "history/SqliteHistoryStore.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

namespace kelvaro::tool {

namespace {

QJsonObject sentenceJson(const SentenceRef& ref)
{
    return {{QStringLiteral("book"), ref.book},
            {QStringLiteral("lesson"), ref.lesson},
            {QStringLiteral("sentence"), ref.sentence}};
}

QString sentenceText(const SentenceRef& ref)
{
    return QStringLiteral("%1 %2/%3").arg(ref.book, ref.lesson).arg(ref.sentence);
}

QJsonDocument summaryJson(const ReviewSummary& summary)
{
    QJsonArray due;
    for (const DueSentence& d : summary.due) {
        QJsonObject item = sentenceJson(d.ref);
        item.insert(QStringLiteral("lastSeen"), d.lastSeen.toString(Qt::ISODate));
        item.insert(QStringLiteral("due"), d.due.toString(Qt::ISODate));
        item.insert(QStringLiteral("stability"), d.stability);
        due.append(item);
    }
    QJsonArray words;
    for (const MissedWord& w : summary.missedWords) {
        QJsonArray sources;
        for (const SentenceRef& ref : w.sources)
            sources.append(sentenceJson(ref));
        words.append(
            QJsonObject{{QStringLiteral("word"), w.word},
                        {QStringLiteral("misses"), w.misses},
                        {QStringLiteral("wrongForms"), QJsonArray::fromStringList(w.wrongForms)},
                        {QStringLiteral("sources"), sources},
                        {QStringLiteral("rightDays"), w.rightDays}});
    }
    QJsonArray patterns;
    for (const PatternCount& p : summary.patterns) {
        patterns.append(QJsonObject{{QStringLiteral("pattern"), patternKey(p.pattern)},
                                    {QStringLiteral("name"), patternName(p.pattern)},
                                    {QStringLiteral("count"), p.count},
                                    {QStringLiteral("exampleTyped"), p.exampleTyped},
                                    {QStringLiteral("exampleWord"), p.exampleWord},
                                    {QStringLiteral("advice"), patternAdvice(p.pattern)}});
    }
    QJsonArray days;
    for (const DayTotals& d : summary.days) {
        QJsonObject day{{QStringLiteral("day"), d.day.toString(Qt::ISODate)},
                        {QStringLiteral("practised"), d.practised},
                        {QStringLiteral("passed"), d.passed}};
        if (d.voiceAverage >= 0)
            day.insert(QStringLiteral("voiceAverage"), d.voiceAverage);
        days.append(day);
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("today"), summary.today.toString(Qt::ISODate)},
                                     {QStringLiteral("due"), due},
                                     {QStringLiteral("missedWords"), words},
                                     {QStringLiteral("patterns"), patterns},
                                     {QStringLiteral("days"), days},
                                     {QStringLiteral("streak"), summary.streak},
                                     {QStringLiteral("outcomes"), summary.outcomes}});
}

QString summaryText(const ReviewSummary& summary)
{
    QString text = QStringLiteral("Review of %1: %2 sentence(s) due, %3 outcome(s) kept, streak %4 "
                                  "day(s)\n")
                       .arg(summary.today.toString(Qt::ISODate))
                       .arg(summary.due.size())
                       .arg(summary.outcomes)
                       .arg(summary.streak);
    text += QStringLiteral("\nDue sentences:\n");
    for (const DueSentence& d : summary.due) {
        text +=
            QStringLiteral("  %1  last seen %2  due %3\n")
                .arg(sentenceText(d.ref), d.lastSeen.toString(QStringLiteral("yyyy-MM-dd hh:mm")),
                     d.due.toString(Qt::ISODate));
    }
    text += QStringLiteral("\nMissed words:\n");
    for (const MissedWord& w : summary.missedWords) {
        QStringList sources;
        for (const SentenceRef& ref : w.sources)
            sources << sentenceText(ref);
        text +=
            QStringLiteral("  %1  %2 miss(es)  typed: %3  in: %4\n")
                .arg(w.word)
                .arg(w.misses)
                .arg(w.wrongForms.join(QStringLiteral(", ")), sources.join(QStringLiteral("; ")));
    }
    text += QStringLiteral("\nPatterns:\n");
    for (const PatternCount& p : summary.patterns) {
        text += QStringLiteral("  %1  %2  e.g. \"%3\" for \"%4\"\n")
                    .arg(patternKey(p.pattern))
                    .arg(p.count)
                    .arg(p.exampleTyped, p.exampleWord);
    }
    return text;
}

} // namespace

int reviewCommand(const QStringList& args)
{
    const QString usage =
        QStringLiteral("usage: kelvaro-tool review --folder DIR [--json] [--today YYYY-MM-DD]");
    QString folder;
    bool json = false;
    QDate today = QDate::currentDate();
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == u"--json") {
            json = true;
        } else if (arg == u"--folder" && i + 1 < args.size()) {
            folder = args[++i];
        } else if (arg == u"--today" && i + 1 < args.size()) {
            today = QDate::fromString(args[++i], Qt::ISODate);
            if (!today.isValid()) {
                writeErr(QStringLiteral("--today takes a date as YYYY-MM-DD.\n") + usage);
                return kUsage;
            }
        } else {
            writeErr(usage);
            return kUsage;
        }
    }
    if (folder.isEmpty()) {
        writeErr(usage);
        return kUsage;
    }
    const QString path =
        historyFilePath(QFileInfo(ProgramFolder(folder).settings()).absolutePath());
    ReviewSummary summary;
    summary.today = today;
    if (QFileInfo::exists(path)) {
        HistoryDatabase database(path);
        if (database.open(false, true) != HistoryDatabase::Opening::Opened) {
            writeErr(QStringLiteral("%1: %2").arg(path, database.lastError()));
            return kRefused;
        }
        summary = database.summary(today);
    } else {
        for (int i = 29; i >= 0; --i)
            summary.days.push_back({today.addDays(-i), 0, 0, -1});
    }
    if (json)
        writeJson(summaryJson(summary));
    else
        writeOut(summaryText(summary));
    return kOk;
}

} // namespace kelvaro::tool
