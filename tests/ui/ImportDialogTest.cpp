#include "ui/QtImportDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

// Records what the dialog reports.
struct RecordingHandler : ImportDialogHandler
{
    void recordingChosen(const ImportForm& form) override { recordings << form.recording; }
    void transcriptChosen(const ImportForm& form) override { transcripts << form.transcript; }
    void importPressed(const ImportForm& form) override { imports << form; }
    void cancelPressed() override { ++cancels; }

    QStringList recordings;
    QStringList transcripts;
    QVector<ImportForm> imports;
    int cancels = 0;
};

class ImportDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form.recording = QStringLiteral("/m/talk.mp3");
        form.transcript = QStringLiteral("/m/talk.lrc");
        form.book = QStringLiteral("Daily Talk");
        form.name = QStringLiteral("talk");
        dialog.prepare(form, {QStringLiteral("Daily Talk"), QStringLiteral("News")}, handler);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        dialog.activateWindow();
    }
    template <typename T> T* child(const char* name)
    {
        return dialog.findChild<T*>(QString::fromLatin1(name));
    }

    ImportForm form;
    RecordingHandler handler;
    QtImportDialog dialog;
};

} // namespace

TEST_F(ImportDialogTest, EnterImportsTheEntriesAsShown)
{
    ASSERT_EQ(child<QComboBox>("ImportBookBox")->count(), 2);
    child<QLineEdit>("ImportNameEdit")->setText(QStringLiteral("第一课"));
    child<QLineEdit>("ImportNameEdit")->setFocus();
    QTest::keyClick(child<QLineEdit>("ImportNameEdit"), Qt::Key_Return);
    ASSERT_EQ(handler.imports.size(), 1);
    EXPECT_EQ(handler.imports[0].recording, form.recording);
    EXPECT_EQ(handler.imports[0].transcript, form.transcript);
    EXPECT_EQ(handler.imports[0].book, QStringLiteral("Daily Talk"));
    EXPECT_EQ(handler.imports[0].name, QStringLiteral("第一课"));
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(ImportDialogTest, ARunShowsProgressAndEscCancelsItAndCloses)
{
    dialog.showRunning(true);
    dialog.showProgress(35);
    EXPECT_FALSE(child<QPushButton>("ImportButton")->isEnabled());
    EXPECT_FALSE(child<QLineEdit>("ImportRecordingEdit")->isEnabled());
    EXPECT_TRUE(child<QProgressBar>("ImportProgress")->isVisible());
    EXPECT_EQ(child<QProgressBar>("ImportProgress")->value(), 35);

    // "取消" stops the run and keeps the dialog; Esc during a run stops it and closes.
    QTest::mouseClick(child<QPushButton>("ImportCancelButton"), Qt::LeftButton);
    EXPECT_EQ(handler.cancels, 1);
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(handler.cancels, 2);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(ImportDialogTest, ARefusalIsShownAndAPlainTranscriptLocksAligning)
{
    dialog.showProblem(QStringLiteral("书名不能为空"));
    EXPECT_TRUE(child<QLabel>("ImportProblem")->isVisible());
    EXPECT_EQ(child<QLabel>("ImportProblem")->text(), QStringLiteral("书名不能为空"));

    QLineEdit* transcript = child<QLineEdit>("ImportTranscriptEdit");
    transcript->setText(QStringLiteral("/m/notes.txt"));
    emit transcript->editingFinished();
    EXPECT_EQ(handler.transcripts, QStringList{QStringLiteral("/m/notes.txt")});
    ImportForm locked = form;
    locked.transcript = QStringLiteral("/m/notes.txt");
    locked.align = locked.alignLocked = true;
    dialog.fill(locked);
    EXPECT_TRUE(child<QCheckBox>("ImportAlignCheck")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("ImportAlignCheck")->isEnabled());
    dialog.showRunning(true);
    dialog.showRunning(false);
    EXPECT_FALSE(child<QCheckBox>("ImportAlignCheck")->isEnabled());
}
