#include "ModeRooms.h"

#include "ModeRoom.h"
#include "ModeTable.h"

namespace kelvaro {

ModeRooms::ModeRooms()
{
    for (const ModeRow& row : kModeTable) {
        if (row.room == row.mode)
            m_rooms[std::size_t(row.mode)] = row.makeRoom();
    }
}

ModeRooms::~ModeRooms() = default;

std::size_t ModeRooms::slot(Mode mode) const
{
    return std::size_t(modeRow(mode).room);
}

ModeRoom& ModeRooms::operator[](Mode mode)
{
    return *m_rooms[slot(mode)];
}

void ModeRooms::sentenceShown(MainContext& context, Mode current)
{
    ++m_generation;
    const std::size_t shown = slot(current);
    m_followed[shown] = m_generation;
    for (std::size_t i = 0; i < m_rooms.size(); ++i) {
        if (m_rooms[i] && i != shown)
            m_rooms[i]->sentenceShownElsewhere(context);
    }
    m_rooms[shown]->sentenceShown(context);
}

void ModeRooms::follow(MainContext& context, Mode mode)
{
    m_followed[slot(mode)] = m_generation;
    (*this)[mode].sentenceShown(context);
}

void ModeRooms::catchUp(MainContext& context, Mode mode)
{
    int& followed = m_followed[slot(mode)];
    if (followed == m_generation)
        return;
    followed = m_generation;
    (*this)[mode].sentenceShown(context);
}

} // namespace kelvaro
