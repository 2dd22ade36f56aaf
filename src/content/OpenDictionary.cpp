#include "OpenDictionary.h"

#include "WordNetMorphology.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace kelvaro {

namespace {

const char kFileName[] = "open-dictionary.txt";

QByteArrayView keyOf(const QByteArray& data, quint32 start)
{
    const qsizetype tab = data.indexOf('\t', start);
    const qsizetype end = data.indexOf('\n', start);
    qsizetype stop = tab < 0 ? end : (end < 0 ? tab : std::min(tab, end));
    if (stop < 0)
        stop = data.size();
    return QByteArrayView(data.constData() + start, stop - start);
}

QString partLabel(QChar part)
{
    switch (part.unicode()) {
    case 'n':
        return QStringLiteral("n.");
    case 'v':
        return QStringLiteral("v.");
    case 'a':
        return QStringLiteral("adj.");
    case 'r':
        return QStringLiteral("adv.");
    default:
        return QString();
    }
}

void appendUnique(QStringList& list, const QString& form)
{
    if (!form.isEmpty() && !list.contains(form))
        list.append(form);
}

} // namespace

QByteArray openDictionaryKey(QStringView word)
{
    QString key = word.trimmed().toString().toLower();
    key.replace(u'\u2019', u'\'');
    return key.toUtf8();
}

OpenDictionary::OpenDictionary(QByteArray data) : m_data(std::move(data))
{
    std::vector<quint32>* section = nullptr;
    qsizetype pos = 0;
    while (pos < m_data.size()) {
        qsizetype end = m_data.indexOf('\n', pos);
        if (end < 0)
            end = m_data.size();
        const char first = m_data.at(pos);
        if (first == '@') {
            const QByteArrayView name(m_data.constData() + pos, end - pos);
            section = name == "@forms" ? &m_forms : name == "@words" ? &m_words : nullptr;
        } else if (section != nullptr && first != '#' && end > pos) {
            section->push_back(quint32(pos));
        }
        pos = end + 1;
    }
}

Result<OpenDictionary> OpenDictionary::load(const QString& path)
{
    auto file = std::make_shared<QFile>(path);
    if (!file->open(QIODevice::ReadOnly))
        return Error{QStringLiteral("无法读取开放词典 %1").arg(QDir::toNativeSeparators(path))};
    // Mapped, not read: the pages come in as lookups touch them, so the first lookup of a
    // session costs the index's one pass over the file and no copy of it.
    const qint64 size = file->size();
    uchar* mapped = size > 0 ? file->map(0, size) : nullptr;
    if (mapped == nullptr)
        return OpenDictionary(file->readAll());
    OpenDictionary open(
        QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), qsizetype(size)));
    open.m_mapping = std::move(file);
    return open;
}

QString OpenDictionary::installedPath()
{
    // Without an application object (benchmarks) the executable's own link says where it is.
    const QString dir = QCoreApplication::instance() != nullptr
                            ? QCoreApplication::applicationDirPath()
                            : QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    for (const QString& candidate :
         {dir + QLatin1Char('/') + QLatin1String(kFileName),
          dir + QStringLiteral("/../share/kelvaro-player/") + QLatin1String(kFileName)}) {
        if (QFileInfo(candidate).isFile())
            return QFileInfo(candidate).canonicalFilePath();
    }
    return {};
}

QByteArrayView OpenDictionary::findLine(const std::vector<quint32>& lines, QByteArrayView key) const
{
    if (key.isEmpty())
        return {};
    const auto it =
        std::lower_bound(lines.begin(), lines.end(), key, [this](quint32 start, QByteArrayView k) {
            return keyOf(m_data, start).compare(k) < 0;
        });
    if (it == lines.end() || keyOf(m_data, *it) != key)
        return {};
    const qsizetype start = qsizetype(*it) + key.size() + 1;
    qsizetype end = m_data.indexOf('\n', *it);
    if (end < 0)
        end = m_data.size();
    if (start > end)
        return QByteArrayView(m_data.constData() + end, 0); // a key alone on its line
    return QByteArrayView(m_data.constData() + start, end - start);
}

QByteArrayView OpenDictionary::partsOf(QByteArrayView lemma) const
{
    const QByteArrayView line = findLine(m_words, lemma);
    if (line.data() == nullptr)
        return {};
    const qsizetype tab = line.indexOf('\t');
    return tab < 0 ? line : line.first(tab);
}

std::optional<OpenEntry> OpenDictionary::entry(QStringView lemma) const
{
    const QByteArray key = openDictionaryKey(lemma);
    const QByteArrayView line = findLine(m_words, key);
    if (line.data() == nullptr)
        return std::nullopt;
    const QList<QByteArray> fields = line.toByteArray().split('\t');
    OpenEntry entry;
    entry.baseForm = QString::fromUtf8(key);
    entry.parts = fields.value(0).isEmpty() ? QString() : QString::fromUtf8(fields.value(0));
    entry.chinese = QString::fromUtf8(fields.value(1));
    for (const QByteArray& sense : fields.value(2).split('|')) {
        if (sense.size() < 3 || sense.at(1) != ':')
            continue;
        entry.senses.append(OpenSense{QChar(sense.at(0)), QString::fromUtf8(sense.mid(2))});
    }
    return entry;
}

QStringList OpenDictionary::baseForms(QStringView word) const
{
    QStringList forms;
    const QByteArray key = openDictionaryKey(word);
    if (key.isEmpty())
        return forms;
    // Irregular forms first: "is" is "be", never the letter "i" that a rule would leave.
    const QByteArrayView irregular = findLine(m_forms, key);
    if (irregular.data() != nullptr) {
        for (const QByteArray& pair : irregular.toByteArray().split(',')) {
            const QByteArray base = pair.mid(2);
            if (pair.size() > 2 && pair.at(1) == ':' && partsOf(base).data() != nullptr)
                appendUnique(forms, QString::fromUtf8(base));
        }
    }
    if (partsOf(key).data() != nullptr)
        appendUnique(forms, QString::fromUtf8(key));
    const QString lower = QString::fromUtf8(key);
    for (const DetachedForm& detached : detachedForms(lower)) {
        const QByteArray base = detached.form.toUtf8();
        const QByteArrayView parts = partsOf(base);
        if (parts.data() != nullptr && parts.contains(char(detached.part.unicode())))
            appendUnique(forms, detached.form);
    }
    return forms;
}

std::optional<OpenEntry> OpenDictionary::lookUp(QStringView word) const
{
    const QStringList forms = baseForms(word);
    if (forms.isEmpty())
        return std::nullopt;
    return entry(forms.front());
}

QString openMeaningText(const OpenEntry& entry)
{
    QStringList lines;
    if (!entry.chinese.isEmpty())
        lines.append(entry.chinese);
    for (const OpenSense& sense : entry.senses)
        lines.append(partLabel(sense.part) + QLatin1Char(' ') + sense.definition);
    return lines.join(u'\n');
}

} // namespace kelvaro
