#pragma once

#include "MainContext.h"

#include "ports/ImportDialog.h"
#include "ports/ImportRunner.h"

#include <QObject>
#include <QStringList>

namespace kelvaro {

/// The learner's own material in the window: the import dialog (from the tree's menu or files
/// dropped on the window) and renaming or removing a lesson of an own book.
class OwnMaterialController : public QObject, public ImportDialogHandler
{
    Q_OBJECT
public:
    OwnMaterialController(MainContext& context, ImportDialog& dialog, ImportRunner& runner,
                          QObject* parent = nullptr);

    /// The book the import dialog proposes: the book of the last import, else the own book of
    /// the lesson open, else the newest own book, else "我的课本".
    QString defaultBook() const;

    // ImportDialogHandler
    void recordingChosen(const ImportForm& form) override;
    void transcriptChosen(const ImportForm& form) override;
    void importPressed(const ImportForm& form) override;
    void cancelPressed() override;

public slots:
    /// "导入课程…" (no files) or files dropped on the window: the import dialog, prefilled.
    void importRequested(const QStringList& files);
    /// "重命名课程…" on tree node; nothing for a node that is not a lesson of an own book.
    void renameRequested(int node);
    /// "删除课程…" on tree node, after asking; nothing for a node that is not an own lesson.
    void removeRequested(int node);

signals:
    /// The state changed; the widgets draw it again.
    void changed();

private:
    void importFinished(const ImportJob& job, const ImportOutcome& outcome);
    /// The library read again, with the open and the previous lesson's nodes following their
    /// lessons.
    void reloadLibrary();
    QStringList ownBooks() const;

    MainContext& m_context;
    ImportDialog& m_dialog;
    ImportRunner& m_runner;
    QString m_lastBook;
};

} // namespace kelvaro
