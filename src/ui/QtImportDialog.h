#pragma once

#include "ports/ImportDialog.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace kelvaro {

/// The import dialog: recording, transcript, book, lesson name and aligning; during a run a
/// progress bar and "取消". It turns the learner's steps into the handler's calls.
class QtImportDialog : public QDialog, public ImportDialog
{
    Q_OBJECT
public:
    explicit QtImportDialog(QWidget* parent = nullptr);

    /// Fills the dialog and shows it modally until it closes.
    void open(const ImportForm& form, const QStringList& books,
              ImportDialogHandler& handler) override;
    /// Fills the dialog and makes handler its listener, without showing it.
    void prepare(const ImportForm& form, const QStringList& books, ImportDialogHandler& handler);
    void fill(const ImportForm& form) override;
    void showRunning(bool running) override;
    void showProgress(int percent) override;
    void showProblem(const QString& message) override;
    void close() override;

    /// The entries as shown.
    ImportForm form() const;

public slots:
    /// Esc or the window's close: a run under way is cancelled first.
    void reject() override;

private:
    void browseRecording();
    void browseTranscript();
    void recordingEdited();
    void transcriptEdited();
    void cancelClicked();

    QLineEdit* m_recording;
    QLineEdit* m_transcript;
    QComboBox* m_book;
    QLineEdit* m_name;
    QCheckBox* m_align;
    QLabel* m_problem;
    QProgressBar* m_progress;
    QPushButton* m_recordingBrowse;
    QPushButton* m_transcriptBrowse;
    QPushButton* m_import;
    QPushButton* m_cancel;
    ImportDialogHandler* m_handler = nullptr;
    QString m_shownRecording;
    QString m_shownTranscript;
    bool m_running = false;
    bool m_alignLocked = false;
};

} // namespace kelvaro
