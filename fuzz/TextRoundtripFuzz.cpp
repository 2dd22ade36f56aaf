// Any text the player writes reads back identical, characters outside code page 936 included.
#include "FuzzCheck.h"

#include "content/TextFile.h"

using namespace kelvaro;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = fuzz::utf16(data, size);
    const QByteArray written = plainTextToRtf(text);
    FUZZ_CHECK(written.startsWith("{\\rtf"));
    FUZZ_CHECK(textFromBytes(written) == text);
    return 0;
}
