#pragma once

#include <QString>

namespace kelvaro {

/// The desktop: opening an address, starting another program.
class Desktop
{
public:
    virtual ~Desktop() = default;
    virtual bool openAddress(const QString& address) = 0;
    virtual bool startProgramMinimised(const QString& path) = 0;
};

} // namespace kelvaro
