#pragma once

#include <QString>
#include <QStringList>

namespace kelvaro {

/// The entries of the import dialog.
struct ImportForm
{
    QString recording;
    QString transcript;
    QString book;
    QString name;
    bool align = false;       ///< "按录音校准时间"
    bool alignLocked = false; ///< align is implied by the transcript: shown checked, disabled
};

/// What the learner does in the import dialog; the controller answers through ImportDialog.
class ImportDialogHandler
{
public:
    virtual ~ImportDialogHandler() = default;
    /// Another recording chosen; form holds every entry as shown, with the new recording.
    virtual void recordingChosen(const ImportForm& form) = 0;
    /// Another transcript chosen; form holds every entry as shown, with the new transcript.
    virtual void transcriptChosen(const ImportForm& form) = 0;
    /// "导入" (or Enter) with the entries as shown.
    virtual void importPressed(const ImportForm& form) = 0;
    /// "取消" or Esc while an import runs.
    virtual void cancelPressed() = 0;
};

/// The modal import dialog. Real: a widget over the main window. Fake: records what it shows.
class ImportDialog
{
public:
    virtual ~ImportDialog() = default;
    /// Shows the dialog with form and books (the own books, offered for the book entry) and
    /// reports to handler until it closes; the real one returns when it has closed.
    virtual void open(const ImportForm& form, const QStringList& books,
                      ImportDialogHandler& handler) = 0;
    /// Replaces every entry.
    virtual void fill(const ImportForm& form) = 0;
    /// Running: the progress bar and "取消" instead of the entries' buttons.
    virtual void showRunning(bool running) = 0;
    virtual void showProgress(int percent) = 0;
    /// A Chinese sentence under the entries: why the import cannot go on, or what happened.
    virtual void showProblem(const QString& message) = 0;
    virtual void close() = 0;
};

} // namespace kelvaro
