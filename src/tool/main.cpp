// kelvaro-tool: inspect and check a program folder's content files.
#include "Commands.h"
#include "ToolIo.h"

#include <QCoreApplication>

#include <functional>
#include <map>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    using namespace kelvaro::tool;
    const std::map<QString, std::function<int(const QStringList&)>> commands = {
        {QStringLiteral("text"), textCommand},         {QStringLiteral("write"), writeCommand},
        {QStringLiteral("lesson"), lessonCommand},     {QStringLiteral("lookup"), lookupCommand},
        {QStringLiteral("settings"), settingsCommand}, {QStringLiteral("check"), checkCommand},
        {QStringLiteral("segment"), segmentCommand},
    };
    QStringList args = app.arguments().mid(1);
    const auto command = args.isEmpty() ? commands.end() : commands.find(args.front());
    if (command == commands.end()) {
        writeErr(QStringLiteral(
            "usage: kelvaro-tool COMMAND ARGS\n"
            "  text FILE                  the text as the player reads it (UTF-8)\n"
            "  write FILE                 UTF-8 text from standard input, written as the player "
            "writes\n"
            "  lesson FILE                the lesson model as JSON\n"
            "  lookup DICTIONARY WORD     a word as the word popup shows it, as JSON\n"
            "  settings FILE              the 33 settings values as JSON\n"
            "  check FOLDER               check a whole program folder\n"
            "  segment AUDIO START END OUT.wav\n"
            "                             what the player plays for START..END (seconds), as wav"));
        return kUsage;
    }
    args.removeFirst();
    return command->second(args);
}
