#include "ReadAfterRoom.h"

#include "app/VoiceComparing.h"

namespace kelvaro {

namespace {

class ReadAfterRoom : public ModeRoom
{
public:
    void sentenceShown(MainContext& context) override { followVoiceSentence(context); }
    // The pictures of the sentence left go at once, and a comparison under way is dropped.
    void sentenceShownElsewhere(MainContext& context) override { followVoiceSentence(context); }
    void enter(MainContext& context) override { followVoiceSentence(context); }
};

} // namespace

std::unique_ptr<ModeRoom> makeReadAfterRoom()
{
    return std::make_unique<ReadAfterRoom>();
}

} // namespace kelvaro
