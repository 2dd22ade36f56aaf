#pragma once

#include "KeyCommands.h"
#include "MainContext.h"

#include <QObject>

namespace kelvaro {

/// The window's handlers: each turns one user event into the operations it runs, then
/// tells the widgets to draw the state again.
class MainController : public QObject
{
    Q_OBJECT
public:
    explicit MainController(MainContext& context, QObject* parent = nullptr);

    MainContext& context() { return m_context; }
    const MainState& state() const { return m_context.state; }

    bool startUp();
    Status shutDown();

public slots:
    void treeNodeClicked(int node);
    void tabClicked(int k);
    void firstSentence();
    void previousSentence();
    void nextSentence();
    void readAloud();
    void toggleSentenceChinese();
    void keyPressed(kelvaro::WindowKey key);
    void keyReleased();
    void maximise();
    void restore();
    void startMiniMode();
    /// A left release over full-text cell index: its sentence becomes current and plays.
    void fullTextCellReleased(int index);
    /// A click on the speaker icon of translation line or full-text line s.
    void sentenceSpeakerClicked(int sentence);
    /// A click on translation line s: it becomes the current sentence.
    void translationLineClicked(int sentence);
    // Read-after
    void recordClicked();     ///< "录音"
    void recordStopClicked(); ///< "停止"
    void userVoiceClicked();  ///< "您的读音"
    // Sentence browse menu
    void setRepeatCount(int mode, double count);
    void setRepeatPause(int mode, int milliseconds);
    void setPlayMode(int playMode);
    /// A press and release on a speaker icon of the translation page: the click sounds.
    void speakerPressed();
    void speakerReleased(int sentence);
    /// The full-text page's "显示中文句子" check box.
    void toggleFullTextChinese();
    void scrollTranslation(int steps);
    void scrollFullText(int steps);

signals:
    /// The state changed; the widgets draw it again.
    void changed();

private:
    void done();
    MainContext& m_context;
};

} // namespace kelvaro
