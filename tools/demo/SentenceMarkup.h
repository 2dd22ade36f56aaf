#pragma once

// The sentence markup is shared with the importer; the demo's word list is its lemma source.
#include "WordList.h"
#include "content/SentenceMarkup.h"
