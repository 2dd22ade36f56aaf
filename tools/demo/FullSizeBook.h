#pragma once

#include "DemoGenerator.h"
#include "content/Result.h"

class QTextStream;

namespace kelvaro {

/// Writes a synthetic book of the real book's size for benchmarks: 184 lessons of 10 to 60
/// sentences, the 39 silent recordings the audio table names, a dictionary of about 100,000
/// entries in plain code page 936, book list, results and settings. The same run always
/// gives the same files. options.sourcesDir is not used.
Status generateFullSizeBook(const GeneratorOptions& options, QTextStream& log);

} // namespace kelvaro
