#include "RecallRoom.h"

#include "app/MainContext.h"
#include "modes/Recall.h"
#include "modes/SentenceBrowse.h"

namespace kelvaro {

namespace {

class RecallRoom : public ModeRoom
{
public:
    void sentenceShown(MainContext& context) override
    {
        buildRecallWords(context.state);
        fillRecallChinese(context.state);
    }
    void enter(MainContext& context) override { resetRecall(context.state); }
};

} // namespace

std::unique_ptr<ModeRoom> makeRecallRoom()
{
    return std::make_unique<RecallRoom>();
}

} // namespace kelvaro
