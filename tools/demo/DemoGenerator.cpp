#include "DemoGenerator.h"

#include "DemoBook.h"
#include "GenerationStamp.h"
#include "LessonWriter.h"
#include "OutputFolder.h"
#include "ToolRunner.h"
#include "TrackPlan.h"
#include "WavFile.h"
#include "content/Lesson.h"
#include "content/ProgramFolder.h"
#include "content/TextFile.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

namespace kelvaro {

namespace {

// Raise when the output changes for the same sources (voice, timing, file layout).
constexpr int kGeneratorVersion = 2;

constexpr int kSampleRate = 22050; // what espeak-ng speaks at; the recordings keep it
constexpr int kSilenceThreshold = 8;
const QString kVoice = QStringLiteral("en-us");
const QString kSentenceSpeed = QStringLiteral("130"); // words per minute: a learner's pace
const QString kWordSpeed = QStringLiteral("120");

constexpr qsizetype samplesOf(double seconds)
{
    return qsizetype(seconds * kSampleRate + 0.5);
}

// The player decodes gapless, so 40 ms either side would do; the longer tail keeps whole
// sentences in decoders that ignore lame's delay header (76 ms late at this rate).
const TrackTiming kTiming{kSampleRate,    samplesOf(0.3),  samplesOf(0.6),
                          samplesOf(1.2), samplesOf(0.04), samplesOf(0.12)};

QString bookName()
{
    return builtInBookName();
}

QString lessonPath(int number)
{
    return QStringLiteral("Book/%1/%2.dat").arg(bookName()).arg(number);
}

QString recordingPath(int fileNumber)
{
    return QStringLiteral("Sound/%1/%2.mp3").arg(bookName()).arg(fileNumber);
}

QString wordRecordingPath(const QString& headword)
{
    return QStringLiteral("Word/") + headword.left(1) + u'/' + headword + QStringLiteral(".wav");
}

Result<MonoSound> readSpeech(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error{path + QStringLiteral(": ") + file.errorString()};
    Result<MonoSound> sound = parseMonoWav(file.readAll(), path);
    if (sound && sound->sampleRate != kSampleRate) {
        return Error{QStringLiteral("%1: espeak-ng spoke at %2 Hz, expected %3 Hz")
                         .arg(path)
                         .arg(sound->sampleRate)
                         .arg(kSampleRate)};
    }
    return sound;
}

Result<QByteArray> readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error{path + QStringLiteral(": ") + file.errorString()};
    return file.readAll();
}

// Copies a file a tool made in the work folder into the program folder.
Status adopt(OutputFolder& out, const QString& made, const QString& relative)
{
    Result<QByteArray> bytes = readBytes(made);
    if (!bytes)
        return Status::failure(bytes.error());
    return out.writeBytes(relative, *bytes);
}

// The writer must give back exactly what the program will read.
Status checkReadsBack(const OutputFolder& out, const QString& relative, const QString& text)
{
    Result<QString> read = readTextFile(out.path(relative));
    if (!read)
        return Status::failure(read.error());
    if (*read != text)
        return Status::failure(out.path(relative) + QStringLiteral(": reads back changed"));
    return Status::success();
}

struct FeedbackSound
{
    const char* name;
    QStringList effects; // sox effects after "synth"
};

// Short, quiet and soft: they sound on every click and key.
QVector<FeedbackSound> feedbackSounds()
{
    auto split = [](const char* text) {
        return QString::fromLatin1(text).split(u' ', Qt::SkipEmptyParts);
    };
    return {
        {"MouDown.wav", split("synth 0.03 sine 1500 fade h 0.002 0.03 0.025 vol 0.18")},
        {"MouUp.wav", split("synth 0.025 sine 1200 fade h 0.002 0.025 0.02 vol 0.14")},
        {"WordRight.wav", split("synth 0.12 sine 1046.5 fade h 0.005 0.12 0.08 vol 0.25 : "
                                "synth 0.3 sine 1318.5 fade h 0.005 0.3 0.26 vol 0.25")},
        {"type.wav", split("synth 0.012 sine 2400 fade h 0.001 0.012 0.01 vol 0.1")},
        {"wrong.wav", split("synth 0.25 square 140 lowpass 700 fade h 0.02 0.25 0.12 vol 0.2")},
    };
}

class DemoRun
{
public:
    DemoRun(const GeneratorOptions& options, const DemoBook& book, QTextStream& log)
        : m_options(options), m_book(book), m_log(log), m_out(options.outDir)
    {
    }

