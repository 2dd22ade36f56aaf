#pragma once

// Fixed places of the elements inside the panels, in twips at the window's normal size.
// The rules of the views (gaps, wrap margins) are in the views' own code.
namespace kelvaro::layout {

inline constexpr int kTitleStripHeight = 600;
inline constexpr int kNormalWindowWidth = 12000;
inline constexpr int kNormalWindowHeight = 8550;

// The library tree and the panel area of the normal window.
inline constexpr int kTreeLeft = 150;
inline constexpr int kTreeTop = 1110;
inline constexpr int kTreeWidth = 2340;
inline constexpr int kPanelLeft = 2580;
inline constexpr int kPanelTop = 1110;
inline constexpr int kNormalPanelWidth = 9270;
inline constexpr int kNormalPanelHeight = 7290;
inline constexpr int kTabsTop = 660;
inline constexpr int kTabHeight = 450;

// The text viewport of the browse and full-text pages inside its panel.
inline constexpr int kViewportLeft = 150;
inline constexpr int kViewportTop = 600;
inline constexpr int kNormalViewportWidth = 8940;
inline constexpr int kViewportBottomGap = 685; ///< from the viewport's bottom to the panel's bottom
inline constexpr int kScrollButtonHeight = 255;

// Sentence browse: where the first word label stands.
inline constexpr int kSenWordLeft = 450;
inline constexpr int kSenWordTop = 1050;

// Translation page: the template column of numbers, speaker icons and English lines.
inline constexpr int kSenNumLeft = 150;
inline constexpr int kHornLeft = 600;
inline constexpr int kEnglishLeft = 960;
inline constexpr int kTranslationFirstTop = 60;

} // namespace kelvaro::layout
