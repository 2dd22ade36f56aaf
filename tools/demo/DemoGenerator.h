#pragma once

#include "content/Result.h"

#include <QString>

class QTextStream;

namespace kelvaro {

/// What to generate and where.
struct GeneratorOptions
{
    QString outDir;     ///< the program folder to fill
    QString sourcesDir; ///< the authored sources (words.txt, lessons/)
    bool force = false; ///< regenerate even when the stamp says the folder is up to date
    int parallel = 2;   ///< external tools run at once
};

/// Writes the sample book with its recordings, dictionary, word recordings, settings,
/// feedback sounds and pictures into options.outDir, unless it is already up to date.
Status generateDemo(const GeneratorOptions& options, QTextStream& log);

} // namespace kelvaro
