#include "EspeakVoice.h"

#include "analysis/Resampling.h"

#include <QStringList>

#include <espeak-ng/speak_lib.h>

#include <mutex>

namespace kelvaro {

namespace {

std::mutex g_espeakLock;
int g_espeakRate = 0; // 0: not started yet; -1: failed to start

int collectSamples(short* wav, int count, espeak_EVENT* events)
{
    if (wav == nullptr || count <= 0 || events == nullptr)
        return 0;
    auto* out = static_cast<std::vector<float>*>(events->user_data);
    if (out == nullptr)
        return 0;
    for (int i = 0; i < count; ++i)
        out->push_back(float(wav[i]) / 32768.0f);
    return 0;
}

// Starts the library once and selects voice; call with g_espeakLock held. Empty when ready.
QString prepare(const EspeakVoice& voice)
{
    if (g_espeakRate == 0) {
        g_espeakRate =
            espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (g_espeakRate <= 0)
            g_espeakRate = -1;
        else
            espeak_SetSynthCallback(collectSamples);
    }
    if (g_espeakRate < 0)
        return QStringLiteral("无法启动语音合成 espeak-ng");
    if (espeak_SetVoiceByName(voice.name.constData()) != EE_OK)
        return QStringLiteral("语音合成 espeak-ng 没有 \"%1\" 语音")
            .arg(QString::fromLatin1(voice.name));
    return {};
}

} // namespace

Result<std::vector<float>> speakEnglish(const QString& text, const EspeakVoice& voice)
{
    const std::lock_guard<std::mutex> lock(g_espeakLock);
    const QString refused = prepare(voice);
    if (!refused.isEmpty())
        return Error{refused + QStringLiteral("，不能对齐文本和录音")};
    espeak_SetParameter(espeakRATE, voice.wordsPerMinute, 0);
    espeak_SetParameter(espeakPITCH, voice.pitch, 0);

    std::vector<float> spoken;
    const QByteArray utf8 = text.toUtf8();
    const espeak_ERROR said = espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0,
                                           POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, &spoken);
    if (said != EE_OK)
        return Error{QStringLiteral("语音合成 espeak-ng 无法朗读 \"%1\"").arg(text)};
    return resampled(spoken, g_espeakRate, kSpokenRate);
}

Result<QString> transcribeEnglish(const QString& text, const EspeakVoice& voice)
{
    const std::lock_guard<std::mutex> lock(g_espeakLock);
    const QString refused = prepare(voice);
    if (!refused.isEmpty())
        return Error{refused + QStringLiteral("，无法注音")};
    const QByteArray utf8 = text.toUtf8();
    const void* next = utf8.constData();
    QStringList pieces;
    // One call per clause; the library moves next on and sets it to null at the end.
    while (next != nullptr) {
        const char* phonemes = espeak_TextToPhonemes(&next, espeakCHARS_UTF8, espeakPHONEMES_IPA);
        if (phonemes == nullptr)
            break;
        const QString piece = QString::fromUtf8(phonemes).trimmed();
        if (!piece.isEmpty())
            pieces.append(piece);
    }
    return pieces.join(u' ');
}

} // namespace kelvaro
