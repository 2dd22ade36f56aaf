#include "WordSpeaking.h"

namespace kelvaro {

void readWord(MainContext& context)
{
    context.timers.Timer1->setEnabled(true);
}

void speakPendingWord(MainContext& context)
{
    context.timers.Timer1->setEnabled(false);
    const QString word = context.state.wordPopup.WordEnglishTextLabel;
    if (word.isEmpty())
        return;
    // A new word replaces the one still sounding; a missing recording is simply not heard.
    MediaPlayer& player = context.ports.wordPlayer;
    player.setFile(context.state.folder.wordRecording(word));
    player.play();
    player.setPosition(0);
}

void installWordTimer(MainContext& context)
{
    context.timers.Timer1->setInterval(10);
    context.timers.Timer1->setHandler([&context] { speakPendingWord(context); });
}

} // namespace kelvaro