    Status run()
    {
        if (!QDir().mkpath(m_options.outDir))
            return Status::failure(m_options.outDir + QStringLiteral(": cannot create the folder"));
        // Work files stay in the output folder and go when the run ends.
        QTemporaryDir work(m_out.path(QStringLiteral(".kelvaro-demo-work-XXXXXX")));
        if (!work.isValid())
            return Status::failure(m_options.outDir + QStringLiteral(": ") + work.errorString());
        m_work = work.path();

        using Step = Status (DemoRun::*)();
        for (Step step : {&DemoRun::speakEverything, &DemoRun::writeRecordingsAndLessons,
                          &DemoRun::writeDictionary, &DemoRun::writeBookFiles,
                          &DemoRun::writeFeedbackAndPictures}) {
            if (Status done = (this->*step)(); !done)
                return done;
        }
        return Status::success();
    }

    const OutputFolder& out() const { return m_out; }

private:
    QString workFile(const QString& name) const { return m_work + u'/' + name; }
    QString sentenceFile(int lesson, int sentence) const
    {
        return workFile(QStringLiteral("s%1-%2.wav").arg(lesson).arg(sentence));
    }
    QString wordFile(int entry) const { return workFile(QStringLiteral("w%1.wav").arg(entry)); }

    // Every sentence and every headword through espeak-ng; a headword's run also gives its IPA.
    Status speakEverything()
    {
        QVector<ToolJob> jobs;
        for (const SourceLesson& lesson : m_book.lessons) {
            for (int i = 0; i < lesson.sentences.size(); ++i) {
                jobs.append(
                    ToolJob{QStringLiteral("espeak-ng"),
                            {QStringLiteral("-v"), kVoice, QStringLiteral("-s"), kSentenceSpeed,
                             QStringLiteral("-w"), sentenceFile(lesson.number, i),
                             QStringLiteral("--"), displayText(lesson.sentences[i].segments)}});
            }
        }
        const qsizetype firstWordJob = jobs.size();
        const QVector<WordListEntry>& entries = m_book.words.entries();
        for (int i = 0; i < entries.size(); ++i) {
            jobs.append(ToolJob{QStringLiteral("espeak-ng"),
                                {QStringLiteral("-v"), kVoice, QStringLiteral("-s"), kWordSpeed,
                                 QStringLiteral("--ipa"), QStringLiteral("-w"), wordFile(i),
                                 QStringLiteral("--"), entries[i].headword}});
        }
        m_log << "Speaking " << firstWordJob << " sentences and " << entries.size()
              << " words with espeak-ng..." << Qt::endl;
        if (Status ran = runToolJobs(jobs, m_options.parallel); !ran)
            return ran;
        for (int i = 0; i < entries.size(); ++i) {
            QString ipa = QString::fromUtf8(jobs[firstWordJob + i].output);
            ipa.remove(QRegularExpression(QStringLiteral("\\s")));
            if (ipa.isEmpty() || ipa.contains(u']') || ipa.contains(u'$')) {
                return Status::failure(QStringLiteral("espeak-ng gave no usable IPA for \"%1\"")
                                           .arg(entries[i].headword));
            }
            m_ipa.append(ipa);
        }
        return Status::success();
    }

