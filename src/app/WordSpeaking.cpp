#include "WordSpeaking.h"

#include <QFileInfo>

namespace kelvaro {

void readWord(MainContext& context)
{
    context.timers.wordDelayTimer->setEnabled(true);
}

void speakPendingWord(MainContext& context)
{
    context.timers.wordDelayTimer->setEnabled(false);
    const QString word = context.state.wordPopup.WordEnglishTextLabel;
    if (word.isEmpty())
        return;
    // A new word replaces the one still sounding; a missing recording is simply not heard.
    MediaPlayer& player = context.ports.wordPlayer;
    QString file = context.state.folder.wordRecording(word);
    // A word the folder has no recording of is spoken by the open voice, where there is one.
    if (!QFileInfo(file).isFile()) {
        const QString spoken = context.openWords.recordingFor(word);
        if (!spoken.isEmpty())
            file = spoken;
    }
    player.setFile(file);
    player.play();
    player.setPosition(0);
}

void installWordTimer(MainContext& context)
{
    context.timers.wordDelayTimer->setInterval(10);
    context.timers.wordDelayTimer->setHandler([&context] { speakPendingWord(context); });
}

} // namespace kelvaro
