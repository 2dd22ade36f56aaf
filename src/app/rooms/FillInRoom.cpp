#include "FillInRoom.h"

#include "app/FillInActions.h"

namespace kelvaro {

namespace {

class FillInRoom : public ModeRoom
{
public:
    void sentenceShown(MainContext& context) override { refreshFillIn(context); }
};

} // namespace

std::unique_ptr<ModeRoom> makeFillInRoom()
{
    return std::make_unique<FillInRoom>();
}

} // namespace kelvaro
