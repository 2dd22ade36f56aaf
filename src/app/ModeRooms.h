#pragma once

#include "modes/Mode.h"

#include <array>
#include <memory>

namespace kelvaro {

class ModeRoom;
struct MainContext;

/// The tabs' rooms, one per row of the mode table (the two dictation tabs share one), and
/// which sentence each of them last followed.
class ModeRooms
{
public:
    ModeRooms();
    ~ModeRooms();
    ModeRooms(const ModeRooms&) = delete;
    ModeRooms& operator=(const ModeRooms&) = delete;

    ModeRoom& operator[](Mode mode);

    /// A sentence has been shown while current is the tab shown: its room follows at once,
    /// the others when they are entered.
    void sentenceShown(MainContext& context, Mode current);
    /// The room of mode catches up with the sentence shown if it missed it. Called before the
    /// tab becomes current, so that it catches up exactly as it would have as a hidden tab.
    void catchUp(MainContext& context, Mode mode);
    /// Something the room of mode shows of the sentence changed (a key word marked): it
    /// follows now, whichever tab is current.
    void follow(MainContext& context, Mode mode);

private:
    std::size_t slot(Mode mode) const;

    std::array<std::unique_ptr<ModeRoom>, 10> m_rooms;
    std::array<int, 10> m_followed{}; ///< the sentence generation each room last followed
    int m_generation = 0;             ///< bumped by every sentence shown
};

} // namespace kelvaro
