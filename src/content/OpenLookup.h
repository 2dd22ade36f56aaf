#pragma once

#include "Dictionary.h"
#include "OpenDictionary.h"

namespace kelvaro {

/// The word popup's lookup with the open dictionary behind the folder's: the folder's own
/// lookup (the word, then its suffix candidates); where it finds nothing, the folder's entry
/// of a WordNet base form of the word ("went" -> "go"); else the open dictionary's entry
/// (openEntry set, no pronunciation: the caller's voice gives it); else the folder's
/// "not found".
LookupResult lookUpWithOpen(const Dictionary& folder, const OpenDictionary& open, QStringView word);

} // namespace kelvaro
