#include "FillInRoom.h"

#include "app/FillInActions.h"
#include "app/MainContext.h"
#include "modes/SentenceBrowse.h"

namespace kelvaro {

namespace {

class FillInRoom : public ModeRoom
{
public:
    void sentenceShown(MainContext& context) override
    {
        buildFillInWords(context.state);
        refreshFillIn(context);
    }
};

} // namespace

std::unique_ptr<ModeRoom> makeFillInRoom()
{
    return std::make_unique<FillInRoom>();
}

} // namespace kelvaro
