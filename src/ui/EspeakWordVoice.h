#pragma once

#include "ports/WordVoice.h"

#include <QHash>
#include <QString>

namespace kelvaro {

/// Words spoken and transcribed by espeak-ng's library, which starts on the first call (never
/// at start-up). Each word is spoken once into a wave file of a private folder under the
/// temporary folder and played from there again.
class EspeakWordVoice : public WordVoice
{
public:
    /// folder: where the spoken words are kept; empty: a folder of its own under the temp folder.
    explicit EspeakWordVoice(QString folder = {});

    QString transcription(const QString& word) override;
    QString recording(const QString& word) override;

private:
    QString m_folder;
    QHash<QString, QString> m_transcriptions;
};

} // namespace kelvaro
