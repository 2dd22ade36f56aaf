#include "DictationRoom.h"

#include "app/Dictation.h"
#include "app/MainContext.h"
#include "modes/SentenceBrowse.h"

namespace kelvaro {

namespace {

class DictationRoom : public ModeRoom
{
public:
    void sentenceShown(MainContext& context) override
    {
        buildDictationWords(context.state);
        showDictationSentence(context);
    }
    void enter(MainContext& context) override
    {
        if (context.state.ModeIndex == Mode::DictationTest)
            resetDictationSentence(context);
    }
};

} // namespace

std::unique_ptr<ModeRoom> makeDictationRoom()
{
    return std::make_unique<DictationRoom>();
}

} // namespace kelvaro
