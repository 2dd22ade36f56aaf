#include "Cp936.h"

#include <QSysInfo>

#include <algorithm>
#include <cstring>
#include <iconv.h>
#include <unordered_map>
#include <unordered_set>

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
    case kGb18030CodePage:
        return "GB18030";
    default:
        return "CP" + QByteArray::number(codePage);
    }
}

// Opening a converter costs little, but a rich-text reader may decode thousands of short
// runs; each thread keeps its converters open. The pages are found by hash: a hostile document
// may name a new page before every character.
class Converters
{
public:
    Converters() = default;
    Converters(const Converters&) = delete;
    Converters& operator=(const Converters&) = delete;
    ~Converters()
    {
        for (auto& entry : m_handles)
            iconv_close(entry.second);
    }

    /// The converter for key (a code page to decode, or kEncoderKey), reset to its first state;
    /// kNoHandle when the system has none.
    iconv_t get(int key)
    {
        if (const auto found = m_handles.find(key); found != m_handles.end())
            return reset(found->second);
        if (m_unknown.contains(key))
            return kNoHandle;
        const iconv_t handle = key == kEncoderKey ? iconv_open("CP936", kUtf16)
                                                  : iconv_open(kUtf16, iconvName(key).constData());
        if (handle != kNoHandle)
            m_handles.emplace(key, handle); // the system has a few hundred at most
        else if (m_unknown.size() < kMaxUnknown)
            m_unknown.insert(key); // beyond that, a failed open is simply tried again
        return reset(handle);
    }

private:
    static constexpr size_t kMaxUnknown = 1024;

    static iconv_t reset(iconv_t handle)
    {
        if (handle != kNoHandle)
            iconv(handle, nullptr, nullptr, nullptr, nullptr);
        return handle;
    }

    std::unordered_map<int, iconv_t> m_handles;
    std::unordered_set<int> m_unknown;
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
    return decodeWith(handle, bytes, codePage == 936 || codePage == kGb18030CodePage);
}

namespace {

// One call of the encoder over text; how many units it converted.
qsizetype encodeSlice(iconv_t handle, QStringView text, QByteArray& out)
{
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

} // namespace

qsizetype encodeCp936Prefix(QStringView text, QByteArray& out)
{
    if (text.isEmpty())
        return 0;
    const iconv_t handle = converters().get(kEncoderKey);
    if (handle == kNoHandle)
        return 0;
    // In slices: iconv takes its whole input through an intermediate form before the code
    // page 936 step stops at the first character without a code, so a single call over a long
    // text that stops early costs as much as the whole text, once for every such character.
    constexpr qsizetype kSlice = 256;
    qsizetype done = 0;
    while (done < text.size()) {
        qsizetype length = std::min(kSlice, text.size() - done);
        if (done + length < text.size() && text[done + length - 1].isHighSurrogate())
            --length; // a pair stays in one slice
        const qsizetype converted = encodeSlice(handle, text.sliced(done, length), out);
        done += converted;
        if (converted < length)
            break;
    }
    return done;
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
