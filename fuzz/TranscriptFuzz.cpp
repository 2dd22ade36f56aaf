// The transcript reader: any bytes under any file name are read or refused with a message that
// names the file, and what is read is a list of sentences an importer can rely on.
#include "FuzzCheck.h"

#include "content/TranscriptReader.h"

using namespace kelvaro;

namespace {

bool isOneCleanLine(const QString& text)
{
    return text == text.simplified() && !text.contains(QChar(0x2019)) &&
           !text.contains(QChar(0x201C)) && !text.contains(QChar(0x201D));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto [content, argument] = fuzz::splitAtLastNul(data, size);
    // The name chooses the form: the few that matter, else the name the input carries.
    static const QString names[] = {QStringLiteral("a.lrc"), QStringLiteral("a.srt"),
                                    QStringLiteral("a.vtt"), QStringLiteral("a.txt")};
    const QString fileName = argument.size() == 1 ? names[uchar(argument[0]) % 4]
                                                  : QString::fromUtf8(argument);
    const Result<Transcript> read = readTranscript(content, fileName);
    if (!read.ok()) {
        FUZZ_CHECK(read.error().contains(QStringLiteral("\"%1\"").arg(fileName)));
        return 0;
    }
    const Transcript& transcript = read.value();
    const qsizetype lines = content.count('\n') + content.count('\r') + 1;
    FUZZ_CHECK(!transcript.cues.isEmpty());
    const bool timed = transcript.kind != TranscriptKind::PlainText;
    for (qsizetype i = 0; i < transcript.cues.size(); ++i) {
        const TranscriptCue& cue = transcript.cues[i];
        FUZZ_CHECK(!cue.english.isEmpty());
        FUZZ_CHECK(isOneCleanLine(cue.english));
        FUZZ_CHECK(cue.chinese == cue.chinese.simplified());
        FUZZ_CHECK(cue.line >= 1 && cue.line <= lines);
        if (!timed) {
            FUZZ_CHECK(cue.startMs == -1 && cue.endMs == -1);
            continue;
        }
        FUZZ_CHECK(cue.startMs >= 0);
        FUZZ_CHECK(cue.endMs == -1 || cue.endMs >= cue.startMs);
        if (i + 1 < transcript.cues.size()) {
            const TranscriptCue& next = transcript.cues[i + 1];
            FUZZ_CHECK(next.startMs >= cue.startMs);
            FUZZ_CHECK(cue.endMs <= next.startMs);
            // Only the last cue of lyrics may be left open.
            FUZZ_CHECK(cue.endMs >= 0);
        }
        if (transcript.kind != TranscriptKind::Lrc)
            FUZZ_CHECK(cue.endMs >= 0);
    }
    return 0;
}
