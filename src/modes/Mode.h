#pragma once

#include "content/Settings.h"

#include <array>

namespace kelvaro {

/// The practice modes. The numbers are the ones the settings file stores; 5 is never offered.
enum class Mode {
    FullText = 1,
    SentenceBrowse = 2,
    Translation = 3,
    DictationTest = 4,
    ReadAfter = 6,
    FreeSpelling = 7,
    Recall = 8,
    FillIn = 9,
};

/// The number a mode is stored as.
constexpr int modeNumber(Mode mode)
{
    return int(mode);
}

/// The mode of a stored number, by the settings' own rule (5 and anything outside 1..9 is the
/// full text).
inline Mode modeFromNumber(double number)
{
    return Mode(saneModeIndex(number));
}

/// One flag per mode, indexed by the mode (the tabs offered).
class ModeFlags
{
public:
    bool& operator[](Mode mode) { return m_flags[std::size_t(mode)]; }
    bool operator[](Mode mode) const { return m_flags[std::size_t(mode)]; }
    /// Every mode's flag set to value.
    void fill(bool value) { m_flags.fill(value); }

private:
    std::array<bool, 10> m_flags{};
};

} // namespace kelvaro
