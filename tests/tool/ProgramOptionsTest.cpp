#include "TestFolder.h"
#include "ToolProcess.h"

#include <QProcessEnvironment>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

/// Runs a program the way a terminal without a window system would; platform names Qt's
/// platform for a run that reaches it.
ToolRun runWithoutDisplay(const QString& program, const QStringList& args,
                          const QString& platform = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    if (!platform.isEmpty())
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    process.setProcessEnvironment(environment);
    process.start(program, args);
    if (!process.waitForFinished(60000))
        return {-1, {}, QStringLiteral("the program did not finish")};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

const QString kPlayer = QStringLiteral(KELVARO_PLAYER);
const QString kTool = QStringLiteral(KELVARO_TOOL);

} // namespace

TEST(ProgramOptions, HelpAndVersionGoToStandardOutput)
{
    const QRegularExpression version(QStringLiteral("^kelvaro-(player|tool) \\d+\\.\\d+\\S*\n$"));
    for (const QString& program : {kPlayer, kTool}) {
        SCOPED_TRACE(program.toStdString());
        for (const char* option : {"--help", "-h"}) {
            const ToolRun help = runWithoutDisplay(program, {QLatin1String(option)});
            EXPECT_EQ(help.exitCode, 0);
            EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: kelvaro-")))
                << help.out.toStdString();
            EXPECT_TRUE(help.out.contains(QStringLiteral("--version")));
            EXPECT_TRUE(help.err.isEmpty()) << help.err.toStdString();
        }
        for (const char* option : {"--version", "-v"}) {
            const ToolRun shown = runWithoutDisplay(program, {QLatin1String(option)});
            EXPECT_EQ(shown.exitCode, 0);
            EXPECT_TRUE(version.match(shown.out).hasMatch()) << shown.out.toStdString();
        }
    }
}

TEST(ProgramOptions, AFolderThatIsNoCourseEndsThePlayerWithItsName)
{
    TestFolder noList;
    ASSERT_TRUE(noList.isValid());
    ASSERT_TRUE(noList.remove(QStringLiteral("SETTING/BookList/Kelvaro.dat")));
    struct Case
    {
        QStringList args;
        int exitCode;
        QStringList mentions;
        QString platform; ///< the line is read again once Qt has taken its own options
    };
    const QString gone = noList.root() + QStringLiteral("/gone");
    const Case cases[] = {
        {{QStringLiteral("--folder"), gone}, 1, {gone, QStringLiteral("不存在")}, {}},
        {{QStringLiteral("--folder=") + noList.root()},
         1,
         {noList.root(), QStringLiteral("SETTING/BookList/Kelvaro.dat")},
         {}},
        {{QStringLiteral("--folder")}, 2, {QStringLiteral("--help")}, QStringLiteral("offscreen")},
        {{QStringLiteral("--frobnicate")},
         2,
         {QStringLiteral("--frobnicate")},
         QStringLiteral("offscreen")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const ToolRun run = runWithoutDisplay(kPlayer, c.args, c.platform);
        EXPECT_EQ(run.exitCode, c.exitCode);
        for (const QString& part : c.mentions)
            EXPECT_TRUE(run.err.contains(part)) << run.err.toStdString();
    }
}
