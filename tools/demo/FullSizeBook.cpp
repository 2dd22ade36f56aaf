#include "FullSizeBook.h"

#include "GenerationStamp.h"
#include "LessonWriter.h"
#include "OutputFolder.h"
#include "ToolRunner.h"
#include "content/Lesson.h"
#include "content/ProgramFolder.h"
#include "content/TextFile.h"

#include <QDir>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>

namespace kelvaro {

namespace {

constexpr int kGeneratorVersion = 2;
constexpr int kLessons = 184;
constexpr int kRecordings = 39;
constexpr int kDictionaryEntries = 100000;
constexpr int kSampleRate = 22050;

// splitmix64: a fixed sequence on every platform, unlike the standard distributions.
class SyntheticRandom
{
public:
    explicit SyntheticRandom(quint64 seed) : m_state(seed) {}

    quint64 next()
    {
        quint64 z = (m_state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    /// 0..n-1
    int below(int n) { return int(next() % quint64(n)); }
    /// lo..hi
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(int oneIn) { return below(oneIn) == 0; }

private:
    quint64 m_state;
};

// The common characters of GB2312 (its first level), which every Chinese font holds.
QString commonHanzi()
{
    QByteArray bytes;
    for (int row = 0xB0; row <= 0xD7; ++row) {
        for (int cell = 0xA1; cell <= (row == 0xD7 ? 0xF9 : 0xFE); ++cell)
            bytes.append(char(row)).append(char(cell));
    }
    return decodeCp936(bytes);
}

QString hanziRun(SyntheticRandom& random, const QString& pool, int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += pool[random.below(int(pool.size()))];
    return text;
}

struct SyntheticWord
{
    QString headword;
    QString pronunciation;
    QString meaning;
};

QVector<SyntheticWord> syntheticVocabulary(SyntheticRandom& random, const QString& hanzi)
{
    static const QStringList onsets = {
        QStringLiteral("b"),  QStringLiteral("c"),  QStringLiteral("d"),  QStringLiteral("f"),
        QStringLiteral("g"),  QStringLiteral("h"),  QStringLiteral("j"),  QStringLiteral("k"),
        QStringLiteral("l"),  QStringLiteral("m"),  QStringLiteral("n"),  QStringLiteral("p"),
        QStringLiteral("r"),  QStringLiteral("s"),  QStringLiteral("t"),  QStringLiteral("v"),
        QStringLiteral("w"),  QStringLiteral("br"), QStringLiteral("ch"), QStringLiteral("pl"),
        QStringLiteral("st"), QStringLiteral("th"), QStringLiteral("tr"), QStringLiteral("sh")};
    static const QStringList vowels = {
        QStringLiteral("a"),  QStringLiteral("e"),  QStringLiteral("i"),
        QStringLiteral("o"),  QStringLiteral("u"),  QStringLiteral("ea"),
        QStringLiteral("ai"), QStringLiteral("ou"), QStringLiteral("y")};
    static const QStringList codas = {
        QString(),           QString(),           QStringLiteral("n"), QStringLiteral("t"),
        QStringLiteral("r"), QStringLiteral("s"), QStringLiteral("l"), QStringLiteral("ng"),
        QStringLiteral("ck")};
    static const QStringList partsOfSpeech = {QStringLiteral("n."), QStringLiteral("v."),
                                              QStringLiteral("adj."), QStringLiteral("adv."),
                                              QStringLiteral("prep.")};
    auto pick = [&](const QStringList& list) { return list[random.below(int(list.size()))]; };

    QVector<SyntheticWord> words;
    QSet<QString> seen;
    while (words.size() < kDictionaryEntries) {
        SyntheticWord word;
        const int syllables = random.between(1, 4);
        const int stressed = random.below(syllables);
        for (int s = 0; s < syllables; ++s) {
            const QString syllable = pick(onsets) + pick(vowels) + pick(codas);
            word.headword += syllable;
            word.pronunciation += (s == stressed ? QStringLiteral("'") : QString()) + syllable;
        }
        // Random syllables can spell a rude word; benchmark data should not show one.
        if (seen.contains(word.headword) || word.headword.contains(QStringLiteral("shit")) ||
            word.headword.contains(QStringLiteral("fuck")))
            continue;
        seen.insert(word.headword);
        QStringList senses;
        for (int s = random.between(1, 3); s > 0; --s) {
            QStringList glosses;
            for (int g = random.between(2, 5); g > 0; --g)
                glosses << hanziRun(random, hanzi, random.between(1, 4));
            senses << pick(partsOfSpeech) + u' ' + glosses.join(QStringLiteral("，"));
        }
        word.meaning = senses.join(QStringLiteral("；"));
        words.append(word);
    }
    return words;
}

struct SyntheticLesson
{
    QString title;
    QString text;
    int sentences = 0;
    qint64 durationMs = 0;
};

// One lesson laid out from offsetMs in its recording: each sentence in an equal slot with
// a pause either side.
SyntheticLesson syntheticLesson(SyntheticRandom& random, const QVector<SyntheticWord>& words,
                                const QString& hanzi, int number, qint64 offsetMs)
{
    SyntheticLesson lesson;
    lesson.title = chineseLessonTitle(number);
    lesson.sentences = random.between(10, 60);
    lesson.durationMs = random.between(90, 120) * 1000;
    const qint64 slot = lesson.durationMs / lesson.sentences;
    QStringList records;
    for (int s = 0; s < lesson.sentences; ++s) {
        QString english = QStringLiteral("^");
        const int count = random.between(4, 14);
        for (int w = 0; w < count; ++w) {
            // Frequent words come up far more often, as in real text.
            const SyntheticWord& word = words[random.below(random.below(int(words.size())) + 1)];
            QString display = word.headword;
            if (w == 0)
                display[0] = display[0].toUpper();
            const bool last = w == count - 1;
            const bool comma = !last && random.chance(8);
            english += display + (last || comma ? QString() : QStringLiteral(" ")) + u'$' +
                       word.headword + u'$' +
                       (random.chance(40) ? QStringLiteral("◆") : QString()) + u'^';
            if (comma)
                english += QStringLiteral(", ^");
        }
        english += QStringList{QStringLiteral("."), QStringLiteral("?"),
                               QStringLiteral("!")}[random.below(3)] +
                   u'^';
        const QString chinese =
            hanziRun(random, hanzi, random.between(6, 24)) + QStringLiteral("。");
        const QString note =
            random.chance(6) ? hanziRun(random, hanzi, random.between(4, 16)) : QString();
        const qint64 start = offsetMs + s * slot + 300;
        const qint64 end = offsetMs + (s + 1) * slot - 300;
        records << recordText(english, chinese, millisecondsText(start), millisecondsText(end),
                              note);
    }
    lesson.text = lessonText(records);
    return lesson;
}

// Streams silence into lame's standard input.
bool feedSilence(QProcess& lame, qint64 samples)
{
    const QByteArray chunk(1 << 16, '\0');
    qint64 left = samples * 2;
    while (left > 0) {
        const qint64 n = std::min<qint64>(left, chunk.size());
        if (lame.write(chunk.constData(), n) != n || !lame.waitForBytesWritten(-1))
            return false;
        left -= n;
    }
    return true;
}

} // namespace

Status generateFullSizeBook(const GeneratorOptions& options, QTextStream& log)
{
    Result<QByteArray> key =
        generationKey(QStringLiteral("kelvaro-demo full-size book %1").arg(kGeneratorVersion), {});
    if (!key)
        return Status::failure(key.error());
    if (!options.force && isUpToDate(options.outDir, *key)) {
        log << options.outDir << " is up to date (--force regenerates it)." << Qt::endl;
        return Status::success();
    }
    if (Status tools = requireTools({QStringLiteral("lame")}); !tools)
        return tools;
    if (!QDir().mkpath(options.outDir))
        return Status::failure(options.outDir + QStringLiteral(": cannot create the folder"));
    OutputFolder out(options.outDir);
    QTemporaryDir work(out.path(QStringLiteral(".kelvaro-demo-work-XXXXXX")));
    if (!work.isValid())
        return Status::failure(options.outDir + QStringLiteral(": ") + work.errorString());

    SyntheticRandom random(20240601);
    const QString hanzi = commonHanzi();
    if (hanzi.size() < 3000 || hanzi.contains(QChar::ReplacementCharacter))
        return Status::failure(QStringLiteral("code page 936 decoding is not available"));
    log << "Making " << kDictionaryEntries << " dictionary entries..." << Qt::endl;
    const QVector<SyntheticWord> words = syntheticVocabulary(random, hanzi);

    log << "Writing " << kLessons << " lessons..." << Qt::endl;
    QStringList titles;
    QVector<qint64> recordingMs(kRecordings + 1, 0);
    for (int number = 1; number <= kLessons; ++number) {
        const int recording = builtInAudioFileNumber(number);
        const SyntheticLesson lesson =
            syntheticLesson(random, words, hanzi, number, recordingMs[recording]);
        recordingMs[recording] += lesson.durationMs;
        titles << lesson.title;
        const QString relative =
            QStringLiteral("Book/%1/%2.dat").arg(builtInBookName()).arg(number);
        Result<Lesson> parsed = parseLesson(lesson.text, out.path(relative));
        if (!parsed)
            return Status::failure(parsed.error());
        if (Status written = out.writePlainText(relative, lesson.text); !written)
            return written;
    }

    QString dictionary;
    for (const SyntheticWord& word : words)
        dictionary += u'$' + word.headword + u'[' + word.pronunciation + u']' + word.meaning;
    dictionary += u'$';
    const QList<QPair<QString, QString>> texts = {
        {QStringLiteral("lib.dll"), dictionary},
        {QStringLiteral("SETTING/BookList/%1.dat").arg(builtInBookName()), bookListText(titles)},
        {QStringLiteral("SETTING/Results/%1.dat").arg(builtInBookName()), openResultsText(titles)},
        {QStringLiteral("SETTING/Set.dat"), firstRunSettingsText()},
    };
    for (const auto& [relative, text] : texts) {
        if (Status written = out.writePlainText(relative, text); !written)
            return written;
    }

    log << "Encoding " << kRecordings << " silent recordings with lame..." << Qt::endl;
    QVector<ToolJob> jobs;
    for (int k = 1; k <= kRecordings; ++k) {
        // A second of silence after the last sentence.
        const qint64 samples = (recordingMs[k] + 1000) * kSampleRate / 1000;
        jobs.append(
            ToolJob{QStringLiteral("lame"),
                    {QStringLiteral("--quiet"), QStringLiteral("-r"), QStringLiteral("-s"),
                     QStringLiteral("22.05"), QStringLiteral("--bitwidth"), QStringLiteral("16"),
                     QStringLiteral("--signed"), QStringLiteral("--little-endian"),
                     QStringLiteral("-m"), QStringLiteral("m"), QStringLiteral("--cbr"),
                     QStringLiteral("-b"), QStringLiteral("16"), QStringLiteral("--resample"),
                     QStringLiteral("22.05"), QStringLiteral("--noreplaygain"), QStringLiteral("-"),
                     work.filePath(QStringLiteral("%1.mp3").arg(k))},
                    [samples](QProcess& lame) { return feedSilence(lame, samples); }});
    }
    if (Status ran = runToolJobs(jobs, options.parallel); !ran)
        return ran;
    for (int k = 1; k <= kRecordings; ++k) {
        const QString made = work.filePath(QStringLiteral("%1.mp3").arg(k));
        QFile file(made);
        if (!file.open(QIODevice::ReadOnly))
            return Status::failure(made + QStringLiteral(": ") + file.errorString());
        if (Status written = out.writeBytes(
                QStringLiteral("Sound/%1/%2.mp3").arg(builtInBookName()).arg(k), file.readAll());
            !written)
            return written;
    }

    if (Status stamped = writeStamp(options.outDir, *key, out.files()); !stamped)
        return stamped;
    log << "Wrote " << out.files().size() << " files to " << options.outDir << " (dictionary "
        << dictionary.size() << " characters)." << Qt::endl;
    return Status::success();
}

} // namespace kelvaro