    Status writeRecordingsAndLessons()
    {
        // The lessons of each recording, in order; the audio table decides which file.
        QMap<int, QVector<const SourceLesson*>> byRecording;
        for (const SourceLesson& lesson : m_book.lessons) {
            const int file = builtInAudioFileNumber(lesson.number);
            if (file == 0)
                return Status::failure(lesson.fileName + QStringLiteral(": no recording for it"));
            byRecording[file].append(&lesson);
        }

        QVector<ToolJob> encodes;
        QVector<QPair<QString, QString>> made; // work file, program-folder path
        for (auto it = byRecording.cbegin(); it != byRecording.cend(); ++it) {
            QVector<QVector<QVector<qint16>>> speech;
            QVector<QVector<qsizetype>> lengths;
            for (const SourceLesson* lesson : it.value()) {
                speech.emplaceBack();
                lengths.emplaceBack();
                for (int i = 0; i < lesson->sentences.size(); ++i) {
                    Result<MonoSound> sound = readSpeech(sentenceFile(lesson->number, i));
                    if (!sound)
                        return Status::failure(sound.error());
                    const SampleSpan span = audibleSpan(sound->samples, kSilenceThreshold);
                    if (span.size() == 0) {
                        return Status::failure(QStringLiteral("%1:%2: espeak-ng said nothing")
                                                   .arg(lesson->fileName)
                                                   .arg(lesson->sentences[i].line));
                    }
                    speech.last().append(sound->samples.mid(span.first, span.size()));
                    lengths.last().append(span.size());
                }
            }
            const TrackPlan plan = planTrack(lengths, kTiming);
            for (qsizetype l = 0; l < it.value().size(); ++l) {
                if (Status written = writeLesson(*it.value()[l], plan.lessons[l]); !written)
                    return written;
            }
            const QString wav = workFile(QStringLiteral("track%1.wav").arg(it.key()));
            QFile file(wav);
            if (!file.open(QIODevice::WriteOnly) ||
                !file.write(wavBytes({kSampleRate, renderTrack(plan, speech)})) || !file.flush())
                return Status::failure(wav + QStringLiteral(": ") + file.errorString());
            file.close();
            const QString mp3 = workFile(QStringLiteral("%1.mp3").arg(it.key()));
            // Constant bit rate, mono, no replay-gain scan: the same input gives the same bytes.
            // lame's Xing/LAME header records its delay and padding for gapless decoding.
            encodes.append(
                ToolJob{QStringLiteral("lame"),
                        {QStringLiteral("--quiet"), QStringLiteral("--cbr"), QStringLiteral("-b"),
                         QStringLiteral("64"), QStringLiteral("-m"), QStringLiteral("m"),
                         QStringLiteral("--noreplaygain"), wav, mp3}});
            made.append({mp3, recordingPath(it.key())});
        }
        m_log << "Encoding " << encodes.size() << " lesson recording(s) with lame..." << Qt::endl;
        if (Status ran = runToolJobs(encodes, m_options.parallel); !ran)
            return ran;
        for (const auto& [from, to] : made) {
            if (Status copied = adopt(m_out, from, to); !copied)
                return copied;
        }
        return Status::success();
    }

    Status writeLesson(const SourceLesson& lesson, const QVector<PlacedSentence>& placed)
    {
        QStringList records;
        int keyWords = 0;
        for (int i = 0; i < lesson.sentences.size(); ++i) {
            const SourceSentence& sentence = lesson.sentences[i];
            records << recordText(englishField(sentence.segments), sentence.chinese,
                                  millisecondsText(placed[i].startMs),
                                  millisecondsText(placed[i].endMs), sentence.note);
            for (const SentenceSegment& segment : sentence.segments)
                keyWords += segment.keyWord ? 1 : 0;
        }
        const QString text = lessonText(records);
        const QString relative = lessonPath(lesson.number);
        // The player's own parser must take what we ship.
        Result<Lesson> parsed = parseLesson(text, m_out.path(relative));
        if (!parsed)
            return Status::failure(parsed.error());
        if (parsed->sentenceCount != lesson.sentences.size() || parsed->keyWordCount != keyWords) {
            return Status::failure(m_out.path(relative) +
                                   QStringLiteral(": parses to other counts than written"));
        }
        for (int i = 0; i < lesson.sentences.size(); ++i) {
            if (englishDisplayText(parsed->records[i]) != displayText(lesson.sentences[i].segments))
                return Status::failure(QStringLiteral("%1:%2: the sentence displays differently")
                                           .arg(lesson.fileName)
                                           .arg(lesson.sentences[i].line));
        }
        if (Status written = m_out.writePlainText(relative, text); !written)
            return written;
        return checkReadsBack(m_out, relative, text);
    }

    Status writeDictionary()
    {
        QString text;
        const QVector<WordListEntry>& entries = m_book.words.entries();
        for (int i = 0; i < entries.size(); ++i) {
            text += u'$' + entries[i].headword + u'[' + m_ipa[i] + u']' + entries[i].meaning;

            Result<MonoSound> sound = readSpeech(wordFile(i));
            if (!sound)
                return Status::failure(sound.error());
            // A word sounds at once when clicked: cut espeak-ng's lead-in, keep a breath.
            const MonoSound word = trimmedSound(*sound, kSilenceThreshold, samplesOf(0.02));
            if (Status written =
                    m_out.writeBytes(wordRecordingPath(entries[i].headword), wavBytes(word));
                !written)
                return written;
        }
        text += u'$';
        // IPA lies outside code page 936, so the dictionary goes out as rich text.
        const QString relative = QStringLiteral("lib.dll");
        if (Status written = m_out.writeRichText(relative, text); !written)
            return written;
        return checkReadsBack(m_out, relative, text);
    }

