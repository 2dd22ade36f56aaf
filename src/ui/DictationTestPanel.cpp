#include "DictationTestPanel.h"

#include "ElementCanvas.h"
#include "Fonts.h"
#include "PanelParts.h"
#include "Theme.h"

#include "app/MainController.h"
#include "modes/DictationRules.h"
#include "modes/DictationTest.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>

namespace kelvaro {

namespace {

const char* const kCountNames[] = {"WrongCountLabel", "NextCueCountLabel", "WordCueCountLabel",
                                   "SenFractionLabel"};
const char* const kCountCaptions[] = {"错误：", "渐进提示：", "直接提示：", "得分："};

// Image1: a small bar chart, the picture of the dictation results.
QPixmap resultsPicture(int size)
{
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const double unit = size / 10.0;
    const double heights[] = {4, 7, 9};
    const QColor colours[] = {theme::kDoneSoft, theme::kDone, theme::kAccent};
    for (int i = 0; i < 3; ++i) {
        painter.setBrush(colours[i]);
        painter.drawRoundedRect(QRectF(unit * (0.5 + 3.2 * i), size - unit * (heights[i] + 0.5),
                                       unit * 2.6, unit * heights[i]),
                                unit * 0.4, unit * 0.4);
    }
    return picture;
}

} // namespace

DictationTestPanel::DictationTestPanel(const TwipScale& scale, MainController& controller,
                                       QWidget* parent)
    : SentencePanel(QStringLiteral("WriteWordModePicture"), scale, controller, parent)
{
    addCanvas(QStringLiteral("WriteWordCanvas"));
    m_chinese.resize(2);

    m_box = new QLineEdit(this);
    m_box->setObjectName(QStringLiteral("WriteWordText"));
    m_box->setFont(fontFor(TextFont::SentenceWord));
    m_box->setFrame(false);
    m_box->setStyleSheet(QStringLiteral("QLineEdit { background: %1; color: %2;"
                                        " border: 1px solid %3; border-radius: 3px;"
                                        " padding: 0px 1px; selection-background-color: %4; }")
                             .arg(theme::kPage.name(), theme::kText.name(), theme::kAccent.name(),
                                  theme::kWrongLetter.name()));
    m_box->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_box->installEventFilter(this);
    connect(m_box, &QLineEdit::textEdited, &controller, &MainController::dictationTextChanged);

    for (int i = 0; i < 4; ++i) {
        m_countCaptions[i] = makeLabel(QString(), QStringLiteral("Muted"), this);
        m_countCaptions[i]->setText(QString::fromUtf8(kCountCaptions[i]));
        m_countCaptions[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_counts[i] =
            makeLabel(QString::fromLatin1(kCountNames[i]), QStringLiteral("Caption"), this);
    }
    m_counts[3]->setStyleSheet(
        QStringLiteral("font-weight: bold; color: %1;").arg(theme::kAccent.name()));
    m_done = makeLabel(QStringLiteral("WriteDoneCuePicture"), QStringLiteral("Caption"), this);
    m_done->setText(QStringLiteral("✔ 本句已听写完成"));
    m_done->setAlignment(Qt::AlignCenter);
    m_done->setStyleSheet(QStringLiteral("color: %1; background: %2; border-radius: 4px;"
                                         " font-weight: bold;")
                              .arg(theme::kPage.name(), theme::kDone.name()));
    m_progressCaption =
        makeLabel(QStringLiteral("ShowResultsPicture"), QStringLiteral("Muted"), this);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar"));
    m_progress->setTextVisible(false);
    m_progress->setStyleSheet(
        QStringLiteral("QProgressBar { background: %1; border: none; border-radius: 4px; }"
                       "QProgressBar::chunk { background: %2; border-radius: 4px; }")
            .arg(theme::kTrack.name(), theme::kDone.name()));

    // The results icon beside the progress bar.
    m_resultsIcon = new ClickableLabel(QString(), this);
    m_resultsIcon->setObjectName(QStringLiteral("Image1"));
    m_resultsIcon->setPixmap(resultsPicture(m_scale.px(300)));
    m_resultsIcon->setToolTip(QStringLiteral("查看听写成绩"));
    m_resultsIcon->setCursor(Qt::PointingHandCursor);
    connect(m_resultsIcon, &ClickableLabel::clicked, &controller, &MainController::showResults);

    addBottomButtons({{QStringLiteral("WriteBegainCommand"), QStringLiteral("首句"), byCommandTable,
                       EnabledWhen::Sentences},
                      {QStringLiteral("WriteBackCommand"), QStringLiteral("上一句"), byCommandTable,
                       EnabledWhen::BackGroup},
                      {QStringLiteral("WriteNextCommand"), QStringLiteral("下一句"), byCommandTable,
                       EnabledWhen::NextGroup},
                      {QStringLiteral("WriteReadCommand"), QStringLiteral("朗读"), byCommandTable,
                       EnabledWhen::Sentences},
                      {QStringLiteral("WriteRestCommand"), QStringLiteral("重做"), byCommandTable}},
                     960, 90);
    const QList<QPushButton*> hints =
        addBottomButtons({{QStringLiteral("Command2"), QStringLiteral("渐进提示"), byCommandTable},
                          {QStringLiteral("Command3"), QStringLiteral("直接提示"), byCommandTable}},
                         1200, 90, 150);
    m_progressiveHint = hints[0];
    m_directHint = hints[1];

    // The gear, and beside it its caption, which opens the same menu.
    addGear(QStringLiteral("WriteSetImage"), QStringLiteral("听写测试设置"),
            QStringLiteral("WriteSet"), 615, 360 + 900);
    m_settingsLabel = new ClickableLabel(QStringLiteral("设置"), this);
    m_settingsLabel->setObjectName(QStringLiteral("WriteSetLabel"));
    m_settingsLabel->setProperty("class", QStringLiteral("Caption"));
    m_settingsLabel->setCursor(Qt::PointingHandCursor);
    connect(m_settingsLabel, &ClickableLabel::clicked, this,
            [this] { popupOptionMenu(QStringLiteral("WriteSet")); });
    m_help = makeLabel(QStringLiteral("WriteHelpLabel"), QStringLiteral("Muted"), this);
    m_help->setText(QStringLiteral("F5渐进提示，F6直接提示，F7复读"));
}

void DictationTestPanel::layoutControls(const TwipRect& panel, int)
{
    // The score row under the title.
    int left = 450;
    for (int i = 0; i < 4; ++i) {
        const int captionWidth = i == 0 || i == 3 ? 600 : 1000;
        m_countCaptions[i]->setGeometry(px({left, 600, captionWidth, 330}));
        m_counts[i]->setGeometry(px({left + captionWidth + 30, 600, 500, 330}));
        left += captionWidth + 600;
    }
    m_settingsLabel->setGeometry(px({panel.width - 360 - 560, 600, 560, 330}));

    const int bottomRow = panel.height - 600;
    m_done->setGeometry(px({450, bottomRow - 1140, 2400, 360}));
    m_progressCaption->setGeometry(px({450, bottomRow - 660, 2400, 330}));
    // Image1 stands 120 twips right of the bar.
    const TwipRect bar{2900, bottomRow - 600, panel.width - 2900 - 600 - 420, 210};
    m_progress->setGeometry(px(bar));
    m_resultsIcon->setGeometry(px({bar.left + bar.width + 120, bar.top - 45, 300, 300}));
    m_help->setGeometry(px({panel.width - 4200, bottomRow - 1140, 3840, 360}));
    m_help->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void DictationTestPanel::placeBox(const MainState& state)
{
    // The slot as it stands now: a window-mode change lays the words out again.
    const TwipRect geometry = dictationBoxGeometry(state);
    const QRect slot = px(geometry).translated(1, 1);
    // At least the word's slot; wider while the learner types more than it holds.
    const int typed = m_box->fontMetrics().horizontalAdvance(m_box->text()) + 8;
    m_box->setGeometry(slot.left(), slot.top(), qMax(slot.width(), typed), slot.height());
}

void DictationTestPanel::refresh(const MainState& state)
{
    placeTitle(state);
    const SentenceBrowseView& sentence = state.sentence;
    m_chinese[1] = sentence.SenChineseLabel;
    m_chinese[1].foreground = theme::kChineseTextRgb;
    m_chinese[1].geometry.top += kDictationChineseDrop;
    m_chinese[1].visible = state.options.wordChineseCheck;
    // A word's underline stops short of the blank its segment carries, so that the slots of
    // neighbouring words stay apart.
    m_lines = state.dictation.WriteWordLine;
    static const QFontMetricsF metrics(fontFor(TextFont::SentenceWord));
    for (int i = 1; i < m_lines.size() && i < state.dictation.WriteWordLabel.size(); ++i) {
        const QString& caption = state.dictation.WriteWordLabel[i].caption;
        const qsizetype blanks = caption.size() - typedWordForm(caption).size();
        if (blanks > 0)
            m_lines[i].geometry.width -=
                m_scale.twips(metrics.horizontalAdvance(caption.right(blanks)));
    }
    m_canvas->setLayers(
        {{0, &state.dictation.WriteWordLabel, LayerKind::Text, TextFont::SentenceWord},
         {1, &m_lines, LayerKind::Line},
         {2, &m_chinese, LayerKind::Text, TextFont::SentenceChinese}});

    const DictationView& view = state.dictation;
    if (m_boxRevision != view.wordBoxRevision) {
        m_boxRevision = view.wordBoxRevision;
        const QSignalBlocker blocker(m_box);
        m_box->setText(view.WriteWordText);
        if (view.WriteWordTextSelected)
            m_box->selectAll();
    }
    placeBox(state);
    m_box->setVisible(view.WriteWordTextVisible);

    const int counts[] = {view.score.wrongWords, view.score.progressive, view.score.directHints,
                          view.score.score};
    for (int i = 0; i < 4; ++i)
        m_counts[i]->setText(QString::number(counts[i]));
    m_done->setVisible(view.WriteDoneCueVisible);
    m_progressCaption->setText(QStringLiteral("完成：") + state.progressCaption);
    m_progress->setRange(0, qMax(1, state.SentenceCount));
    m_progress->setValue(qMin(state.DictatedCount, qMax(1, state.SentenceCount)));

    refreshNavigation(state);
    const bool word = view.WriteWordTextVisible && view.DictationWordIndex > 0;
    m_progressiveHint->setEnabled(word);
    m_directHint->setEnabled(word);
}

bool DictationTestPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_box && event->type() == QEvent::KeyPress) {
        // After a wrong word the whole word is selected: the next key starts afresh.
        if (m_box->hasSelectedText()) {
            const QSignalBlocker blocker(m_box);
            m_box->clear();
            m_controller.dictationKeyPressed();
        }
    }
    return SentencePanel::eventFilter(watched, event);
}

QWidget* DictationTestPanel::focusReceiver(FocusTarget target) const
{
    return target == FocusTarget::WriteWordText && m_box->isVisible() ? m_box : nullptr;
}

} // namespace kelvaro
