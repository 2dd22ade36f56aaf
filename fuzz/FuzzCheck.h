#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <cstring>

// A property of a reader that failed: say which, and abort so that libFuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace kelvaro::fuzz {

/// Arbitrary UTF-16 text from arbitrary bytes, lone surrogates included: the program's own
/// strings can hold anything a file decodes to.
inline QString utf16(const uint8_t* data, size_t size)
{
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, size_t(text.size()) * 2);
    return text;
}

/// The bytes as a QByteArray without a copy; valid while the fuzzer's input is.
inline QByteArray bytes(const uint8_t* data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
}

/// A fuzz input split in two: the bytes before its last NUL are a file's content, the bytes
/// after it the value handed to the reader with it. A seed with no NUL is content only.
struct FileAndArgument
{
    QByteArray content;
    QByteArray argument;
};

inline FileAndArgument splitAtLastNul(const uint8_t* data, size_t size)
{
    const QByteArray all = bytes(data, size);
    const qsizetype nul = all.lastIndexOf('\0');
    if (nul < 0)
        return {all, {}};
    return {all.left(nul), all.mid(nul + 1)};
}

} // namespace kelvaro::fuzz
