#include "DictionaryLoading.h"

namespace kelvaro {

DictionaryLoading::DictionaryLoading(Dictionary dictionary) : m_dictionary(std::move(dictionary)) {}

DictionaryLoading::~DictionaryLoading()
{
    if (m_pending.valid())
        m_pending.wait(); // the thread reads into the future's state, never into this object
}

DictionaryLoading& DictionaryLoading::operator=(Dictionary dictionary)
{
    settle();
    m_dictionary = std::move(dictionary);
    m_error.clear();
    return *this;
}

void DictionaryLoading::start(const QString& path, std::function<void()> finished)
{
    settle();
    m_pending = std::async(std::launch::async, [path, finished = std::move(finished)] {
        Result<Dictionary> loaded = Dictionary::load(path);
        if (finished)
            finished();
        return loaded;
    });
}

const Dictionary& DictionaryLoading::get()
{
    settle();
    return m_dictionary;
}

QString DictionaryLoading::takeError()
{
    settle();
    return std::exchange(m_error, QString());
}

void DictionaryLoading::settle()
{
    if (!m_pending.valid())
        return;
    Result<Dictionary> loaded = m_pending.get();
    if (loaded) {
        m_dictionary = std::move(loaded).value();
    } else {
        m_dictionary = Dictionary();
        m_error = loaded.error();
    }
}

} // namespace kelvaro
