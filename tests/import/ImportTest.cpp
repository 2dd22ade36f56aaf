#include "ImportFixtures.h"
#include "TestFolder.h"

#include "content/BookList.h"
#include "content/Lesson.h"
#include "content/OwnBooks.h"
#include "content/TextFile.h"
#include "import/LessonImport.h"
#include "import/Mp3Transcoder.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

struct Expected
{
    QString english;
    qint64 startMs;
    qint64 endMs;
};

struct ImportCase
{
    const char* what;
    int rate;
    int channels;
    bool asMp3; // the wav is made an mp3 first, which the import copies as it is
    QString transcriptName;
    QByteArray transcript;
    std::vector<Expected> sentences;
    qint64 endToleranceMs; // for an end found in the recording's levels
};

// Three seconds: speech-like tone over 200..900 ms and 1200..1800 ms, faint hiss elsewhere.
PcmSound threeSeconds(int rate, int channels)
{
    return toneRecording(rate, channels, 3000, {{200, 900}, {1200, 1800}});
}

class ImportTable : public testing::TestWithParam<ImportCase>
{
protected:
    TestFolder m_folder;
    QTemporaryDir m_work;
};

TEST_P(ImportTable, TheLessonTheListsAndTheRecordingAreWritten)
{
    const ImportCase& c = GetParam();
    ASSERT_TRUE(m_folder.isValid() && m_work.isValid());
    const QString wav = m_work.filePath(QStringLiteral("Talk one.wav"));
    ASSERT_TRUE(writeTestWav(wav, threeSeconds(c.rate, c.channels)));
    QString audio = wav;
    if (c.asMp3) {
        audio = m_work.filePath(QStringLiteral("Talk one.mp3"));
        ASSERT_TRUE(transcodeToMp3(wav, audio).ok());
    }
    const QString transcript = m_work.filePath(c.transcriptName);
    ASSERT_TRUE(writeFile(transcript, c.transcript));

    const Result<ImportedLesson> imported = importLesson(
        ImportRequest{m_folder.root(), QStringLiteral("My Book"), {}, audio, transcript, {}});
    ASSERT_TRUE(imported.ok()) << imported.error().toStdString();
    EXPECT_EQ(imported->number, 1);
    EXPECT_EQ(imported->name, QStringLiteral("Talk one"));

    const QString text = m_folder.readText(QStringLiteral("Book/My Book/1.dat"));
    const Result<Lesson> lesson = parseLesson(text, QStringLiteral("1.dat"));
    ASSERT_TRUE(lesson.ok()) << lesson.error().toStdString();
    ASSERT_EQ(lesson->sentenceCount, int(c.sentences.size()));
    for (size_t i = 0; i < c.sentences.size(); ++i) {
        const Expected& want = c.sentences[i];
        const SentenceFields& got = lesson->sentences[qsizetype(i)];
        EXPECT_EQ(englishDisplayText(lesson->records[qsizetype(i)]), want.english);
        EXPECT_DOUBLE_EQ(got.start, double(want.startMs) / 1000);
        const bool last = i + 1 == c.sentences.size();
        EXPECT_NEAR(got.end * 1000, double(want.endMs), last ? double(c.endToleranceMs) : 0.0)
            << "sentence " << i + 1;
        EXPECT_EQ(got.note, QString());
        EXPECT_FALSE(got.done);
    }
    EXPECT_EQ(m_folder.readText(QStringLiteral("SETTING/BookList/My Book.dat")),
              QStringLiteral("^Talk one^"));
    EXPECT_EQ(m_folder.readText(QStringLiteral("SETTING/Results/My Book.dat")),
              QStringLiteral("^☆Talk one^"));
    EXPECT_EQ(m_folder.readText(QStringLiteral("SETTING/BookList.dat")),
              QStringLiteral("^My Book^"));
    // The built-in book is left alone.
    EXPECT_EQ(m_folder.readText(QStringLiteral("SETTING/BookList/Kelvaro.dat")),
              TestFolder().readText(QStringLiteral("SETTING/BookList/Kelvaro.dat")));

    QFile stored(m_folder.path(QStringLiteral("Sound/My Book/1.mp3")));
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    if (c.asMp3) {
        QFile original(audio);
        ASSERT_TRUE(original.open(QIODevice::ReadOnly));
        EXPECT_EQ(stored.readAll(), original.readAll()) << "an mp3 is copied as it is";
    } else {
        EXPECT_TRUE(scanMp3(stored.fileName()).ok());
    }
}

