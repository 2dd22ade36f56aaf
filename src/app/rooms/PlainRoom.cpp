#include "app/ModeRoom.h"

namespace kelvaro {

std::unique_ptr<ModeRoom> makePlainRoom()
{
    return std::make_unique<ModeRoom>();
}

} // namespace kelvaro
