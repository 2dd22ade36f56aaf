#pragma once

#include "MainContext.h"

#include <QObject>

namespace kelvaro {

/// What the compact player shows of the shared state.
struct MiniView
{
    QString title;    ///< the lesson's title
    QString english;  ///< the current sentence as the views show it
    QString chinese;  ///< its translation; empty unless asked for
    QString position; ///< "第3句 / 共12句"
    QString readings; ///< "已读1遍" of the sentence-browse repeat count
    double repeatCount = 0;
    bool playing = false; ///< a reading or the pause after one is under way
    bool canGoBack = false;
    bool canGoOn = false;
};

/// The compact player drawn from the state: chinese says whether the translation is asked for.
MiniView miniView(const MainContext& context, bool chinese);

/// The compact player ("迷你模式"): the same lesson player, repeat scheduler and settings as the
/// full window, read as sentence browse reads, going on from sentence to sentence by itself.
/// The full window's mode is kept aside while it shows and comes back with the full window.
class MiniModeController : public QObject
{
    Q_OBJECT
public:
    explicit MiniModeController(MainContext& context, QObject* parent = nullptr);

    /// Whether the compact player is showing instead of the full window.
    bool isActive() const { return m_active; }
    /// Whether the current sentence's translation is shown under it.
    bool chineseShown() const { return m_chinese; }
    /// What the compact player shows now.
    MiniView view() const { return miniView(m_context, m_chinese); }

public slots:
    /// "迷你模式": every reading stops, sentence browse reads for the compact player.
    void enter();
    /// Back to the full window in the mode it had, at the sentence reached; the reading stops.
    void leave();
    /// Play: the current sentence from its start, its readings and on; pause: all of it stops.
    void playPause();
    void previous(); ///< "上一句", read as the full window's button reads it
    void next();     ///< "下一句"
    void toggleChinese();
    /// The sentence-browse repeat count, shared with the full window's menu.
    void setRepeatCount(double count);

signals:
    /// The compact player takes over: the full window hides.
    void entered();
    /// The full window comes back.
    void left();
    /// The compact player's state changed; it draws it again.
    void changed();

private:
    void done();

    MainContext& m_context;
    bool m_active = false;
    bool m_chinese = false;
    Mode m_fullWindowMode = Mode::FullText;
};

} // namespace kelvaro
