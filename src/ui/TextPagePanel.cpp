#include "TextPagePanel.h"

#include "ElementCanvas.h"
#include "OptionMenus.h"
#include "PanelParts.h"
#include "Theme.h"

#include "app/MainController.h"
#include "app/RepeatScheduler.h"

#include <QCursor>
#include <QMenu>

namespace kelvaro {

namespace {

// The full-text options ("全文模式设置"): key-word help and colour, counts and pauses.
QMenu* buildFullTextMenu(const MainState& state, MainController& controller, QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("AllModeSet"));
    menu->setTitle(QStringLiteral("全文模式设置"));
    QAction* help = menu->addAction(QStringLiteral("添加/取消重点词"));
    help->setObjectName(QStringLiteral("SetKeyWord"));
    QObject::connect(help, &QAction::triggered, &controller, &MainController::showKeyWordHelp);
    QAction* colour = menu->addAction(QStringLiteral("设置重点词颜色"));
    colour->setObjectName(QStringLiteral("KeyWordColor"));
    QObject::connect(colour, &QAction::triggered, &controller,
                     &MainController::chooseKeyWordColour);
    menu->addSeparator();
    addRepeatFamilyMenus(menu, *repeatFamily(kFullTextMode), state, controller);
    return menu;
}

} // namespace

TextPagePanel::TextPagePanel(Page page, const TwipScale& scale, MainController& controller,
                             QWidget* parent)
    : ModePanel(page == Page::FullText ? QStringLiteral("AllWordModePicture")
                                       : QStringLiteral("TextModePicture"),
                scale, controller, parent),
      m_page(page)
{
    m_frame = new QFrame(this);
    m_frame->setProperty("class", QStringLiteral("Page"));
    m_frame->setObjectName(page == Page::FullText ? QStringLiteral("AllWordTextPicture")
                                                  : QStringLiteral("TextPicture"));
    m_canvas = new ElementCanvas(scale, m_frame);
    m_canvas->setObjectName(page == Page::FullText ? QStringLiteral("AllWordMainPicture")
                                                   : QStringLiteral("MainPicture"));
    m_canvas->setFocusPolicy(Qt::StrongFocus);
    m_scrollColumn = new ScrollColumn(scale, this);

    const bool full = (page == Page::FullText);
    auto scrollBy = [this, &controller, full](int steps) {
        full ? controller.scrollFullText(steps) : controller.scrollTranslation(steps);
    };
    connect(m_scrollColumn, &ScrollColumn::upClicked, this, [scrollBy] { scrollBy(-1); });
    connect(m_scrollColumn, &ScrollColumn::downClicked, this, [scrollBy] { scrollBy(1); });
    connect(m_canvas, &ElementCanvas::wheelScrolled, this,
            [scrollBy](int steps) { scrollBy(steps); });
    connect(
        m_canvas, &ElementCanvas::elementReleased, this,
        [&controller, full](int layer, int index, Qt::MouseButton button, Qt::KeyboardModifiers) {
            // The right button looks a full-text word up (and with Ctrl marks it).
            if (full && layer == 0 && button == Qt::RightButton)
                controller.fullTextCellRightReleased(index);
            if (button != Qt::LeftButton)
                return;
            if (full && layer == 0)
                controller.fullTextCellReleased(index);
            else if (layer == 1 && full)
                controller.sentenceSpeakerClicked(index);
            else if (layer == 1)
                controller.speakerReleased(index);
            else if (!full)
                controller.translationLineClicked(index);
        });

    connect(m_canvas, &ElementCanvas::elementPressed, this,
            [&controller, full](int layer, int index, Qt::MouseButton button) {
                if (!full && layer == 1 && button == Qt::LeftButton)
                    controller.speakerPressed(index);
            });
    connect(m_canvas, &ElementCanvas::pressCancelled, this, [&controller, full](int layer, int) {
        if (!full && layer == 1)
            controller.speakerPressCancelled();
    });
    connect(m_canvas, &ElementCanvas::pointerMoved, this, [&controller, full] {
        controller.pointerMovedOver(full ? PointerArea::FullTextPage
                                         : PointerArea::TranslationPage);
    });
    connect(m_canvas, &ElementCanvas::backgroundClicked, &controller,
            &MainController::hideWordPopup);

    if (full) {
        makeSettingsButton(
            QStringLiteral("AllSetImage"), QStringLiteral("全文模式设置"), m_scale.px(300),
            [this, &controller] { return buildFullTextMenu(controller.state(), controller, this); },
            this);
        m_checkImage = new ClickableLabel(this);
        m_checkImage->setObjectName(QStringLiteral("AllChineseCheckImage"));
        m_checkImage->setCursor(Qt::PointingHandCursor);
        m_checkLabel = new ClickableLabel(QStringLiteral("显示中文句子"), this);
        m_checkLabel->setObjectName(QStringLiteral("AllChineseCheckLabel"));
        m_checkLabel->setProperty("class", QStringLiteral("Caption"));
        m_checkLabel->setCursor(Qt::PointingHandCursor);
        connect(m_checkImage, &ClickableLabel::clicked, &controller,
                &MainController::toggleFullTextChinese);
        connect(m_checkLabel, &ClickableLabel::clicked, &controller,
                &MainController::toggleFullTextChinese);
        m_tip = makeLabel(QStringLiteral("TipPicture"), QStringLiteral("Muted"), this);
        m_tip->setText(QStringLiteral("双击英语句子查看译文"));
    }
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

    if (m_page == Page::FullText) {
        const FullTextView& full = state.fullText;
        m_canvas->setLayers({
            {2, &full.AllWordLine, LayerKind::Line, TextFont::FullTextWord, false},
            {0, &full.AllWordTextLabel, LayerKind::Text, TextFont::FullTextWord, true},
            {3, &full.AllChineseLabel, LayerKind::Text, TextFont::FullTextChinese, false},
            {1, &full.AllVoiceImage, LayerKind::Speaker, TextFont::FullTextWord, true},
        });
        const int row = view.frame.bottom() + 150;
        const bool shown = state.options.allChineseCheck == QLatin1String("1");
        m_checkImage->setGeometry(px({view.frame.left, row + 90, 240, 240}));
        m_checkImage->setPixmap(checkPicture(state.folder, shown, m_scale.px(240)));
        m_checkLabel->setGeometry(px({view.frame.left + 300, row, 1800, 420}));
        m_tip->setGeometry(px({view.frame.left + 2300, row, 3000, 420}));
        // AllSetImage stands 3260 twips in from the panel's right edge.
        if (auto* settings = findChild<ClickableLabel*>(QStringLiteral("AllSetImage")))
            settings->setGeometry(px({m_scale.twips(width()) - 3260, row + 60, 300, 300}));
        m_tip->setVisible(full.TipPictureVisible);
    } else {
        const TranslationView& t = state.translation;
        m_canvas->setLayers({
            {4, &t.SenLine, LayerKind::Line, TextFont::TranslationEnglish, false},
            {5, &t.SenNumLabel, LayerKind::Text, TextFont::TranslationEnglish, false},
            {1, &t.HornImage, LayerKind::Speaker, TextFont::TranslationEnglish, true},
            {0, &t.EnglishTextLabel, LayerKind::Text, TextFont::TranslationEnglish, true},
            {6, &t.ChineseTextLabel, LayerKind::Text, TextFont::TranslationChinese, true},
        });
    }
}

} // namespace kelvaro