    Status writeBookFiles()
    {
        QStringList titles;
        for (const SourceLesson& lesson : m_book.lessons)
            titles << lesson.title;
        const QList<QPair<QString, QString>> files = {
            {QStringLiteral("SETTING/BookList/%1.dat").arg(bookName()), bookListText(titles)},
            {QStringLiteral("SETTING/Results/%1.dat").arg(bookName()), openResultsText(titles)},
            {QStringLiteral("SETTING/Set.dat"), firstRunSettingsText()},
        };
        for (const auto& [relative, text] : files) {
            if (Status written = m_out.writePlainText(relative, text); !written)
                return written;
        }
        // The recorder is opened on this file and never writes it: a moment of silence.
        return m_out.writeBytes(QStringLiteral("Recorder.wav"),
                                wavBytes({16000, QVector<qint16>(1600, 0)}));
    }

    Status writeFeedbackAndPictures()
    {
        QVector<ToolJob> jobs;
        QVector<QPair<QString, QString>> made;
        for (const FeedbackSound& sound : feedbackSounds()) {
            const QString name = QString::fromLatin1(sound.name);
            // -R: repeatable; -D: no dither, so the bytes never vary.
            jobs.append(
                {QStringLiteral("sox"),
                 QStringList{QStringLiteral("-R"), QStringLiteral("-D"), QStringLiteral("-n"),
                             QStringLiteral("-r"), QString::number(kSampleRate),
                             QStringLiteral("-c"), QStringLiteral("1"), QStringLiteral("-b"),
                             QStringLiteral("16"), workFile(name)} +
                     sound.effects});
            made.append({workFile(name), QStringLiteral("SETTING/Sound/") + name});
        }
        // A calm grey box; the ticked one carries a blue check.
        const QStringList box = {QStringLiteral("-size"),
                                 QStringLiteral("16x16"),
                                 QStringLiteral("xc:white"),
                                 QStringLiteral("-fill"),
                                 QStringLiteral("none"),
                                 QStringLiteral("-stroke"),
                                 QStringLiteral("#7a8290"),
                                 QStringLiteral("-strokewidth"),
                                 QStringLiteral("1"),
                                 QStringLiteral("-draw"),
                                 QStringLiteral("rectangle 1,1 14,14")};
        const QStringList tick = {
            QStringLiteral("-stroke"),      QStringLiteral("#2f6fc0"),
            QStringLiteral("-strokewidth"), QStringLiteral("2"),
            QStringLiteral("-draw"),        QStringLiteral("polyline 4,8 7,11 12,4")};
        const QStringList jpeg = {QStringLiteral("-strip"), QStringLiteral("-quality"),
                                  QStringLiteral("95")};
        for (bool checked : {false, true}) {
            const QString name =
                checked ? QStringLiteral("check_1.jpg") : QStringLiteral("check_0.jpg");
            jobs.append({QStringLiteral("convert"), box + (checked ? tick : QStringList()) + jpeg +
                                                        QStringList{workFile(name)}});
            made.append({workFile(name), QStringLiteral("Bitmap/") + name});
        }
        if (Status ran = runToolJobs(jobs, m_options.parallel); !ran)
            return ran;
        for (const auto& [from, to] : made) {
            if (Status copied = adopt(m_out, from, to); !copied)
                return copied;
        }
        return Status::success();
    }

    const GeneratorOptions& m_options;
    const DemoBook& m_book;
    QTextStream& m_log;
    OutputFolder m_out;
    QString m_work;
    QStringList m_ipa; // per word-list entry
};

} // namespace

Status generateDemo(const GeneratorOptions& options, QTextStream& log)
{
    Result<DemoBook> book = loadDemoBook(options.sourcesDir);
    if (!book)
        return Status::failure(book.error());
    for (const QString& unused : book->unusedEntries)
        log << "warning: " << unused << " is used by no lesson" << Qt::endl;

    Result<QByteArray> key = generationKey(
        QStringLiteral("kelvaro-demo sample book %1").arg(kGeneratorVersion), options.sourcesDir);
    if (!key)
        return Status::failure(key.error());
    if (!options.force && isUpToDate(options.outDir, *key)) {
        log << options.outDir << " is up to date (--force regenerates it)." << Qt::endl;
        return Status::success();
    }
    if (Status tools = requireTools({QStringLiteral("espeak-ng"), QStringLiteral("lame"),
                                     QStringLiteral("sox"), QStringLiteral("convert")});
        !tools)
        return tools;

    DemoRun run(options, *book, log);
    if (Status done = run.run(); !done)
        return done;
    if (Status stamped = writeStamp(options.outDir, *key, run.out().files()); !stamped)
        return stamped;
    log << "Wrote " << run.out().files().size() << " files of " << book->lessons.size()
        << " lessons to " << options.outDir << "." << Qt::endl;
    return Status::success();
}

} // namespace kelvaro
