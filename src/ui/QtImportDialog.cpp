#include "QtImportDialog.h"

#include "app/ImportChoices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvaro {

namespace {

QString nameFilter(const QString& label, const QStringList& suffixes)
{
    QStringList patterns;
    for (const QString& suffix : suffixes)
        patterns << QStringLiteral("*.") + suffix;
    return QStringLiteral("%1 (%2)").arg(label, patterns.join(u' '));
}

QWidget* fileRow(QLineEdit* edit, QPushButton* browse, QWidget* parent)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit, 1);
    layout->addWidget(browse);
    return row;
}

} // namespace

QtImportDialog::QtImportDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ImportDialog"));
    setWindowTitle(QStringLiteral("导入课程"));
    setModal(true);
    setMinimumWidth(460);

    m_recording = new QLineEdit(this);
    m_recording->setObjectName(QStringLiteral("ImportRecordingEdit"));
    m_recordingBrowse = new QPushButton(QStringLiteral("浏览…"), this);
    m_recordingBrowse->setObjectName(QStringLiteral("ImportRecordingBrowse"));
    m_recordingBrowse->setAutoDefault(false);
    m_transcript = new QLineEdit(this);
    m_transcript->setObjectName(QStringLiteral("ImportTranscriptEdit"));
    m_transcriptBrowse = new QPushButton(QStringLiteral("浏览…"), this);
    m_transcriptBrowse->setObjectName(QStringLiteral("ImportTranscriptBrowse"));
    m_transcriptBrowse->setAutoDefault(false);
    m_book = new QComboBox(this);
    m_book->setObjectName(QStringLiteral("ImportBookBox"));
    m_book->setEditable(true);
    m_book->setInsertPolicy(QComboBox::NoInsert);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("ImportNameEdit"));
    m_align = new QCheckBox(QStringLiteral("按录音校准时间"), this);
    m_align->setObjectName(QStringLiteral("ImportAlignCheck"));
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("ImportProblem"));
    m_problem->setWordWrap(true);
    m_problem->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_problem->setStyleSheet(QStringLiteral("color: #b3261e;"));
    m_problem->hide();
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ImportProgress"));
    m_progress->setRange(0, 100);
    m_progress->hide();
    m_import = new QPushButton(QStringLiteral("导入"), this);
    m_import->setObjectName(QStringLiteral("ImportButton"));
    m_import->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("取消"), this);
    m_cancel->setObjectName(QStringLiteral("ImportCancelButton"));
    m_cancel->setAutoDefault(false);

    auto* entries = new QFormLayout;
    entries->addRow(QStringLiteral("录音："), fileRow(m_recording, m_recordingBrowse, this));
    entries->addRow(QStringLiteral("字幕："), fileRow(m_transcript, m_transcriptBrowse, this));
    entries->addRow(QStringLiteral("课本："), m_book);
    entries->addRow(QStringLiteral("课名："), m_name);
    entries->addRow(QString(), m_align);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_import);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(entries);
    layout->addWidget(m_problem);
    layout->addWidget(m_progress);
    layout->addLayout(buttons);

    connect(m_recordingBrowse, &QPushButton::clicked, this, &QtImportDialog::browseRecording);
    connect(m_transcriptBrowse, &QPushButton::clicked, this, &QtImportDialog::browseTranscript);
    connect(m_recording, &QLineEdit::editingFinished, this, &QtImportDialog::recordingEdited);
    connect(m_transcript, &QLineEdit::editingFinished, this, &QtImportDialog::transcriptEdited);
    connect(m_import, &QPushButton::clicked, this, [this] {
        if (m_handler && !m_running)
            m_handler->importPressed(form());
    });
    connect(m_cancel, &QPushButton::clicked, this, &QtImportDialog::cancelClicked);
}

void QtImportDialog::open(const ImportForm& form, const QStringList& books,
                          ImportDialogHandler& handler)
{
    prepare(form, books, handler);
    exec();
    m_handler = nullptr;
}

