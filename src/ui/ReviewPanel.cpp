#include "ReviewPanel.h"

#include "Fonts.h"
#include "ProgressChart.h"
#include "Theme.h"

#include "app/ReviewController.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

namespace kelvaro {

namespace {

QString sentencePlace(const SentenceRef& ref)
{
    return QStringLiteral("%1 第%2课 第%3句").arg(ref.book, ref.lesson).arg(ref.sentence);
}

QLabel* sectionTitle(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(interfaceFont(10, true));
    label->setStyleSheet(QStringLiteral("color: #2b4c6f;"));
    return label;
}

} // namespace

ReviewPanel::ReviewPanel(ReviewController& controller, QWidget* parent)
    : QWidget(parent), m_controller(controller)
{
    setObjectName(QStringLiteral("ReviewPicture"));
    m_dueTitle = sectionTitle({}, this);
    m_dueTitle->setObjectName(QStringLiteral("ReviewDueLabel"));
    m_dueList = new QListWidget(this);
    m_dueList->setObjectName(QStringLiteral("ReviewDueList"));
    m_start = new QPushButton(QStringLiteral("开始复习"), this);
    m_start->setObjectName(QStringLiteral("ReviewStartCommand"));
    m_wordsTitle = sectionTitle(QStringLiteral("易错词"), this);
    m_words = new QListWidget(this);
    m_words->setObjectName(QStringLiteral("ReviewWordList"));
    m_wordSources = new QLabel(this);
    m_wordSources->setObjectName(QStringLiteral("ReviewWordSources"));
    m_wordSources->setWordWrap(true);
    m_wordSources->setStyleSheet(QStringLiteral("color: #6b7785;"));
    m_drill = new QLineEdit(this);
    m_drill->setObjectName(QStringLiteral("ReviewDrillText"));
    m_drill->setPlaceholderText(QStringLiteral("听音后输入单词，按回车检查"));
    m_hear = new QPushButton(QStringLiteral("听"), this);
    m_hear->setObjectName(QStringLiteral("ReviewHearCommand"));
    m_drillResult = new QLabel(this);
    m_drillResult->setObjectName(QStringLiteral("ReviewDrillResult"));
    m_patternsTitle = sectionTitle(QStringLiteral("错误分析"), this);
    m_patterns = new QLabel(this);
    m_patterns->setObjectName(QStringLiteral("ReviewPatterns"));
    m_patterns->setWordWrap(true);
    m_patterns->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_patterns->setTextFormat(Qt::PlainText);
    m_chart = new ProgressChart(this);
    for (QWidget* w : {static_cast<QWidget*>(m_dueList), static_cast<QWidget*>(m_words),
                       static_cast<QWidget*>(m_drill), static_cast<QWidget*>(m_wordSources),
                       static_cast<QWidget*>(m_patterns), static_cast<QWidget*>(m_drillResult)})
        w->setFont(interfaceFont(9));

    connect(m_start, &QPushButton::clicked, this, [this] { m_controller.startReview(); });
    connect(m_words, &QListWidget::currentRowChanged, this, [this] { wordChosen(); });
    connect(m_hear, &QPushButton::clicked, this, [this] {
        if (QListWidgetItem* item = m_words->currentItem())
            m_controller.hearWord(item->data(Qt::UserRole).toString());
        m_drill->setFocus();
    });
    connect(m_drill, &QLineEdit::returnPressed, this, [this] { checkDrill(); });
    layoutChildren();
}

void ReviewPanel::refresh()
{
    const ReviewSummary& summary = m_controller.summary();
    m_dueTitle->setText(QStringLiteral("今日复习：%1 句到期").arg(summary.dueCount));
    m_dueList->clear();
    for (const DueSentence& due : summary.due) {
        m_dueList->addItem(QStringLiteral("%1  上次 %2")
                               .arg(sentencePlace(due.ref),
                                    due.lastSeen.toString(QStringLiteral("M月d日 hh:mm"))));
    }
    if (summary.dueCount > int(summary.due.size()))
        m_dueList->addItem(QStringLiteral("…… 另有 %1 句，复习时依次出现")
                               .arg(summary.dueCount - int(summary.due.size())));
    m_start->setEnabled(summary.dueCount > 0);

    const QString chosen =
        m_words->currentItem() ? m_words->currentItem()->data(Qt::UserRole).toString() : QString();
    m_words->blockSignals(true);
    m_words->clear();
    for (const MissedWord& word : summary.missedWords) {
        auto* item = new QListWidgetItem(QStringLiteral("%1  错%2次  写成：%3")
                                             .arg(word.word)
                                             .arg(word.misses)
                                             .arg(word.wrongForms.join(QStringLiteral("，"))),
                                         m_words);
        item->setData(Qt::UserRole, word.word);
        if (word.word == chosen)
            m_words->setCurrentItem(item);
    }
    m_words->blockSignals(false);
    wordChosen();

    QStringList patterns;
    int shown = 0;
    for (const PatternCount& pattern : summary.patterns) {
        if (pattern.pattern == SpellingPattern::Other || shown == 3)
            continue;
        ++shown;
        patterns << QStringLiteral("%1. %2（%3次），例：把 %4 写成 %5\n    %6")
                        .arg(shown)
                        .arg(patternName(pattern.pattern))
                        .arg(pattern.count)
                        .arg(pattern.exampleWord, pattern.exampleTyped,
                             patternAdvice(pattern.pattern));
    }
    m_patterns->setText(patterns.isEmpty() ? QStringLiteral("还没有拼写错误的记录。")
                                           : patterns.join(QLatin1Char('\n')));
    m_chart->setDays(summary.days, summary.streak);
}

int ReviewPanel::dueCount() const
{
    return m_controller.summary().dueCount;
}

void ReviewPanel::wordChosen()
{
    const int row = m_words->currentRow();
    const auto& words = m_controller.summary().missedWords;
    const bool any = row >= 0 && row < int(words.size());
    m_drill->setEnabled(any);
    m_hear->setEnabled(any);
    if (!any) {
        m_wordSources->setText(words.empty() ? QStringLiteral("还没有易错词。")
                                             : QStringLiteral("选择一个单词进行练习。"));
        return;
    }
    QStringList places;
    for (const SentenceRef& ref : words[std::size_t(row)].sources)
        places << sentencePlace(ref);
    m_wordSources->setText(QStringLiteral("出自：") + places.join(QStringLiteral("；")));
}

void ReviewPanel::checkDrill()
{
    QListWidgetItem* item = m_words->currentItem();
    if (!item || m_drill->text().trimmed().isEmpty())
        return;
    const QString word = item->data(Qt::UserRole).toString();
    const bool right = m_controller.drillTyped(word, m_drill->text());
    m_drillResult->setText(right ? QStringLiteral("正确！")
                                 : QStringLiteral("不对，正确拼写：%1").arg(word));
    m_drillResult->setStyleSheet(right ? QStringLiteral("color: #3c9a5f;")
                                       : QStringLiteral("color: #d64541;"));
    m_drill->clear();
}

void ReviewPanel::resizeEvent(QResizeEvent*)
{
    layoutChildren();
}

void ReviewPanel::layoutChildren()
{
    // Proportions of the panel, so the page fits the normal and the maximised window alike.
    const int w = width();
    const int h = height();
    const int margin = std::max(6, w / 60);
    const int title = interfaceFont(10, true).pointSize() * 2 + 4;
    const int row = title + 2;
    const int half = (w - 3 * margin) / 2;
    const int right = 2 * margin + half;
    const int chartHeight = h * 30 / 100;
    const int top = margin;
    const int upper = h - chartHeight - 2 * margin - top;

    m_dueTitle->setGeometry(margin, top, half, title);
    const int buttonWidth = std::max(80, half / 3);
    m_start->setGeometry(margin + half - buttonWidth, top - 2, buttonWidth, title + 4);
    m_dueList->setGeometry(margin, top + row, half, upper - row);

    const int wordsHeight = upper * 46 / 100;
    m_wordsTitle->setGeometry(right, top, half, title);
    m_words->setGeometry(right, top + row, half, wordsHeight - row);
    int y = top + wordsHeight + 2;
    m_wordSources->setGeometry(right, y, half, title);
    y += title + 2;
    const int hearWidth = title + 14;
    m_hear->setGeometry(right, y, hearWidth, title + 4);
    m_drill->setGeometry(right + hearWidth + 4, y, half / 2, title + 4);
    m_drillResult->setGeometry(right + hearWidth + 8 + half / 2, y, half - hearWidth - 8 - half / 2,
                               title + 4);
    y += title + 10;
    m_patternsTitle->setGeometry(right, y, half, title);
    y += row;
    m_patterns->setGeometry(right, y, half, top + upper - y);
    m_chart->setGeometry(margin, h - chartHeight - margin, w - 2 * margin, chartHeight);
}

void ReviewPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(theme::kControlBorder);
    p.setBrush(theme::kPanel);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
}

} // namespace kelvaro
