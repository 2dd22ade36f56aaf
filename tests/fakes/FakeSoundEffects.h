#pragma once

#include "ports/SoundEffects.h"

#include <QStringList>

namespace kelvaro {

/// Records the feedback sounds asked for (the file names).
class FakeSoundEffects : public SoundEffects
{
public:
    void play(const QString& path) override { m_played << path.section(u'/', -1); }
    const QStringList& played() const { return m_played; }
    void clear() { m_played.clear(); }

private:
    QStringList m_played;
};

} // namespace kelvaro
