#pragma once

#include <QString>

#include <utility>
#include <variant>

namespace kelvaro {

/// A failure of a content operation; the message names the file and says what is wrong.
struct Error
{
    QString message;
};

/// Either a value or an Error. Content functions never throw.
template <typename T> class Result
{
public:
    Result(T value) : m_state(std::move(value)) {}
    Result(Error error) : m_state(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(m_state); }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return std::get<T>(m_state); }
    T& value() & { return std::get<T>(m_state); }
    T&& value() && { return std::get<T>(std::move(m_state)); }
    const T& operator*() const& { return value(); }
    const T* operator->() const { return &value(); }

    /// The error's message; empty when ok().
    QString error() const { return ok() ? QString() : std::get<Error>(m_state).message; }

private:
    std::variant<T, Error> m_state;
};

/// The outcome of an operation that returns nothing.
class Status
{
public:
    static Status success() { return Status(); }
    static Status failure(QString message) { return Status(std::move(message)); }
    Status(Error error) : m_ok(false), m_error(std::move(error.message)) {}

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const QString& error() const { return m_error; }

private:
    Status() = default;
    explicit Status(QString message) : m_ok(false), m_error(std::move(message)) {}
    bool m_ok = true;
    QString m_error;
};

} // namespace kelvaro
