#pragma once

#include "ports/WordVoice.h"

#include <QStringList>

namespace kelvaro {

/// A voice that logs its calls ("transcription WORD", "recording WORD"), transcribes a word
/// as "/WORD/" and "speaks" it into "/voice/WORD.wav"; silent() makes it give nothing.
class FakeWordVoice : public WordVoice
{
public:
    QString transcription(const QString& word) override
    {
        m_calls.append(QStringLiteral("transcription ") + word);
        return m_silent ? QString() : QLatin1Char('/') + word + QLatin1Char('/');
    }
    QString recording(const QString& word) override
    {
        m_calls.append(QStringLiteral("recording ") + word);
        return m_silent ? QString() : path(word);
    }

    /// The file the voice gives for word.
    static QString path(const QString& word) { return QStringLiteral("/voice/%1.wav").arg(word); }
    void setSilent(bool silent) { m_silent = silent; }
    const QStringList& calls() const { return m_calls; }

private:
    QStringList m_calls;
    bool m_silent = false;
};

} // namespace kelvaro
