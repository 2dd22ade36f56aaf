// Measures the time from process start to the first painted main window.
//
//   kelvaro-startup-probe <program folder>            one start: prints its figures, exits
//   kelvaro-startup-probe <program folder> --runs N   N starts as child processes: the wall
//                                                     time of each from spawn to exit, median
//   kelvaro-startup-probe <program folder> --memory   one start, left running for 3 s after
//                                                     the first paint (the dictionary is read
//                                                     by then): resident memory, now and peak
//
// A start runs what the player's main does, then exits at once (no tear-down) when the
// window's first paint has been drawn. Notices go to stderr instead of message boxes, so a
// start never waits for a click.
#include "ports/Dialogs.h"
#include "ui/MainWindow.h"
#include "ui/PlayerApplication.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

double nowMs(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

/// The process start in ms of CLOCK_BOOTTIME, from /proc/self/stat (clock-tick resolution);
/// negative when it cannot be read.
double processStartMs()
{
    FILE* stat = std::fopen("/proc/self/stat", "r");
    if (stat == nullptr)
        return -1;
    char buffer[4096];
    const size_t n = std::fread(buffer, 1, sizeof buffer - 1, stat);
    std::fclose(stat);
    buffer[n] = '\0';
    // Field 2 is the command in parentheses and may hold blanks: count from its end.
    const char* p = std::strrchr(buffer, ')');
    if (p == nullptr)
        return -1;
    unsigned long long start = 0;
    int field = 2;
    for (; *p != '\0' && field < 22; ++p) {
        if (*p == ' ')
            ++field;
    }
    if (std::sscanf(p, "%llu", &start) != 1)
        return -1;
    return double(start) * 1e3 / double(sysconf(_SC_CLK_TCK));
}

class StderrDialogs : public kelvaro::Dialogs
{
public:
    void information(const QString& title, const QString& text) override
    {
        std::fprintf(stderr, "notice: %s %s\n", qPrintable(title), qPrintable(text));
    }
    void warning(const QString& title, const QString& text) override
    {
        std::fprintf(stderr, "warning: %s %s\n", qPrintable(title), qPrintable(text));
    }
    std::optional<int> chooseColour(int) override { return std::nullopt; }
};

/// A "Vm...:" figure of /proc/self/status in MiB; -1 when missing.
double statusMiB(const char* key)
{
    FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr)
        return -1;
    char line[256];
    double kib = -1;
    const size_t keyLength = std::strlen(key);
    while (std::fgets(line, sizeof line, status) != nullptr) {
        if (std::strncmp(line, key, keyLength) == 0) {
            kib = std::atof(line + keyLength);
            break;
        }
    }
    std::fclose(status);
    return kib < 0 ? -1 : kib / 1024.0;
}

/// Ends the process once the watched window's first paint is done.
class FirstPaintExit : public QObject
{
public:
    FirstPaintExit(double mainEntryMs, bool memory) : m_mainEntryMs(mainEntryMs), m_memory(memory)
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Queued: runs after this paint and the flush to the screen.
            QTimer::singleShot(0, this, &FirstPaintExit::report);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void report()
    {
        const double boot = nowMs(CLOCK_BOOTTIME);
        const double start = processStartMs();
        std::printf("first paint: %.1f ms after main, %.0f ms after process start (%s)\n",
                    nowMs(CLOCK_MONOTONIC) - m_mainEntryMs, start >= 0 ? boot - start : -1.0,
                    qPrintable(QGuiApplication::platformName()));
        std::fflush(stdout);
        if (!m_memory)
            std::_Exit(0);
        QTimer::singleShot(3000, [] {
            std::printf("resident memory: %.1f MiB, peak %.1f MiB\n", statusMiB("VmRSS:"),
                        statusMiB("VmHWM:"));
            std::fflush(stdout);
            std::_Exit(0);
        });
    }

    double m_mainEntryMs;
    bool m_memory;
    bool m_seen = false;
};

int startOnce(int argc, char** argv, double mainEntryMs, bool memory)
{
    // KELVARO_PROBE_PHASES=1 prints to stderr when each phase of the start ends.
    const bool phases = qEnvironmentVariableIsSet("KELVARO_PROBE_PHASES");
    auto phase = [&](const char* name) {
        if (phases)
            std::fprintf(stderr, "%7.1f ms  %s\n", nowMs(CLOCK_MONOTONIC) - mainEntryMs, name);
    };
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvaro Player"));
    phase("application");
    StderrDialogs dialogs;
    kelvaro::PlayerApplication player(QString::fromLocal8Bit(argv[1]), &dialogs);
    phase("window built");
    FirstPaintExit probe(mainEntryMs, memory);
    player.window().installEventFilter(&probe);
    if (!player.start()) {
        std::fprintf(stderr, "start-up failed\n");
        return 1;
    }
    phase("started and shown");
    QTimer::singleShot(20000, [] {
        std::fprintf(stderr, "no paint within 20 s\n");
        std::_Exit(2);
    });
    return QApplication::exec();
}

int startMany(char* self, char* folder, int runs)
{
    std::vector<double> walls;
    for (int i = 0; i < runs; ++i) {
        char* args[] = {self, folder, nullptr};
        const double before = nowMs(CLOCK_MONOTONIC);
        pid_t child = 0;
        if (posix_spawn(&child, "/proc/self/exe", nullptr, nullptr, args, environ) != 0) {
            std::perror("posix_spawn");
            return 1;
        }
        int status = 0;
        waitpid(child, &status, 0);
        const double wall = nowMs(CLOCK_MONOTONIC) - before;
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            std::fprintf(stderr, "run %d failed\n", i + 1);
            return 1;
        }
        walls.push_back(wall);
    }
    std::sort(walls.begin(), walls.end());
    const size_t n = walls.size();
    const double median = n % 2 == 1 ? walls[n / 2] : (walls[n / 2 - 1] + walls[n / 2]) / 2;
    std::printf("spawn to exit after the first paint, %zu runs: median %.1f ms, min %.1f ms, "
                "max %.1f ms\n",
                n, median, walls.front(), walls.back());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const double mainEntryMs = nowMs(CLOCK_MONOTONIC);
    if (argc == 4 && std::string(argv[2]) == "--runs")
        return startMany(argv[0], argv[1], std::max(1, std::atoi(argv[3])));
    const bool memory = argc == 3 && std::string(argv[2]) == "--memory";
    if (argc != 2 && !memory) {
        std::fprintf(stderr, "usage: %s <program folder> [--runs N | --memory]\n", argv[0]);
        return 2;
    }
    return startOnce(2, argv, mainEntryMs, memory);
}
