#pragma once

#include <memory>

namespace kelvaro {

struct MainContext;

/// A practice tab's own steps. Only the tab shown follows the sentence as it changes; a tab
/// that missed sentences catches up when it is entered.
class ModeRoom
{
public:
    virtual ~ModeRoom() = default;

    /// The current sentence has been shown: the tab's own parts follow it.
    virtual void sentenceShown(MainContext&) {}
    /// The current sentence has been shown while another tab is current: what the tab holds
    /// of the sentence left and must not keep goes (it catches up in full when entered).
    virtual void sentenceShownElsewhere(MainContext&) {}
    /// The tab is being shown (a tab click, a lesson opened, a results entry chosen).
    virtual void enter(MainContext&) {}
    /// Another tab is about to be shown.
    virtual void leave(MainContext&) {}
};

/// A tab whose parts are all the window's shared ones (full text, translation, browse).
std::unique_ptr<ModeRoom> makePlainRoom();

} // namespace kelvaro
