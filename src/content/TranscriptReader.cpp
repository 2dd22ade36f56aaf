#include "TranscriptReader.h"

#include "LrcReader.h"
#include "PlainTextReader.h"
#include "SubtitleReader.h"
#include "TranscriptEncoding.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace kelvaro {

namespace {

// Far beyond the transcript of any recording; a bigger file is not one.
constexpr qint64 kMaxTranscriptBytes = 32 * 1024 * 1024;

TranscriptKind sniffedKind(const QString& text)
{
    if (text.trimmed().startsWith(QLatin1String("WEBVTT")))
        return TranscriptKind::Vtt;
    static const QRegularExpression subRip(
        QStringLiteral("^\\s*\\d+:\\d{1,2}:\\d{1,2}[,.]\\d{1,3}\\s*-->"),
        QRegularExpression::MultilineOption);
    if (subRip.match(text).hasMatch())
        return TranscriptKind::Srt;
    static const QRegularExpression lrc(QStringLiteral("^\\s*\\[\\d{1,5}:\\d{1,2}[\\].:]"),
                                        QRegularExpression::MultilineOption);
    if (lrc.match(text).hasMatch())
        return TranscriptKind::Lrc;
    return TranscriptKind::PlainText;
}

} // namespace

TranscriptKind transcriptKind(const QString& text, const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == u"lrc")
        return TranscriptKind::Lrc;
    if (suffix == u"srt")
        return TranscriptKind::Srt;
    if (suffix == u"vtt")
        return TranscriptKind::Vtt;
    return sniffedKind(text);
}

Result<Transcript> readTranscript(const QByteArray& bytes, const QString& fileName)
{
    const QString text = decodeTranscript(bytes);
    switch (transcriptKind(text, fileName)) {
    case TranscriptKind::Lrc:
        return readLrc(text, fileName);
    case TranscriptKind::Srt:
        return readSubtitles(text, fileName, TranscriptKind::Srt);
    case TranscriptKind::Vtt:
        return readSubtitles(text, fileName, TranscriptKind::Vtt);
    case TranscriptKind::PlainText:
        break;
    }
    return readPlainText(text, fileName);
}

Result<Transcript> readTranscriptFile(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return Error{QStringLiteral("无法读取文件 \"%1\"：这是一个文件夹").arg(path)};
    if (info.size() > kMaxTranscriptBytes)
        return Error{QStringLiteral("无法读取文件 \"%1\"：文件太大，不像是字幕或文稿").arg(path)};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error{QStringLiteral("无法读取文件 \"%1\"：%2").arg(path, file.errorString())};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Error{QStringLiteral("无法读取文件 \"%1\"：%2").arg(path, file.errorString())};
    return readTranscript(bytes, path);
}

} // namespace kelvaro
