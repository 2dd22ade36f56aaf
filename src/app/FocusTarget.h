#pragma once

namespace kelvaro {

/// Where the keyboard focus should go; the window applies it.
enum class FocusTarget {
    None,
    TranslationKeys,
    FullTextKeys,
    WriteText,
    WriteWordText,
    CurrentWordWriteText,
    Tree
};

} // namespace kelvaro
