#include "app/CommandLine.h"

#include <gtest/gtest.h>

using namespace kelvaro;

TEST(CommandLine, ReadsTheFolderHelpAndVersion)
{
    using Action = PlayerCommandLine::Action;
    struct Case
    {
        QStringList args;
        Action action;
        QString folder;
        QString messageMentions;
    };
    const Case cases[] = {
        {{}, Action::Run, {}, {}},
        {{"--folder", "/media/course"}, Action::Run, "/media/course", {}},
        {{"--folder=/media/my course"}, Action::Run, "/media/my course", {}},
        {{"--folder", "a", "--folder", "a"}, Action::Run, "a", {}},
        {{"--help"}, Action::Help, {}, {}},
        {{"-h"}, Action::Help, {}, {}},
        {{"--version"}, Action::Version, {}, {}},
        {{"-v"}, Action::Version, {}, {}},
        // Help wins over a faulty line, as people add it to find what went wrong.
        {{"--bogus", "--help"}, Action::Help, {}, {}},
        {{"--folder"}, Action::UsageError, {}, "needs a folder"},
        {{"--folder="}, Action::UsageError, {}, "needs a folder"},
        {{"--folder", "a", "--folder", "b"}, Action::UsageError, "a", "twice"},
        {{"--bogus"}, Action::UsageError, {}, "--bogus"},
        {{"course"}, Action::UsageError, {}, "\"course\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const PlayerCommandLine line = parsePlayerArguments(c.args);
        EXPECT_EQ(line.action, c.action);
        EXPECT_EQ(line.folder, c.folder);
        EXPECT_TRUE(line.message.contains(c.messageMentions)) << line.message.toStdString();
    }
}
