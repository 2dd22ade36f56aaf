#include "WindowFixture.h"

#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

using namespace kelvaro;

namespace {

// Files dropped anywhere on the window ask for the import dialog with them.
class FileDropTest : public WindowFixture
{
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        // The dialog itself is modal; the test only listens for the request.
        QObject::disconnect(&window(), &MainWindow::importRequested, nullptr, nullptr);
        QObject::connect(&window(), &MainWindow::importRequested,
                         [this](const QStringList& files) { requests << files; });
        files.setUrls({QUrl::fromLocalFile(QStringLiteral("/m/talk.mp3")),
                       QUrl::fromLocalFile(QStringLiteral("/m/talk.lrc"))});
    }

    // A drag of data entering target and dropped there; whether the drag was taken.
    bool dropOn(QWidget* target, const QMimeData& data)
    {
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        QCoreApplication::processEvents();
        return enter.isAccepted();
    }

    QMimeData files;
    QVector<QStringList> requests;
};

} // namespace

TEST_F(FileDropTest, DroppedFilesReachTheImportEvenOverATextBox)
{
    EXPECT_TRUE(dropOn(&window(), files));
    // A text box would take the names as text: the window takes the files first.
    auto* box = window().findChild<QLineEdit*>();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(dropOn(box, files));
    EXPECT_TRUE(box->text().isEmpty());
    ASSERT_EQ(requests.size(), 2);
    for (const QStringList& request : requests)
        EXPECT_EQ(request,
                  (QStringList{QStringLiteral("/m/talk.mp3"), QStringLiteral("/m/talk.lrc")}));

    // Plain text is not a file.
    QMimeData text;
    text.setText(QStringLiteral("hello"));
    EXPECT_FALSE(dropOn(&window(), text));
    EXPECT_EQ(requests.size(), 2);
}