const QByteArray kLrc = "[ti:Own]\n"
                        "[00:00.20]Good morning. / 早上好。\n"
                        "[00:01.20]The books are walking. / 书在走路。\n";

INSTANTIATE_TEST_SUITE_P(
    Import, ImportTable,
    testing::Values(
        // LRC's last sentence ends where its speech does, not at the recording's end.
        ImportCase{"lrc_over_mono_wav",
                   22050,
                   1,
                   false,
                   QStringLiteral("talk.lrc"),
                   kLrc,
                   {{QStringLiteral("Good morning."), 200, 1200},
                    {QStringLiteral("The books are walking."), 1200, 1800}},
                   40},
        // An end past the recording is clipped to it.
        ImportCase{"srt_over_stereo_wav",
                   48000,
                   2,
                   false,
                   QStringLiteral("talk.srt"),
                   "1\n00:00:00,200 --> 00:00:00,950\nGood morning.\n早上好。\n\n"
                   "2\n00:00:01,250 --> 00:00:09,000\nI'm walking, $5 #1 * ^!\n\n",
                   {{QStringLiteral("Good morning."), 200, 950},
                    {QStringLiteral("I'm walking, ＄5 ＃1 ＊ ＾!"), 1250, 3000}},
                   0},
        ImportCase{"vtt_over_mp3",
                   44100,
                   1,
                   true,
                   QStringLiteral("talk.vtt"),
                   "WEBVTT\n\n00:00.200 --> 00:00.900\nGood morning.\n\n"
                   "00:01.200 --> 00:01.850\nThe book.\n",
                   {{QStringLiteral("Good morning."), 200, 900},
                    {QStringLiteral("The book."), 1200, 1850}},
                   0}),
    [](const testing::TestParamInfo<ImportCase>& info) { return std::string(info.param.what); });

class ImportIntoFolder : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid() && m_work.isValid());
        m_wav = m_work.filePath(QStringLiteral("talk.wav"));
        ASSERT_TRUE(writeTestWav(m_wav, threeSeconds(16000, 1)));
        m_lrc = m_work.filePath(QStringLiteral("talk.lrc"));
        ASSERT_TRUE(writeFile(m_lrc, kLrc));
    }

    Result<ImportedLesson> import(const QString& book, const QString& audio,
                                  const QString& transcript, const QString& name = {})
    {
        return importLesson(ImportRequest{m_folder.root(), book, name, audio, transcript, {}});
    }

    QString work(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_work.filePath(name);
        EXPECT_TRUE(writeFile(path, bytes));
        return path;
    }

    TestFolder m_folder;
    QTemporaryDir m_work;
    QString m_wav;
    QString m_lrc;
};

TEST_F(ImportIntoFolder, LessonsFollowEachOtherAndBooksKeepTheirOrder)
{
    ASSERT_EQ(import(QStringLiteral("Zoo"), m_wav, m_lrc, QStringLiteral("First")).value().number,
              1);
    ASSERT_EQ(import(QStringLiteral("Apple"), m_wav, m_lrc).value().number, 1);
    const Result<ImportedLesson> second = import(QStringLiteral("Zoo"), m_wav, m_lrc);
    ASSERT_TRUE(second.ok()) << second.error().toStdString();
    EXPECT_EQ(second->number, 2);
    EXPECT_TRUE(m_folder.exists(QStringLiteral("Book/Zoo/2.dat")));
    EXPECT_TRUE(m_folder.exists(QStringLiteral("Sound/Zoo/2.mp3")));
    EXPECT_EQ(m_folder.readText(QStringLiteral("SETTING/BookList/Zoo.dat")),
              QStringLiteral("^First^talk^"));
    EXPECT_EQ(m_folder.readText(QStringLiteral("SETTING/Results/Zoo.dat")),
              QStringLiteral("^☆First^☆talk^"));
    // In the order they were made, not sorted.
    EXPECT_EQ(loadOwnBooks(ProgramFolder(m_folder.root())).value(),
              (QStringList{QStringLiteral("Zoo"), QStringLiteral("Apple")}));
    EXPECT_EQ(nextLessonNumber(ProgramFolder(m_folder.root()), QStringLiteral("Zoo")).value(), 3);
}

