#pragma once

#include "ports/VoiceRecorder.h"

#include <QStringList>

namespace kelvaro {

/// Records the commands the window sends to the recorder ("playFrom <s>" as QString::number
/// gives s). The take and the playback position are whatever the test sets.
class FakeVoiceRecorder : public VoiceRecorder
{
public:
    void open(const QString& path) override { m_calls << QStringLiteral("open ") + path; }
    void close() override { m_calls << QStringLiteral("close"); }
    void record() override { m_calls << QStringLiteral("record"); }
    void stop() override { m_calls << QStringLiteral("stop"); }
    void playFromStart() override { m_calls << QStringLiteral("play"); }
    void playFrom(double seconds) override
    {
        m_calls << QStringLiteral("playFrom ") + QString::number(seconds);
    }
    double playbackPosition() const override { return m_position; }
    std::vector<short> take() const override { return m_take; }
    double takeSeconds() const override { return double(m_take.size()) / 16000; } // 16 kHz mono
    void setTake(std::vector<short> take) { m_take = std::move(take); }
    void setPlaybackPosition(double seconds) { m_position = seconds; }
    bool microphoneAvailable() const override { return m_microphone; }
    void setMicrophoneAvailable(bool available) { m_microphone = available; }
    void setInputsChangedHandler(std::function<void()> handler) override
    {
        m_inputsChanged = std::move(handler);
    }
    /// A microphone plugged in (true) or the last one pulled out (false), told as the system
    /// tells it.
    void plugMicrophone(bool available)
    {
        m_microphone = available;
        if (m_inputsChanged)
            m_inputsChanged();
    }
    const QStringList& calls() const { return m_calls; }
    void clearCalls() { m_calls.clear(); }

private:
    QStringList m_calls;
    bool m_microphone = true;
    std::function<void()> m_inputsChanged;
    std::vector<short> m_take;
    double m_position = -1;
};

} // namespace kelvaro
