#pragma once

#include "content/Dictionary.h"

#include <QString>

#include <functional>
#include <future>

namespace kelvaro {

/// The dictionary file, read and indexed on a thread of its own from start-up on, so that the
/// window paints first (the full-size dictionary takes ~80 ms). A lookup in the first moments
/// waits only for what is left of the load.
class DictionaryLoading
{
public:
    DictionaryLoading() = default;
    /// Takes a dictionary that is already there (tests, tools).
    DictionaryLoading(Dictionary dictionary);
    ~DictionaryLoading();
    DictionaryLoading(const DictionaryLoading&) = delete;
    DictionaryLoading& operator=(const DictionaryLoading&) = delete;
    DictionaryLoading& operator=(Dictionary dictionary);

    /// Starts loading path; finished (if given) is called on the loading thread when it is done.
    void start(const QString& path, std::function<void()> finished = {});
    /// The dictionary, after waiting for the load; empty when the file could not be read.
    const Dictionary& get();
    /// The load's error message, once: empty when it read, or when it was taken before.
    QString takeError();

    /// Shorthand for get().lookUpWord(word).
    LookupResult lookUpWord(QStringView word) { return get().lookUpWord(word); }

private:
    void settle();

    std::future<Result<Dictionary>> m_pending;
    Dictionary m_dictionary;
    QString m_error;
};

} // namespace kelvaro
