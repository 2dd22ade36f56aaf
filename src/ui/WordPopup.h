#pragma once

#include "Twips.h"

#include "modes/MainState.h"

#include <QFrame>

class QLabel;

namespace kelvaro {

class MainController;
class WordLinkLabel;

/// The floating word popup: headword, the "<词典>" link, pronunciation and
/// meaning, drawn from the state's WordPopupView; the link's press and release go to the
/// controller.
class WordPopup : public QFrame
{
    Q_OBJECT
public:
    WordPopup(const TwipScale& scale, MainController& controller, QWidget* parent = nullptr);

    /// Draws the popup's state: place, size, texts and the link's look.
    void refresh(const WordPopupView& view);

    /// The font the pronunciation is drawn in: "pron", which has the phonetic symbols.
    static QFont pronunciationFont();

protected:
    void paintEvent(QPaintEvent* event) override;
    // Clicks on the popup stay with it: they neither reach the views nor move the window.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const TwipScale& m_scale;
    QLabel* m_headword;
    QLabel* m_pronunciation;
    QLabel* m_meaning;
    WordLinkLabel* m_link;
    QLabel* m_openMark; ///< "开放词典" on an open-dictionary entry
};

} // namespace kelvaro
