// Bytes of any file -> the text the player reads (code page 936 or rich text).
#include "FuzzCheck.h"

#include "content/TextFile.h"

using namespace kelvaro;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray content = fuzz::bytes(data, size);
    const QString text = textFromBytes(content);
    // No markup makes more than one character per byte of the file: the reader's output
    // grows with its input and nothing more.
    FUZZ_CHECK(text.size() <= content.size());
    // Whatever was read is kept exactly when the player writes it back.
    FUZZ_CHECK(textFromBytes(plainTextToRtf(text)) == text);
    return 0;
}
