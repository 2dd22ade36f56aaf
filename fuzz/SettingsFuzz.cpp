// The settings file: all 33 values from any file, and the file the player writes of them reads
// back as the same settings.
#include "FuzzCheck.h"

#include "content/Settings.h"
#include "content/TextFile.h"

using namespace kelvaro;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = textFromBytes(fuzz::bytes(data, size));
    FUZZ_CHECK(cutSettingsValues(text).size() <= kSettingsValueCount);

    bool complete = false;
    const Settings settings = parseSettings(text, &complete);
    const QString written = formatSettings(settings);
    FUZZ_CHECK(written.count(u'/') == kSettingsValueCount);

    // What the player saves, it finds again on the next start.
    bool rereadComplete = false;
    const Settings reread = parseSettings(textFromBytes(plainTextToRtf(written)), &rereadComplete);
    FUZZ_CHECK(rereadComplete);
    FUZZ_CHECK(formatSettings(reread) == written);
    FUZZ_CHECK(reread.keyWordColour == settings.keyWordColour);
    FUZZ_CHECK(reread.sen.pauseMs == settings.sen.pauseMs);
    FUZZ_CHECK(reread.currentWordRead == settings.currentWordRead);
    return 0;
}
