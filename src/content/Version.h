#pragma once

#include <QString>

namespace kelvaro {

/// The version of the programs, as the build gives it ("0.1").
QString kelvaroVersion();

} // namespace kelvaro
