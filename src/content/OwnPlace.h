#pragma once

#include "Result.h"

#include <QString>

#include <optional>

namespace kelvaro {

/// The lesson of an own book that was open when the player closed. The settings keep only the
/// tree's node, which moves when an own book before it gains or loses a lesson; the book and the
/// lesson find it again.
struct OwnPlace
{
    QString book;
    int lesson = 0;
    int node = 0; ///< the node the settings were given with it
};

/// The place kept in path; none when the file is missing or not one this program wrote.
std::optional<OwnPlace> loadOwnPlace(const QString& path);

/// Keeps place in path, or removes the file when there is none.
Status saveOwnPlace(const QString& path, const std::optional<OwnPlace>& place);

} // namespace kelvaro
