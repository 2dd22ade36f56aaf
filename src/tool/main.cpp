// kelvaro-tool: inspect and check a program folder's content files.
#include "Commands.h"
#include "ToolIo.h"

#include "content/Version.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstring>
#include <functional>
#include <map>
#include <memory>

namespace {

// Only a drawn picture needs the GUI application (for its fonts); it runs on the offscreen
// platform unless told otherwise, so the tool needs no display.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv)
{
    bool picture = false;
    for (int i = 2; i < argc; ++i)
        picture = picture || std::strcmp(argv[i], "--png") == 0;
    if (argc > 1 && std::strcmp(argv[1], "compare") == 0 && picture) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char** argv)
{
    const std::unique_ptr<QCoreApplication> application = makeApplication(argc, argv);
    QCoreApplication& app = *application;
    using namespace kelvaro::tool;
    const std::map<QString, std::function<int(const QStringList&)>> commands = {
        {QStringLiteral("text"), textCommand},         {QStringLiteral("write"), writeCommand},
        {QStringLiteral("lesson"), lessonCommand},     {QStringLiteral("lookup"), lookupCommand},
        {QStringLiteral("settings"), settingsCommand}, {QStringLiteral("check"), checkCommand},
        {QStringLiteral("segment"), segmentCommand},   {QStringLiteral("compare"), compareCommand},
        {QStringLiteral("import"), importCommand},     {QStringLiteral("review"), reviewCommand},
    };
    const QString usage = QStringLiteral(
        "Usage: kelvaro-tool COMMAND ARGS\n"
        "Inspect and check the content files of a Kelvaro Player program folder.\n"
        "\n"
        "Commands:\n"
        "  text FILE                  the text as the player reads it (UTF-8)\n"
        "  write FILE                 UTF-8 text from standard input, written as the player "
        "writes\n"
        "  lesson FILE                the lesson model as JSON\n"
        "  lookup DICTIONARY WORD     a word as the word popup shows it, as JSON\n"
        "  lookup [--folder DIR] [--json] WORD...\n"
        "                             what the folder's dictionary (default: the tool's\n"
        "                             folder), WordNet, CC-CEDICT and espeak-ng answer\n"
        "  settings FILE              the 33 settings values as JSON\n"
        "  check FOLDER               check a whole program folder\n"
        "  segment AUDIO START END OUT.wav [--speed SPEED]\n"
        "                             what the player plays for START..END (seconds), as wav;\n"
        "                             --speed 0.5 to 1.5: at that speed, the same pitch\n"
        "  compare AUDIO START END TAKE.wav [--png OUT.png] [--json]\n"
        "                             a take set against the reading of START..END: score,\n"
        "                             advice, timing and pitch; --json with every frame,\n"
        "                             --png the picture as the read-after panel draws it\n"
        "  import --folder DIR --book TITLE [--name LESSON_NAME] [--align] [--json]\n"
        "         [--progress] AUDIO TRANSCRIPT\n"
        "                             a recording (mp3, or audio or video FFmpeg reads) and\n"
        "                             its LRC, SRT, VTT or plain-text transcript become the\n"
        "                             next lesson of the learner's own book TITLE; plain text\n"
        "                             is aligned with the recording, --align refines a timed\n"
        "                             transcript's times too; prints the lesson number,\n"
        "                             --json the lesson, --progress \"progress N\" on stderr\n"
        "  review --folder DIR [--json] [--today YYYY-MM-DD]\n"
        "                             the learner's review of a day: the sentences due, the\n"
        "                             words missed with their wrong forms, the misspelling\n"
        "                             patterns, the last 30 days\n"
        "\n"
        "Options:\n"
        "  -h, --help                 show this help and exit\n"
        "  -v, --version              show the version and exit\n"
        "\n"
        "Exit codes: 0 success, 1 refused input or word not found, 2 usage.");
    QStringList args = app.arguments().mid(1);
    if (args.size() == 1 &&
        (args.front() == QLatin1String("-h") || args.front() == QLatin1String("--help"))) {
        writeOut(usage + QLatin1Char('\n'));
        return kOk;
    }
    if (args.size() == 1 &&
        (args.front() == QLatin1String("-v") || args.front() == QLatin1String("--version"))) {
        writeOut(QStringLiteral("kelvaro-tool ") + kelvaro::kelvaroVersion() + QLatin1Char('\n'));
        return kOk;
    }
    const auto command = args.isEmpty() ? commands.end() : commands.find(args.front());
    if (command == commands.end()) {
        writeErr(usage);
        return kUsage;
    }
    args.removeFirst();
    return command->second(args);
}
