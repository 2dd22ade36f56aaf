#include "LessonSource.h"

#include "content/TextFile.h"

namespace kelvaro {

QString lessonFieldFault(const QString& text)
{
    for (QChar c : text) {
        if (c == u'*' || c == u'#' || c == QChar(0x25C6) || c == u'\r' || c == u'\n')
            return QStringLiteral("\"%1\" may not stand in a lesson field").arg(c);
    }
    bool complete = true;
    encodeCp936(text, &complete);
    if (!complete)
        return QStringLiteral("a character is missing from code page 936");
    return {};
}

Result<SourceLesson> parseLessonSource(const QString& text, const QString& fileName,
                                       const WordList& words)
{
    SourceLesson lesson;
    lesson.fileName = fileName;
    QStringList faults;
    auto fault = [&](int line, const QString& what) {
        faults << QStringLiteral("%1:%2: %3").arg(fileName).arg(line).arg(what);
    };
    // The sentence whose "zh:" / "note:" may still follow.
    SourceSentence* open = nullptr;
    bool hasChinese = false;
    bool hasNote = false;
    bool sawTitle = false;
    auto closeSentence = [&]() {
        if (open && !hasChinese)
            fault(open->line, QStringLiteral("the sentence has no \"zh:\" line"));
        open = nullptr;
    };

    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNumber = i + 1;
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        const QString key = colon < 0 ? QString() : line.left(colon);
        const QString value = colon < 0 ? QString() : line.mid(colon + 1).trimmed();
        if (key != u"title" && key != u"en" && key != u"zh" && key != u"note") {
            fault(lineNumber, QStringLiteral("expected \"title:\", \"en:\", \"zh:\" or \"note:\""));
            continue;
        }
        // A faulty line still counts as given, so one slip gives one message.
        if (key == u"title") {
            if (sawTitle || !lesson.sentences.isEmpty()) {
                fault(lineNumber, QStringLiteral("\"title:\" comes once, before the sentences"));
                continue;
            }
            sawTitle = true;
        } else if (key == u"en") {
            closeSentence();
            lesson.sentences.append(SourceSentence{{}, {}, {}, lineNumber});
            open = &lesson.sentences.last();
            hasChinese = hasNote = false;
        } else if (!open) {
            fault(lineNumber, QStringLiteral("\"%1:\" must follow an \"en:\" line").arg(key));
            continue;
        } else if (key == u"zh") {
            if (hasChinese) {
                fault(lineNumber, QStringLiteral("the sentence already has a \"zh:\" line"));
                continue;
            }
            hasChinese = true;
        } else {
            if (hasNote) {
                fault(lineNumber, QStringLiteral("the sentence already has a \"note:\" line"));
                continue;
            }
            hasNote = true;
        }

        if (value.isEmpty()) {
            fault(lineNumber, QStringLiteral("\"%1:\" is empty").arg(key));
        } else if (key == u"en") {
            Result<QVector<SentenceSegment>> segments = segmentSentence(value, words);
            if (segments)
                open->segments = std::move(segments).value();
            else
                fault(lineNumber, segments.error());
        } else if (const QString bad = lessonFieldFault(value); !bad.isEmpty()) {
            fault(lineNumber, bad);
        } else if (key == u"title" && value.contains(QLatin1Char('^'))) {
            fault(lineNumber, QStringLiteral("a title may not contain \"^\""));
        } else if (key == u"title") {
            lesson.title = value;
        } else if (key == u"zh") {
            open->chinese = value;
        } else {
            open->note = value;
        }
    }
    closeSentence();
    if (!sawTitle)
        fault(1, QStringLiteral("the lesson has no \"title:\""));
    if (lesson.sentences.isEmpty())
        fault(1, QStringLiteral("the lesson has no sentence"));
    if (!faults.isEmpty())
        return Error{faults.join(QLatin1Char('\n'))};
    return lesson;
}

} // namespace kelvaro
