// kelvaro-tool lookup [--folder DIR] [--json] WORD...: what each source answers for a word.
#include "Commands.h"
#include "ToolIo.h"

#include "align/EspeakVoice.h"
#include "content/Dictionary.h"
#include "content/OpenDictionary.h"
#include "content/OpenLookup.h"
#include "content/ProgramFolder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

namespace kelvaro::tool {

namespace {

const char kUsageText[] = "usage: kelvaro-tool lookup [--folder DIR] [--json] WORD...";

QJsonObject entryJson(const LookupResult& result)
{
    return QJsonObject{{QStringLiteral("found"), result.found},
                       {QStringLiteral("headword"), result.headword},
                       {QStringLiteral("pronunciation"), result.pronunciation},
                       {QStringLiteral("meaning"), result.meaning}};
}

QJsonObject wordJson(const QString& word, const Dictionary& folder, const OpenDictionary& open)
{
    const LookupResult own = folder.lookUpWord(word);
    LookupResult shown = lookUpWithOpen(folder, open, word);
    const QStringList forms = open.baseForms(word);
    const std::optional<OpenEntry> entry =
        forms.isEmpty() ? std::nullopt : open.entry(forms.front());
    QJsonArray senses;
    if (entry) {
        for (const OpenSense& sense : entry->senses)
            senses.append(QJsonObject{{QStringLiteral("part"), QString(sense.part)},
                                      {QStringLiteral("definition"), sense.definition}});
    }
    const Result<QString> ipa =
        transcribeEnglish(shown.found ? shown.headword : word, EspeakVoice{"en-us", 135, 50});
    if (shown.openEntry && ipa)
        shown.pronunciation = ipa.value();
    QString answer = QStringLiteral("none");
    if (shown.found)
        answer = shown.openEntry ? QStringLiteral("open") : QStringLiteral("folder");
    return QJsonObject{
        {QStringLiteral("word"), word},
        {QStringLiteral("answer"), answer},
        {QStringLiteral("popup"), entryJson(shown)},
        {QStringLiteral("folder"), entryJson(own)},
        {QStringLiteral("wordnet"),
         QJsonObject{{QStringLiteral("baseForms"), QJsonArray::fromStringList(forms)},
                     {QStringLiteral("parts"), entry ? entry->parts : QString()},
                     {QStringLiteral("senses"), senses}}},
        {QStringLiteral("cedict"), entry ? entry->chinese : QString()},
        {QStringLiteral("espeak"), ipa ? ipa.value() : QString()},
    };
}

QString wordText(const QJsonObject& w)
{
    const QJsonObject folder = w.value(QStringLiteral("folder")).toObject();
    const QJsonObject wordnet = w.value(QStringLiteral("wordnet")).toObject();
    const QJsonObject popup = w.value(QStringLiteral("popup")).toObject();
    auto line = [](const QString& source, const QString& text) {
        return QStringLiteral("  %1 %2\n").arg(source + QLatin1Char(':'), -10).arg(text);
    };
    QString out = w.value(QStringLiteral("word")).toString() + QLatin1Char('\n');
    out += line(QStringLiteral("folder"),
                folder.value(QStringLiteral("found")).toBool()
                    ? folder.value(QStringLiteral("headword")).toString() + QStringLiteral(" [") +
                          folder.value(QStringLiteral("pronunciation")).toString() +
                          QStringLiteral("] ") +
                          folder.value(QStringLiteral("meaning")).toString().simplified()
                    : QStringLiteral("-"));
    QStringList senses;
    for (const QJsonValue& s : wordnet.value(QStringLiteral("senses")).toArray())
        senses.append(s.toObject().value(QStringLiteral("part")).toString() + QStringLiteral(". ") +
                      s.toObject().value(QStringLiteral("definition")).toString());
    const QStringList forms = wordnet.value(QStringLiteral("baseForms")).toVariant().toStringList();
    out += line(QStringLiteral("wordnet"), forms.isEmpty() ? QStringLiteral("-")
                                                           : forms.join(QStringLiteral(", ")) +
                                                                 QStringLiteral(": ") +
                                                                 senses.join(QStringLiteral("; ")));
    const QString chinese = w.value(QStringLiteral("cedict")).toString();
    out += line(QStringLiteral("cc-cedict"), chinese.isEmpty() ? QStringLiteral("-") : chinese);
    const QString ipa = w.value(QStringLiteral("espeak")).toString();
    out += line(QStringLiteral("espeak"), ipa.isEmpty() ? QStringLiteral("-") : ipa);
    out += line(QStringLiteral("popup"), w.value(QStringLiteral("answer")).toString() +
                                             QStringLiteral(": ") +
                                             popup.value(QStringLiteral("headword")).toString());
    return out;
}

} // namespace

int openLookupCommand(const QStringList& args)
{
    QString folderPath;
    bool json = false;
    QStringList words;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--json")) {
            json = true;
        } else if (args[i] == QLatin1String("--folder") && i + 1 < args.size()) {
            folderPath = args[++i];
        } else if (args[i].startsWith(QLatin1String("--"))) {
            return writeErr(QString::fromLatin1(kUsageText)), kUsage;
        } else {
            words.append(args[i]);
        }
    }
    if (words.isEmpty())
        return writeErr(QString::fromLatin1(kUsageText)), kUsage;
    if (folderPath.isEmpty())
        folderPath = QCoreApplication::applicationDirPath();
    Dictionary folder;
    const QString dictionaryPath = ProgramFolder(folderPath).dictionary();
    if (QFileInfo(dictionaryPath).isFile()) {
        Result<Dictionary> loaded = Dictionary::load(dictionaryPath);
        if (!loaded)
            return writeErr(loaded.error()), kRefused;
        folder = std::move(loaded.value());
    }
    OpenDictionary open;
    const QString openPath = OpenDictionary::installedPath();
    if (!openPath.isEmpty()) {
        Result<OpenDictionary> loaded = OpenDictionary::load(openPath);
        if (loaded)
            open = std::move(loaded.value());
    }
    QJsonArray answers;
    bool allFound = true;
    for (const QString& word : words) {
        const QJsonObject answer = wordJson(word, folder, open);
        allFound = allFound && answer.value(QStringLiteral("answer")).toString() != u"none";
        answers.append(answer);
        if (!json)
            writeOut(wordText(answer));
    }
    if (json)
        writeJson(QJsonDocument(answers));
    return allFound ? kOk : kRefused;
}

} // namespace kelvaro::tool
