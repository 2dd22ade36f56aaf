#include "FreeSpellingPanel.h"

#include "Fonts.h"
#include "OptionMenus.h"
#include "PanelParts.h"
#include "Theme.h"

#include "app/MainController.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <cmath>

namespace kelvaro {

namespace {

constexpr int kCaptionLeft = 450;
constexpr int kCheckLeft = 1080;
constexpr int kLineLeft = 1500;
constexpr int kFirstLineTop = 1050;

ClickableLabel* makeClickable(const QString& objectName, const QString& styleClass, QWidget* parent)
{
    auto* label = new ClickableLabel(parent);
    label->setObjectName(objectName);
    label->setProperty("class", styleClass);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace

FreeSpellingPanel::FreeSpellingPanel(const TwipScale& scale, MainController& controller,
                                     QWidget* parent)
    : SentencePanel(QStringLiteral("WriteModePicture"), scale, controller, parent)
{
    m_english = makeClickable(QStringLiteral("WriteSenEnglishLabel"), QString(), this);
    m_english->setFont(fontFor(TextFont::TranslationEnglish));
    m_english->setWordWrap(true);
    m_english->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_english->setStyleSheet(QStringLiteral("color: %1;").arg(theme::kText.name()));
    m_chinese = makeClickable(QStringLiteral("WriteSenChineseLabel"), QString(), this);
    m_chinese->setFont(fontFor(TextFont::SentenceChinese));
    m_chinese->setWordWrap(true);
    m_chinese->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_chinese->setStyleSheet(QStringLiteral("color: %1;").arg(theme::kChineseText.name()));
    m_englishCaption = makeClickable(QString(), QStringLiteral("Caption"), this);
    m_englishCaption->setText(QStringLiteral("英文："));
    m_chineseCaption = makeClickable(QString(), QStringLiteral("Caption"), this);
    m_chineseCaption->setText(QStringLiteral("中文："));
    m_englishCheck = makeClickable(QStringLiteral("EnglishCheckImage"), QString(), this);
    m_chineseCheck = makeClickable(QStringLiteral("ChineseCheckImage"), QString(), this);
    m_spellCaption = makeLabel(QString(), QStringLiteral("Caption"), this);
    m_spellCaption->setText(QStringLiteral("拼写："));

    m_box = new QLineEdit(this);
    m_box->setObjectName(QStringLiteral("WriteText"));
    m_box->setFont(fontFor(TextFont::TranslationEnglish));
    m_box->setStyleSheet(QStringLiteral("QLineEdit { background: %1; color: %2;"
                                        " border: 1px solid %3; border-radius: 4px;"
                                        " padding: 1px 6px; selection-background-color: %4; }"
                                        "QLineEdit:focus { border-color: %5; }")
                             .arg(theme::kPage.name(), theme::kText.name(),
                                  theme::kControlBorder.name(), theme::kWrongLetter.name(),
                                  theme::kAccent.name()));
    m_box->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_box->installEventFilter(this);
    connect(m_box, &QLineEdit::textEdited, &controller, &MainController::spellingTextEdited);
    m_checkLabel = makeLabel(QStringLiteral("CheckLabel"), QStringLiteral("Muted"), this);
    m_checkLabel->setText(QStringLiteral("检查(回车)"));

    addBottomButtons({{QStringLiteral("WriteSenBegainCommand"), QStringLiteral("首句"),
                       byCommandTable, EnabledWhen::Sentences},
                      {QStringLiteral("WriteSenBackCommand"), QStringLiteral("上一句"),
                       byCommandTable, EnabledWhen::BackGroup},
                      {QStringLiteral("WriteSenNextCommand"), QStringLiteral("下一句"),
                       byCommandTable, EnabledWhen::NextGroup},
                      {QStringLiteral("WriteSenPlayCommand"), QStringLiteral("朗读"),
                       byCommandTable, EnabledWhen::Sentences}},
                     960, 90);
    addBottomButtons(
        {{QStringLiteral("CueEnglishCommand"), QStringLiteral("F8提示英文"), byCommandTable},
         {QStringLiteral("CueChineseCommand"), QStringLiteral("F9提示中文"), byCommandTable}},
        1380, 90, 150);
    connect(m_english, &ClickableLabel::clicked, &controller, &MainController::englishLineClicked);
    connect(m_chinese, &ClickableLabel::clicked, &controller, &MainController::chineseLineClicked);
    for (ClickableLabel* toggle : {m_englishCheck, m_englishCaption})
        connect(toggle, &ClickableLabel::clicked, &controller,
                &MainController::toggleWriteEnglishCheck);
    for (ClickableLabel* toggle : {m_chineseCheck, m_chineseCaption})
        connect(toggle, &ClickableLabel::clicked, &controller,
                &MainController::toggleWriteChineseCheck);

    addGear(QStringLiteral("PrintSetImage"), QStringLiteral("自由拼写设置"),
            QStringLiteral("PenModeSet"), 615);
    m_help = makeLabel(QStringLiteral("WriteSenHelpLabel"), QStringLiteral("Muted"), this);
    m_help->setText(QStringLiteral("F7复读，F8英文提示，F9中文提示，回车检查"));
}

void FreeSpellingPanel::layoutControls(const TwipRect& panel, int)
{
    m_panel = panel;
    m_help->setGeometry(px({450, panel.height - 600 - 480, panel.width - 900, 360}));
    stackLines();
}

// The lines wrap at the panel's width less 1500 twips and stack 180 twips apart: English,
// Chinese, then the box, each with its caption beside it.
void FreeSpellingPanel::stackLines()
{
    const int width = qMax(1500, m_panel.width - 1500 - 360);
    const int pxWidth = m_scale.px(width);
    int top = kFirstLineTop;
    for (ClickableLabel* line : {m_english, m_chinese}) {
        const int height = qMax(line->fontMetrics().height(), line->heightForWidth(pxWidth));
        line->setGeometry(m_scale.px(kLineLeft), m_scale.px(top), pxWidth, height);
        ClickableLabel* caption = line == m_english ? m_englishCaption : m_chineseCaption;
        ClickableLabel* check = line == m_english ? m_englishCheck : m_chineseCheck;
        caption->setGeometry(px({kCaptionLeft, top, 630, 330}));
        check->setGeometry(px({kCheckLeft, top + 45, 240, 240}));
        top += int(std::lround(height * 1440.0 / (m_scale.px(1440)))) + 180;
    }
    m_spellCaption->setGeometry(px({kCaptionLeft, top + 30, 630, 330}));
    m_box->setGeometry(px({kLineLeft, top, width - 1500, 420}));
    m_checkLabel->setGeometry(px({kLineLeft + width - 1380, top, 1380, 420}));
}

void FreeSpellingPanel::refresh(const MainState& state)
{
    placeTitle(state);
    const DictationView& view = state.dictation;
    m_english->setText(view.WriteSenEnglishLabel);
    m_chinese->setText(view.WriteSenChineseLabel);
    m_englishCheck->setPixmap(
        checkPicture(state.folder, state.options.writeEnglishCheck, m_scale.px(240)));
    m_chineseCheck->setPixmap(
        checkPicture(state.folder, state.options.writeChineseCheck, m_scale.px(240)));
    stackLines();

    if (m_boxRevision != view.writeTextRevision) {
        m_boxRevision = view.writeTextRevision;
        const QSignalBlocker blocker(m_box);
        if (m_box->text() != view.WriteText)
            m_box->setText(view.WriteText);
        if (view.WriteTextSelectStart >= 0)
            m_box->setSelection(view.WriteTextSelectStart, 1);
        else
            m_box->setCursorPosition(int(m_box->text().size()));
    }

    refreshNavigation(state);
}

bool FreeSpellingPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_box && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const bool character =
            key->key() == Qt::Key_Backspace || (!key->text().isEmpty() && key->text()[0].isPrint());
        if (enter || character)
            return m_controller.spellingKeyPressed(enter, m_box->text());
    }
    return SentencePanel::eventFilter(watched, event);
}

QWidget* FreeSpellingPanel::focusReceiver(FocusTarget target) const
{
    return target == FocusTarget::WriteText && m_box->isVisible() ? m_box : nullptr;
}

} // namespace kelvaro
