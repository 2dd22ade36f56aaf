#pragma once

#include <QString>

#include <functional>

namespace kelvaro {

/// One lesson to import: a recording and its transcript into an own book.
struct ImportJob
{
    QString folder;     ///< the program folder
    QString book;       ///< an own book, new or existing
    QString name;       ///< the lesson's name
    QString recording;  ///< an audio or video file
    QString transcript; ///< LRC, SubRip, WebVTT or plain text
    bool align = false; ///< the times come from the recording itself
};

/// How an import ended.
struct ImportOutcome
{
    bool imported = false;
    int lesson = 0;  ///< the new lesson's number in its book when imported
    QString message; ///< why it was refused, in Chinese
};

/// Runs imports one at a time without blocking the window. Real: the command-line tool as a
/// child process. Fake: the test reports progress and the end.
class ImportRunner
{
public:
    using Progress = std::function<void(int percent)>;
    using Finished = std::function<void(const ImportOutcome& outcome)>;

    virtual ~ImportRunner() = default;
    /// Starts job and returns at once; progress (0..100) and finished come later, on this
    /// thread. A job already running is cancelled first.
    virtual void start(const ImportJob& job, Progress progress, Finished finished) = 0;
    /// Stops the job under way; finished is not called for it. The tool writes nothing before
    /// its lesson is ready, so a stopped job leaves the folder as it was.
    virtual void cancel() = 0;
    /// Whether a job is under way.
    virtual bool running() const = 0;
};

} // namespace kelvaro
