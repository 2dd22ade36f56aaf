#pragma once

#include "Twips.h"

#include "modes/WordCueCard.h"

#include <QFrame>

namespace kelvaro {

/// The word hint card (WordCuePicture): five lines of a caption and a value, drawn from the
/// state's WordCueCard; a click on a line is reported with the line.
class WordCuePicture : public QFrame
{
    Q_OBJECT
public:
    explicit WordCuePicture(const TwipScale& scale, QWidget* parent = nullptr);

    /// Draws the card's state: place, visibility and the five values.
    void refresh(const WordCueCard& card);

    /// The line under a point of the card; -1 when none.
    int lineAt(const QPoint& point) const;

signals:
    void lineClicked(kelvaro::CueLine line);

protected:
    void paintEvent(QPaintEvent* event) override;
    // Clicks on the card stay with it: they never reach the panel below.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const TwipScale& m_scale;
    WordCueCard m_card;
};

} // namespace kelvaro
