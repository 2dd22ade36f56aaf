#pragma once

#include "analysis/VoiceAnalysis.h"

#include <vector>

namespace kelvaro::test {

/// One voiced stretch of a synthetic utterance: a vowel (two formants) sung on a pitch that moves
/// from startHz to endHz (evenly in semitones), then a pause.
struct Syllable
{
    double seconds;
    double startHz;
    double endHz;
    double formant1;
    double formant2;
    double levelDb = 0; ///< relative to the other syllables
    double pauseSeconds = 0.05;
};

/// A made-up utterance whose pitch and timing are known exactly.
struct Utterance
{
    double leadSeconds = 0.3; ///< silence before the first syllable
    std::vector<Syllable> syllables;
    double trailSeconds = 0.3; ///< silence after the last pause
};

/// The utterance rendered at rate: a band-limited pulse train through the two formants of each
/// syllable, faded in and out over 10 ms, peak around 0.5.
VoiceSignal render(const Utterance& utterance, int rate = kVoiceRate);

/// The same utterance with every syllable and pause lasting factor times as long.
Utterance stretched(Utterance utterance, double factor);

/// The same utterance with every pitch multiplied by factor (the vowels stay).
Utterance transposed(Utterance utterance, double factor);

/// A short sentence of six syllables with a rise and a fall, spoken around 110 Hz.
Utterance sampleSentence();

/// Another sentence: other vowels, another tune, about as long.
Utterance otherSentence();

/// Second s of the utterance: when its syllable i starts (i == size: where the last pause ends).
double syllableStart(const Utterance& utterance, int i);

/// The analysis frame nearest to a time in seconds.
int frameAt(double seconds);

/// White noise of the given length and RMS level in dBFS, from a fixed seed.
VoiceSignal noise(double seconds, double levelDb, int rate = kVoiceRate, unsigned seed = 1);

/// a with b added sample by sample (b may be shorter).
VoiceSignal mixed(VoiceSignal a, const VoiceSignal& b);

} // namespace kelvaro::test