void QtImportDialog::prepare(const ImportForm& form, const QStringList& books,
                             ImportDialogHandler& handler)
{
    m_handler = &handler;
    m_book->clear();
    m_book->addItems(books);
    showRunning(false);
    showProblem(QString());
    fill(form);
    m_import->setFocus();
}

void QtImportDialog::fill(const ImportForm& form)
{
    m_recording->setText(form.recording);
    m_transcript->setText(form.transcript);
    m_shownRecording = form.recording;
    m_shownTranscript = form.transcript;
    m_book->setCurrentText(form.book);
    m_name->setText(form.name);
    m_alignLocked = form.alignLocked;
    m_align->setChecked(form.align);
    m_align->setEnabled(!m_alignLocked && !m_running);
}

ImportForm QtImportDialog::form() const
{
    return {m_recording->text().trimmed(), m_transcript->text().trimmed(),
            m_book->currentText(),         m_name->text(),
            m_align->isChecked(),          m_alignLocked};
}

void QtImportDialog::showRunning(bool running)
{
    m_running = running;
    for (QWidget* entry :
         {static_cast<QWidget*>(m_recording), static_cast<QWidget*>(m_transcript),
          static_cast<QWidget*>(m_book), static_cast<QWidget*>(m_name),
          static_cast<QWidget*>(m_recordingBrowse), static_cast<QWidget*>(m_transcriptBrowse),
          static_cast<QWidget*>(m_import)})
        entry->setEnabled(!running);
    m_align->setEnabled(!running && !m_alignLocked);
    m_progress->setVisible(running);
    adjustSize();
    if (running)
        m_cancel->setFocus();
}

void QtImportDialog::showProgress(int percent)
{
    m_progress->setValue(percent);
}

void QtImportDialog::showProblem(const QString& message)
{
    m_problem->setText(message);
    m_problem->setVisible(!message.isEmpty());
    adjustSize(); // the entries keep their height under a message of several lines
}

void QtImportDialog::close()
{
    m_running = false;
    accept();
}

void QtImportDialog::reject()
{
    if (m_running && m_handler)
        m_handler->cancelPressed();
    m_running = false;
    QDialog::reject();
}

void QtImportDialog::cancelClicked()
{
    if (m_running) {
        if (m_handler)
            m_handler->cancelPressed();
        return;
    }
    QDialog::reject();
}

void QtImportDialog::browseRecording()
{
    const QString chosen = QFileDialog::getOpenFileName(
        this, QStringLiteral("选择录音"), QFileInfo(m_recording->text()).path(),
        nameFilter(QStringLiteral("录音或视频"), recordingSuffixes()) + QStringLiteral(";;") +
            QStringLiteral("所有文件 (*)"));
    if (chosen.isEmpty())
        return;
    m_recording->setText(chosen);
    recordingEdited();
}

void QtImportDialog::browseTranscript()
{
    const QString start =
        m_transcript->text().isEmpty() ? m_recording->text() : m_transcript->text();
    const QString chosen = QFileDialog::getOpenFileName(
        this, QStringLiteral("选择字幕"), QFileInfo(start).path(),
        nameFilter(QStringLiteral("字幕或文本"), transcriptSuffixes()) + QStringLiteral(";;") +
            QStringLiteral("所有文件 (*)"));
    if (chosen.isEmpty())
        return;
    m_transcript->setText(chosen);
    transcriptEdited();
}

void QtImportDialog::recordingEdited()
{
    ImportForm entries = form();
    if (entries.recording == m_shownRecording || !m_handler)
        return;
    m_shownRecording = entries.recording;
    m_handler->recordingChosen(entries);
}

void QtImportDialog::transcriptEdited()
{
    ImportForm entries = form();
    if (entries.transcript == m_shownTranscript || !m_handler)
        return;
    m_shownTranscript = entries.transcript;
    m_handler->transcriptChosen(entries);
}

} // namespace kelvaro
