#pragma once

#include "ports/Desktop.h"

#include <QStringList>

namespace kelvaro {

/// Records the addresses opened and the programs started; answers success unless told not to.
class FakeDesktop : public Desktop
{
public:
    bool openAddress(const QString& address) override
    {
        m_addresses.append(address);
        return m_succeeds;
    }
    bool startProgramMinimised(const QString& path) override
    {
        m_programs.append(path);
        return m_succeeds;
    }

    const QStringList& addresses() const { return m_addresses; }
    const QStringList& programs() const { return m_programs; }
    void setSucceeds(bool succeeds) { m_succeeds = succeeds; }

private:
    QStringList m_addresses;
    QStringList m_programs;
    bool m_succeeds = true;
};

} // namespace kelvaro
