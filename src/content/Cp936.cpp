#include "Cp936.h"

#include <QSysInfo>

#include <cstring>
#include <iconv.h>
#include <utility>
#include <vector>

namespace kelvaro {

namespace {

// QString's units are handed to iconv as they lie in memory.
constexpr const char* kUtf16 =
    QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "UTF-16LE" : "UTF-16BE";
constexpr int kEncoderKey = -936;
const iconv_t kNoHandle = reinterpret_cast<iconv_t>(-1);

QByteArray iconvName(int codePage)
{
    switch (codePage) {
    case 10000:
        return "MACINTOSH";
    case 1361:
        return "JOHAB";
    case 65001:
        return "UTF-8";
    default:
        return "CP" + QByteArray::number(codePage);
    }
}

// Opening a converter costs little, but a rich-text reader may decode thousands of short
// runs; each thread keeps its converters open. A failed open is remembered as kNoHandle.
class Converters
{
public:
    Converters() = default;
    Converters(const Converters&) = delete;
    Converters& operator=(const Converters&) = delete;
    ~Converters()
    {
        for (auto& entry : m_handles)
            if (entry.second != kNoHandle)
                iconv_close(entry.second);
    }

    /// The converter for key (a code page to decode, or kEncoderKey), reset to its first state.
    iconv_t get(int key)
    {
        for (auto& entry : m_handles)
            if (entry.first == key)
                return reset(entry.second);
        const iconv_t handle = key == kEncoderKey ? iconv_open("CP936", kUtf16)
                                                  : iconv_open(kUtf16, iconvName(key).constData());
        m_handles.emplace_back(key, handle);
        return reset(handle);
    }

private:
    static iconv_t reset(iconv_t handle)
    {
        if (handle != kNoHandle)
            iconv(handle, nullptr, nullptr, nullptr, nullptr);
        return handle;
    }

    std::vector<std::pair<int, iconv_t>> m_handles;
};

Converters& converters()
{
    thread_local Converters instance;
    return instance;
}

// True where code page 936 has a lead and a trail byte: an unassigned pair is replaced whole,
// so that its trail byte does not turn up as a stray "@" or backslash.
bool isCp936Pair(const char* p, size_t left)
{
    const auto lead = static_cast<unsigned char>(p[0]);
    if (left < 2 || lead < 0x81 || lead > 0xFE)
        return false;
    const auto trail = static_cast<unsigned char>(p[1]);
    return trail >= 0x40 && trail <= 0xFE && trail != 0x7F;
}

QString decodeWith(iconv_t handle, const QByteArray& bytes, bool cp936)
{
    // One byte never gives more than one UTF-16 unit in these code pages (UTF-8 included).
    QString out(bytes.size(), Qt::Uninitialized);
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = size_t(bytes.size());
    char* const outStart = reinterpret_cast<char*>(out.data());
    char* outPtr = outStart;
    size_t outLeft = size_t(out.size()) * 2;
    while (inLeft > 0) {
        if (iconv(handle, &in, &inLeft, &outPtr, &outLeft) != size_t(-1))
            break;
        if (inLeft == 0)
            break;
        // A byte that starts no valid character (or a truncated one at the end): replace it
        // and go on with the next byte, so decoding always advances.
        if (outLeft < 2)
            break;
        const char16_t replacement = u'\uFFFD';
        memcpy(outPtr, &replacement, 2);
        outPtr += 2;
        outLeft -= 2;
        const size_t skipped = cp936 && isCp936Pair(in, inLeft) ? 2 : 1;
        in += skipped;
        inLeft -= skipped;
        iconv(handle, nullptr, nullptr, nullptr, nullptr);
    }
    out.truncate(qsizetype((outPtr - outStart) / 2));
    return out;
}

QString decodeLatin1Replacing(const QByteArray& bytes)
{
    QString out = QString::fromLatin1(bytes);
    for (QChar& c : out)
        if (c.unicode() >= 0x80)
            c = QChar(0xFFFD);
    return out;
}

} // namespace

QString decodeCp936(const QByteArray& bytes)
{
    return decodeCodePage(bytes, 936);
}

QString decodeCodePage(const QByteArray& bytes, int codePage)
{
    if (bytes.isEmpty())
        return {};
    iconv_t handle = converters().get(codePage);
    if (handle == kNoHandle) {
        codePage = 936;
        handle = converters().get(936);
    }
    if (handle == kNoHandle) // no converter at all: keep ASCII, mark the rest
        return decodeLatin1Replacing(bytes);
    return decodeWith(handle, bytes, codePage == 936);
}

qsizetype encodeCp936Prefix(QStringView text, QByteArray& out)
{
    if (text.isEmpty())
        return 0;
    const iconv_t handle = converters().get(kEncoderKey);
    if (handle == kNoHandle)
        return 0;
    const qsizetype start = out.size();
    // At most two bytes per UTF-16 unit.
    out.resize(start + text.size() * 2);
    char* in = reinterpret_cast<char*>(const_cast<QChar*>(text.data()));
    size_t inLeft = size_t(text.size()) * 2;
    char* outPtr = out.data() + start;
    size_t outLeft = size_t(text.size()) * 2;
    iconv(handle, &in, &inLeft, &outPtr, &outLeft);
    out.truncate(qsizetype(outPtr - out.constData()));
    return text.size() - qsizetype(inLeft / 2);
}

QByteArray encodeCp936(const QString& text, bool* complete)
{
    QByteArray out;
    out.reserve(text.size() * 2);
    bool all = true;
    qsizetype pos = 0;
    while (pos < text.size()) {
        pos += encodeCp936Prefix(QStringView(text).mid(pos), out);
        if (pos >= text.size())
            break;
        all = false;
        out.append('?');
        const bool pair = text.at(pos).isHighSurrogate() && pos + 1 < text.size() &&
                          text.at(pos + 1).isLowSurrogate();
        pos += pair ? 2 : 1;
    }
    if (complete)
        *complete = all;
    return out;
}

} // namespace kelvaro