TEST_F(ImportIntoFolder, ARefusalNamesTheFaultAndLeavesTheFolderAsItWas)
{
    ASSERT_TRUE(import(QStringLiteral("My Book"), m_wav, m_lrc).ok());
    struct Refusal
    {
        const char* what;
        QString book;
        QString audio;
        QString transcript;
        QStringList says;
    };
    const QString late = work(QStringLiteral("late.lrc"), "[00:00.20]Hi.\n[00:03.50]Too late.\n");
    const QString backwards =
        work(QStringLiteral("back.srt"), "1\n00:00:01,000 --> 00:00:02,000\nOne.\n\n"
                                         "2\n00:00:00,500 --> 00:00:00,900\nTwo.\n");
    const QString plain = work(QStringLiteral("notes.txt"), "Good morning.\nHow are you?\n");
    const QString empty = work(QStringLiteral("empty.lrc"), "[ti:Nothing]\n[00:01.00]\n");
    const QString silentMp3 = work(QStringLiteral("nothing.mp3"), QByteArray());
    const QString notAudio = work(QStringLiteral("words.wav"), "Good morning, not a sound.\n");
    const std::vector<Refusal> refusals = {
        {"cue past the end",
         QStringLiteral("My Book"),
         m_wav,
         late,
         {QStringLiteral("late.lrc"), QStringLiteral("第 2 行"), QStringLiteral("录音")}},
        {"times backwards",
         QStringLiteral("My Book"),
         m_wav,
         backwards,
         {QStringLiteral("back.srt"), QStringLiteral("第 6 行"), QStringLiteral("时间倒退")}},
        {"plain text",
         QStringLiteral("My Book"),
         m_wav,
         plain,
         {QStringLiteral("notes.txt"), QStringLiteral("对齐")}},
        {"no cue", QStringLiteral("My Book"), m_wav, empty, {QStringLiteral("empty.lrc")}},
        {"empty recording",
         QStringLiteral("My Book"),
         silentMp3,
         m_lrc,
         {QStringLiteral("nothing.mp3")}},
        {"not a recording",
         QStringLiteral("My Book"),
         notAudio,
         m_lrc,
         {QStringLiteral("words.wav")}},
        {"missing recording",
         QStringLiteral("My Book"),
         m_work.filePath(QStringLiteral("gone.wav")),
         m_lrc,
         {QStringLiteral("gone.wav")}},
        {"built-in book", QStringLiteral("Kelvaro"), m_wav, m_lrc, {QStringLiteral("Kelvaro")}},
        {"own book in other case",
         QStringLiteral("my book"),
         m_wav,
         m_lrc,
         {QStringLiteral("My Book")}},
        {"folder separator", QStringLiteral("a/b"), m_wav, m_lrc, {QStringLiteral("/")}},
    };
    const QByteArray before = folderDigest(m_folder.root());
    for (const Refusal& r : refusals) {
        const Result<ImportedLesson> refused = import(r.book, r.audio, r.transcript);
        ASSERT_FALSE(refused.ok()) << r.what;
        for (const QString& part : r.says)
            EXPECT_TRUE(refused.error().contains(part))
                << r.what << ": " << refused.error().toStdString();
        EXPECT_EQ(folderDigest(m_folder.root()), before) << r.what;
    }
}

TEST(OwnBookTitle, RefusesWhatCannotNameABookFolder)
{
    const QStringList own = {QStringLiteral("Daily Talk")};
    for (const QString& good : {QStringLiteral("Daily Talk"), QStringLiteral("新概念 2"),
                                QStringLiteral("Talk.v2"), QStringLiteral("Console")})
        EXPECT_TRUE(checkBookTitle(good, own).ok()) << good.toStdString();
    for (const QString& bad :
         {QString(), QStringLiteral("a^b"), QStringLiteral("a/b"), QStringLiteral("a\\b"),
          QStringLiteral("a#b"), QStringLiteral("a*b"), QStringLiteral("a$b"),
          QStringLiteral("a\tb"), QStringLiteral("."), QStringLiteral(".."),
          QStringLiteral("Talk."), QStringLiteral("Talk "), QStringLiteral("nul"),
          QStringLiteral("COM1.txt"), QStringLiteral("Kelvaro"), QStringLiteral("KELVARO"),
          QStringLiteral("daily talk")})
        EXPECT_FALSE(checkBookTitle(bad, own).ok()) << bad.toStdString();
}

} // namespace
