// kelvaro-pitch-agreement: our pitch track against Praat's on espeak-ng voices and on real
// recorded speech (the sound check recordings of alsa-utils), frame by frame. It prints the
// figures and whether they meet the goals; scripts/measure-pitch-agreement.sh runs it after
// scripts/setup.sh --reference has installed Praat.
#include "RecordedSpeech.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>

using namespace kelvaro;
using namespace kelvaro::test;

namespace {

// Praat's own pitch track (autocorrelation, 10 ms steps, 75-600 Hz), one "time hz" line per
// frame, "--undefined--" where it hears no voice.
const char* const kPraatScript = R"(form Pitch
    sentence file
endform
Read from file: file$
To Pitch: 0.01, 75, 600
n = Get number of frames
for i to n
    t = Get time from frame number: i
    f = Get value in frame: i, "Hertz"
    appendInfoLine: fixed$(t, 5), " ", f
endfor
)";

struct Agreement
{
    int praatVoiced = 0;
    int bothVoiced = 0;
    int withinSemitone = 0;
};

/// Frame by frame against Praat's track of the same file: at each Praat frame time, our frame
/// centred nearest to it.
Agreement agreementWithPraat(const QString& script, const QString& wav)
{
    Agreement a;
    QProcess praat;
    praat.start(QStringLiteral("praat"), {QStringLiteral("--run"), script, wav});
    if (!praat.waitForFinished(60000) || praat.exitCode() != 0)
        return a;
    const VoiceTrack track = analysedWav(wav);
    for (const QByteArray& line : praat.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.trimmed().split(' ');
        if (fields.size() != 2)
            continue;
        bool voiced = false;
        const double t = fields[0].toDouble();
        const double reference = fields[1].toDouble(&voiced);
        const int frame = int(std::lround(t / kVoiceFrameSeconds - 0.5));
        if (!voiced || reference <= 0 || frame < 0 || frame >= track.frames())
            continue;
        ++a.praatVoiced;
        const float ours = track.pitchHz[size_t(frame)];
        if (ours <= 0)
            continue;
        ++a.bothVoiced;
        a.withinSemitone += std::abs(12 * std::log2(ours / reference)) <= 1;
    }
    return a;
}

// Each file: voiced here on more than 20 of Praat's voiced frames, eight in ten of them within a
// semitone.
bool fileMeetsGoal(const Agreement& a)
{
    return a.bothVoiced > 20 && a.withinSemitone >= a.bothVoiced * 8 / 10;
}

// All files: nine in ten within a semitone, on at least three quarters of Praat's voiced frames
// (agreeing only on the easiest frames would be no agreement).
bool totalMeetsGoal(const Agreement& total)
{
    return total.withinSemitone >= total.bothVoiced * 9 / 10 &&
           total.bothVoiced >= total.praatVoiced * 3 / 4;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (QStandardPaths::findExecutable(QStringLiteral("praat")).isEmpty()) {
        std::fprintf(stderr, "praat is not installed (scripts/setup.sh --reference installs it)\n");
        return 2;
    }
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 2;
    }
    const QString script = dir.filePath(QStringLiteral("pitch.praat"));
    {
        QFile file(script);
        if (!file.open(QIODevice::WriteOnly) || file.write(kPraatScript) < 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(script));
            return 2;
        }
    }

    QStringList files;
    if (!QStandardPaths::findExecutable(QStringLiteral("espeak-ng")).isEmpty()) {
        const char* const voices[] = {"en", "en-us", "en+f3", "en+m3", "en-us+f2", "en-gb-x-rp"};
        for (const char* voice : voices) {
            const QString wav =
                dir.filePath(QStringLiteral("espeak-%1.wav").arg(QString::fromLatin1(voice)));
            if (speakWithEspeak(QStringLiteral("Excuse me, is there a bank near here? Yes, "
                                               "there's one on Green Street. How do I get there?"),
                                QString::fromLatin1(voice), 0, wav))
                files << wav;
        }
    }
    const QDir alsa(QStringLiteral("/usr/share/sounds/alsa"));
    for (const QString& name : alsa.entryList({QStringLiteral("*.wav")}, QDir::Files, QDir::Name))
        if (name != QLatin1String("Noise.wav"))
            files << alsa.filePath(name);
    if (files.isEmpty()) {
        std::fprintf(stderr, "no speech to compare on (espeak-ng and alsa-utils are missing)\n");
        return 2;
    }

    Agreement total;
    bool met = true;
    for (const QString& wav : files) {
        const Agreement a = agreementWithPraat(script, wav);
        std::printf("%-24s %4d of Praat's %4d voiced frames voiced here too, %5.1f %% of them "
                    "within a semitone%s\n",
                    qPrintable(QFileInfo(wav).fileName()), a.bothVoiced, a.praatVoiced,
                    100.0 * a.withinSemitone / std::max(1, a.bothVoiced),
                    fileMeetsGoal(a) ? "" : "  (goal: over 20 frames, 80 %)");
        met = met && fileMeetsGoal(a);
        total.praatVoiced += a.praatVoiced;
        total.bothVoiced += a.bothVoiced;
        total.withinSemitone += a.withinSemitone;
    }
    std::printf("all %d files: %d of Praat's %d voiced frames voiced here too, %.1f %% of them "
                "within a semitone\n",
                int(files.size()), total.bothVoiced, total.praatVoiced,
                100.0 * total.withinSemitone / std::max(1, total.bothVoiced));
    met = met && totalMeetsGoal(total);
    std::printf("goal (90 %% within a semitone on 75 %% of Praat's voiced frames, 80 %% in each "
                "file): %s\n",
                met ? "met" : "missed");
    return met ? 0 : 1;
}
