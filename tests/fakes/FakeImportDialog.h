#pragma once

#include "ports/ImportDialog.h"

namespace kelvaro {

/// Records what the import dialog would show; open returns at once, so the test then acts for
/// the learner through handler().
class FakeImportDialog : public ImportDialog
{
public:
    void open(const ImportForm& form, const QStringList& books,
              ImportDialogHandler& handler) override
    {
        m_form = form;
        m_books = books;
        m_handler = &handler;
        m_open = true;
        m_running = false;
        m_problem.clear();
        ++m_opened;
    }
    void fill(const ImportForm& form) override { m_form = form; }
    void showRunning(bool running) override { m_running = running; }
    void showProgress(int percent) override { m_progress = percent; }
    void showProblem(const QString& message) override { m_problem = message; }
    void close() override { m_open = false; }

    const ImportForm& form() const { return m_form; }
    const QStringList& books() const { return m_books; }
    ImportDialogHandler& handler() { return *m_handler; }
    bool isOpen() const { return m_open; }
    int timesOpened() const { return m_opened; }
    bool running() const { return m_running; }
    int progress() const { return m_progress; }
    const QString& problem() const { return m_problem; }

private:
    ImportForm m_form;
    QStringList m_books;
    ImportDialogHandler* m_handler = nullptr;
    bool m_open = false;
    bool m_running = false;
    int m_progress = -1;
    QString m_problem;
    int m_opened = 0;
};

} // namespace kelvaro
