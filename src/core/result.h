#pragma once

#include <QString>

#include <optional>
#include <utility>

namespace gk {

// Outcome of an operation that can fail. A failure carries a message for the user that
// names the file concerned and the reason, ready to be shown as it is.
class [[nodiscard]] Status {
public:
    Status() = default;
    static Status success() { return Status(); }
    static Status failure(QString message) {
        Status s;
        s.m_ok = false;
        s.m_error = std::move(message);
        return s;
    }

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const QString& error() const { return m_error; }

private:
    bool m_ok = true;
    QString m_error;
};

// A value, or the message explaining why there is none.
template <class T> class [[nodiscard]] Result {
public:
    Result(T value)
        : m_value(std::move(value)) {}
    Result(const Status& failed)
        : m_error(failed.error()) {}
    static Result failure(QString message) { return Result(Status::failure(std::move(message))); }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return *m_value; }
    T& value() & { return *m_value; }
    T&& value() && { return std::move(*m_value); }
    const T& operator*() const& { return *m_value; }
    const T* operator->() const { return &*m_value; }
    const QString& error() const { return m_error; }
    Status status() const { return ok() ? Status::success() : Status::failure(m_error); }

private:
    std::optional<T> m_value;
    QString m_error;
};

} // namespace gk
