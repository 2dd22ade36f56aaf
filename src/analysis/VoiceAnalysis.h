#pragma once

#include <QString>

#include <array>
#include <cstddef>
#include <vector>

namespace kelvaro {

/// Every reading is analysed at this rate, mono, in frames of kVoiceFrameSeconds.
constexpr int kVoiceRate = 16000;
constexpr int kVoiceHop = 160; ///< samples per frame
constexpr double kVoiceFrameSeconds = double(kVoiceHop) / kVoiceRate;
constexpr int kVoiceMfccCoefficients = 13;
/// Stretches of the frequency axis tried on the take against the lesson's reading, so that a
/// speaker with a shorter or longer vocal tract than the lesson's (a woman shadowing a man, a
/// child) still matches the same words.
constexpr std::array<float, 4> kVoiceSpectrumWarps = {0.84f, 0.92f, 1.09f, 1.19f};

/// Mono samples in -1..1 at a given rate.
struct VoiceSignal
{
    std::vector<float> samples;
    int rate = kVoiceRate;
};

/// One reading, analysed frame by frame (frame i covers i * kVoiceFrameSeconds onwards of the
/// whole signal, before any trimming).
struct VoiceTrack
{
    double seconds = 0;           ///< length of the whole signal
    std::vector<float> envelope;  ///< peak |sample| per frame, 0..1: the waveform
    std::vector<float> energyDb;  ///< RMS level per frame in dBFS
    std::vector<float> pitchHz;   ///< 0 where the frame is unvoiced
    std::vector<float> semitones; ///< relative to medianHz; NaN where unvoiced
    /// frames x kVoiceMfccCoefficients, row-major, less their mean over the speech range
    std::vector<float> mfcc;
    /// mfcc again with the frequency axis stretched by each of kVoiceSpectrumWarps:
    /// warps x frames x kVoiceMfccCoefficients, row-major; empty for the lesson's reading.
    std::vector<float> warpedMfcc;
    float medianHz = 0;  ///< median of the voiced frames; 0 when none is voiced
    int speechBegin = 0; ///< first frame after the leading silence
    int speechEnd = 0;   ///< one past the last frame before the trailing silence

    int frames() const { return int(envelope.size()); }
    bool hasSpeech() const { return speechEnd > speechBegin; }
};

/// What differs most between the learner's reading and the lesson's.
enum class VoiceAdvice {
    Good,
    TooSlow,
    TooFast,
    FlatIntonation,
    MissingStress,
    DifferentWords,
    NoSpeech
};

/// The learner's take set against the lesson's reading.
struct VoiceComparison
{
    VoiceTrack lesson;
    VoiceTrack take;
    /// Warping path over the speech ranges: (lesson frame, take frame), absolute frame
    /// indices, both non-decreasing, from (speechBegin, speechBegin) to (speechEnd-1, speechEnd-1).
    std::vector<std::pair<int, int>> path;
    /// For every lesson frame the take frame aligned to it; -1 outside the lesson's speech.
    std::vector<int> takeFrameAt;
    /// The take's contour on the lesson's time axis (lesson frames); NaN where either is unvoiced.
    std::vector<float> warpedTakeSemitones;
    /// Mean distance of the MFCC frames and of their slopes along the path, leaving out the
    /// pairs that are both pauses: about 1 for the same words in another voice, well above 1.3
    /// for other words.
    double alignmentCost = 0;
    double pitchCorrelation = 0; ///< of the two contours over frames both voice, -1..1
    double durationRatio = 1;    ///< take speech length / lesson speech length
    float spectrumWarp = 1;      ///< the stretch of the take's frequency axis that matched best
    int score = 0;               ///< 0..100
    VoiceAdvice advice = VoiceAdvice::NoSpeech;
    int stressFrame = -1; ///< lesson frame of the stressed syllable missed (MissingStress)
};

/// The signal as mono floats at its own rate: 16-bit interleaved samples, channels mixed.
VoiceSignal voiceSignal(const std::vector<short>& interleaved, int channels, int rate);

/// Which side of a comparison a reading stands on. Only the take is matched with its spectrum
/// stretched (kVoiceSpectrumWarps), so only a take's analysis fills warpedMfcc.
enum class VoiceReading { Lesson, Take };

/// Analyses one reading (resampled to kVoiceRate when needed). A signal at a rate outside
/// 4-384 kHz gives an empty track. Safe to call from any thread.
VoiceTrack analyseVoice(const VoiceSignal& signal, VoiceReading reading = VoiceReading::Take);

/// Aligns the take to the lesson's reading and scores it. Safe to call from any thread.
VoiceComparison compareVoices(const VoiceTrack& lesson, const VoiceTrack& take);

/// The one plain-Chinese line that tells the learner what differs most.
QString voiceAdviceText(VoiceAdvice advice);

/// The advice's name for machines and logs ("good", "tooSlow", ...), as kelvaro-tool prints it.
const char* voiceAdviceName(VoiceAdvice advice);

} // namespace kelvaro
