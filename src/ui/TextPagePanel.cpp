#include "TextPagePanel.h"

#include "ElementCanvas.h"
#include "PanelParts.h"
#include "Theme.h"

#include "app/ContinuousReading.h"
#include "app/MainController.h"
#include "app/RepeatScheduler.h"

namespace kelvaro {

namespace {

// Layer ids of the canvases, reported with the clicks.
enum PageLayer {
    kWordOrEnglishLayer = 0, ///< full-text cells, translation English lines
    kSpeakerLayer = 1,
    kUnderlineLayer = 2,
    kFullChineseLayer = 3,
    kSenLineLayer = 4,
    kNumberLayer = 5,
    kChineseLayer = 6,
    kChineseCoverLayer = 7,
};

// The toolbar below the viewport: the buttons stand in from the panel's right edge.
constexpr int kFirstButtonIn = 3260;
constexpr int kSecondButtonIn = 1740;
constexpr int kButtonHeight = 390;

// The full-text options ("全文模式设置"): key-word help and colour, counts and pauses.
std::optional<TranslationSide> sideOf(int layer)
{
    if (layer == kWordOrEnglishLayer)
        return TranslationSide::English;
    if (layer == kChineseLayer || layer == kChineseCoverLayer)
        return TranslationSide::Chinese;
    return std::nullopt;
}

} // namespace

TextPagePanel::TextPagePanel(Page page, const TwipScale& scale, MainController& controller,
                             QWidget* parent)
    : ModePanel(page == Page::FullText ? QStringLiteral("AllWordModePicture")
                                       : QStringLiteral("TextModePicture"),
                scale, controller, parent),
      m_page(page)
{
    const bool full = (page == Page::FullText);
    m_frame = new QFrame(this);
    m_frame->setProperty("class", QStringLiteral("Page"));
    m_frame->setObjectName(full ? QStringLiteral("AllWordTextPicture")
                                : QStringLiteral("TextPicture"));
    m_canvas = new ElementCanvas(scale, m_frame);
    m_canvas->setObjectName(full ? QStringLiteral("AllWordMainPicture")
                                 : QStringLiteral("MainPicture"));
    // Off the page, so it is never seen; a click on the page hands it the keyboard.
    m_keyReceiver = new QWidget(this);
    m_keyReceiver->setObjectName(full ? QStringLiteral("Combo2") : QStringLiteral("Combo1"));
    m_keyReceiver->setFocusPolicy(Qt::StrongFocus);
    m_keyReceiver->setGeometry(-20, -20, 1, 1);
    m_canvas->setFocusPolicy(Qt::ClickFocus);
    m_canvas->setFocusProxy(m_keyReceiver);
    m_scrollColumn = new ScrollColumn(scale, this);

    auto scrollBy = [this, &controller, full](int steps) {
        full ? controller.scrollFullText(steps) : controller.scrollTranslation(steps);
    };
    connect(m_scrollColumn, &ScrollColumn::upClicked, this, [scrollBy] { scrollBy(-1); });
    connect(m_scrollColumn, &ScrollColumn::downClicked, this, [scrollBy] { scrollBy(1); });
    connect(m_scrollColumn, &ScrollColumn::thumbDragged, &controller,
            full ? &MainController::fullTextThumbDragged
                 : &MainController::translationThumbDragged);
    connect(m_canvas, &ElementCanvas::wheelScrolled, this,
            [scrollBy](int steps) { scrollBy(steps); });
    connect(m_canvas, &ElementCanvas::pointerMoved, this, [&controller, full] {
        controller.pointerMovedOver(full ? PointerArea::FullTextPage
                                         : PointerArea::TranslationPage);
    });
    connect(m_canvas, &ElementCanvas::backgroundClicked, &controller,
            &MainController::hideWordPopup);
    if (full)
        connectFullText(controller);
    else
        connectTranslation(controller);
}

void TextPagePanel::connectFullText(MainController& controller)
{
    connect(m_canvas, &ElementCanvas::elementReleased, this,
            [&controller](int layer, int index, Qt::MouseButton button, Qt::KeyboardModifiers) {
                // The right button looks a word up (and with Ctrl marks it).
                if (layer == kWordOrEnglishLayer && button == Qt::RightButton)
                    controller.fullTextCellRightReleased(index);
                if (button != Qt::LeftButton)
                    return;
                if (layer == kWordOrEnglishLayer)
                    controller.fullTextCellReleased(index);
                else if (layer == kSpeakerLayer)
                    controller.sentenceSpeakerClicked(index);
            });
    connect(m_canvas, &ElementCanvas::elementDoubleClicked, this,
            [&controller](int layer, int index) {
                if (layer == kWordOrEnglishLayer)
                    controller.fullTextCellDoubleClicked(index);
            });

    m_settings = makeGear(QStringLiteral("AllSetImage"), QStringLiteral("全文模式设置"),
                          QStringLiteral("AllModeSet"));
    m_chineseToggle = makeCheckToggle(
        QStringLiteral("AllChineseCheckImage"), QStringLiteral("AllChineseCheckLabel"),
        QStringLiteral("显示中文句子"), call(&MainController::toggleFullTextChinese));
    m_tip = makeLabel(QStringLiteral("TipPicture"), QStringLiteral("Muted"), this);
    m_tip->setText(QStringLiteral("双击英语句子查看译文"));
    m_allRead = makeCommand(QStringLiteral("AllReadCommand"), QStringLiteral("全文朗读"), this);
    m_pauseRead = makeCommand(QStringLiteral("PauseReadCommand"), QStringLiteral("暂停朗读"), this);
    m_pauseRead->setEnabled(false);
    // The narrower of the two places: less padding, so the whole caption shows.
    m_pauseRead->setStyleSheet(QStringLiteral("padding: 3px 4px;"));
    connectCommand(m_allRead, controller);
    connectCommand(m_pauseRead, controller);
}

void TextPagePanel::connectTranslation(MainController& controller)
{
    connect(m_canvas, &ElementCanvas::elementPressed, this,
            [&controller](int layer, int index, Qt::MouseButton button) {
                if (layer == kSpeakerLayer) {
                    if (button == Qt::LeftButton)
                        controller.speakerPressed(index);
                } else if (const auto side = sideOf(layer)) {
                    controller.translationLinePressed(index, *side);
                }
            });
    connect(m_canvas, &ElementCanvas::elementReleased, this,
            [&controller](int layer, int index, Qt::MouseButton button, Qt::KeyboardModifiers) {
                if (layer == kSpeakerLayer) {
                    if (button == Qt::LeftButton)
                        controller.speakerReleased(index);
                } else if (const auto side = sideOf(layer)) {
                    controller.translationLineReleased(index, *side);
                }
            });
    // A speaker icon released away from itself goes back to rest and does nothing.
    connect(m_canvas, &ElementCanvas::pressCancelled, this, [&controller](int layer, int) {
        if (layer == kSpeakerLayer)
            controller.speakerPressCancelled();
    });
    connect(m_canvas, &ElementCanvas::elementDoubleClicked, this,
            [&controller](int layer, int index) {
                if (layer == kWordOrEnglishLayer)
                    controller.translationLineDoubleClicked(index);
            });

    m_hint = makeLabel(QStringLiteral("Label1_8"), QStringLiteral("Muted"), this);
    m_option = makeCommand(QStringLiteral("OptionCommand"), QStringLiteral("设置"), this);
    // Built afresh each time: its check mark follows the reveal mode in force.
    connect(m_option, &QPushButton::clicked, this,
            [this] { popupOptionMenu(QStringLiteral("YL")); });
    m_reset = makeCommand(QStringLiteral("ResetCommand"), QStringLiteral("恢复"), this);
    connectCommand(m_reset, controller);
}

const ScrollView& TextPagePanel::scroll(const MainState& state) const
{
    return m_page == Page::FullText ? state.fullText.scroll : state.translation.scroll;
}

void TextPagePanel::layoutChildren(const TwipRect&) {}

void TextPagePanel::refresh(const MainState& state)
{
    placeTitle(state);
    m_position->setVisible(false);
    const ScrollView& view = scroll(state);
    m_frame->setGeometry(px(view.frame));
    m_canvas->setGeometry(1, 1, m_frame->width() - 2, m_frame->height() - 2);
    m_scrollColumn->setGeometry(
        px({view.frame.right() + 30, view.frame.top, 240, view.frame.height}));
    m_scrollColumn->setThumb(view.thumbTop, view.thumbHeight);
    m_scrollColumn->setVisible(view.scrollControlsVisible);
    m_canvas->setOffset(view.page.left, view.page.top);
    const int row = view.frame.bottom() + 150;
    if (m_page == Page::FullText)
        refreshFullText(state, row);
    else
        refreshTranslation(state, row);
}

void TextPagePanel::refreshFullText(const MainState& state, int row)
{
    const FullTextView& full = state.fullText;
    m_canvas->setLayers({
        {kUnderlineLayer, &full.AllWordLine, LayerKind::Line, TextFont::FullTextWord, false},
        {kWordOrEnglishLayer, &full.AllWordTextLabel, LayerKind::Text, TextFont::FullTextWord,
         true},
        {kFullChineseLayer, &full.AllChineseLabel, LayerKind::Text, TextFont::FullTextChinese,
         false},
        {kSpeakerLayer, &full.AllVoiceImage, LayerKind::Speaker, TextFont::FullTextWord, true},
    });
    const ScrollView& view = full.scroll;
    const bool shown = state.options.allChineseCheck == FullTextChinese::Shown;
    m_chineseToggle.image->setGeometry(px({view.frame.left, row + 90, 240, 240}));
    m_chineseToggle.image->setPixmap(checkPicture(state.folder, shown, m_scale.px(240)));
    m_chineseToggle.label->setGeometry(px({view.frame.left + 300, row, 1800, 420}));
    m_tip->setGeometry(px({view.frame.left + 2300, row, 3000, 420}));
    m_tip->setVisible(full.TipPictureVisible);

    // AllSetImage and AllReadCommand stand 3260 and 1740 twips in from the panel's right
    // edge; PauseReadCommand between them.
    const int right = m_scale.twips(width());
    m_settings->setGeometry(px({right - kFirstButtonIn, row + 60, 300, 300}));
    m_pauseRead->setGeometry(px({right - kFirstButtonIn + 345, row,
                                 kFirstButtonIn - kSecondButtonIn - 390, kButtonHeight}));
    m_allRead->setGeometry(
        px({right - kSecondButtonIn, row, kSecondButtonIn - 240, kButtonHeight}));
    m_allRead->setText(allReadCaption(state));
    m_pauseRead->setText(pauseReadCaption(state));
    m_pauseRead->setEnabled(full.readingRuns);
}

void TextPagePanel::refreshTranslation(const MainState& state, int row)
{
    const TranslationView& t = state.translation;
    m_canvas->setLayers({
        {kSenLineLayer, &t.SenLine, LayerKind::Line, TextFont::TranslationEnglish, false},
        {kNumberLayer, &t.SenNumLabel, LayerKind::Text, TextFont::TranslationEnglish, false},
        {kSpeakerLayer, &t.HornImage, LayerKind::Speaker, TextFont::TranslationEnglish, true},
        {kWordOrEnglishLayer, &t.EnglishTextLabel, LayerKind::Text, TextFont::TranslationEnglish,
         true},
        {kChineseCoverLayer, &t.ChinesePointLabel, LayerKind::Cover, TextFont::TranslationChinese,
         true},
        {kChineseLayer, &t.ChineseTextLabel, LayerKind::Text, TextFont::TranslationChinese, true},
    });
    const ScrollView& view = t.scroll;
    m_hint->setText(t.hint);
    m_hint->setGeometry(px({view.frame.left, row, 5700, 420}));
    // OptionCommand and ResetCommand take the places of the full text's first two.
    const int right = m_scale.twips(width());
    m_option->setGeometry(
        px({right - kFirstButtonIn, row, kFirstButtonIn - kSecondButtonIn - 150, kButtonHeight}));
    m_reset->setGeometry(px({right - kSecondButtonIn, row, kSecondButtonIn - 240, kButtonHeight}));
}

QWidget* TextPagePanel::focusReceiver(FocusTarget target) const
{
    const FocusTarget mine =
        m_page == Page::FullText ? FocusTarget::FullTextKeys : FocusTarget::TranslationKeys;
    return target == mine ? m_keyReceiver : nullptr;
}

} // namespace kelvaro
