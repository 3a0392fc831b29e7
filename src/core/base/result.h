#pragma once

#include <QString>

#include <optional>
#include <utility>

namespace gk {

// What kind of failure an operation met. The message says it to the user; the kind lets a
// caller (or a test) tell failures apart without reading the sentence.
enum class ErrorKind {
    None,          // no failure
    NotFound,      // a file or folder that should be there is not
    AccessDenied,  // the system refused access (permissions, read-only file system)
    NoSpace,       // the disk (or a size limit) is full
    IsFolder,      // a folder stands where a file was expected
    UnsafePath,    // a path that could lead outside where it belongs, or is not a plain name
    NotAPackage,   // the file is not a package at all
    BrokenPackage, // a package entry that cannot be read or installed
    Invalid,       // input refused for what it is (empty name, markers in contents, ...)
    Failed,        // any other failure of the system, with its own reason
    Cancelled,     // the user gave up waiting or stopped the work
};

// Outcome of an operation that can fail. A failure carries its kind and a message for the
// user that names the file concerned and the reason, ready to be shown as it is.
class [[nodiscard]] Status {
public:
    Status() = default;
    static Status success() { return Status(); }
    static Status failure(ErrorKind kind, QString message) {
        Status s;
        s.m_kind = kind == ErrorKind::None ? ErrorKind::Failed : kind;
        s.m_error = std::move(message);
        return s;
    }

    bool ok() const { return m_kind == ErrorKind::None; }
    explicit operator bool() const { return ok(); }
    ErrorKind kind() const { return m_kind; }
    const QString& error() const { return m_error; }
    // The same failure with another message (the kind stays).
    Status withMessage(QString message) const { return failure(m_kind, std::move(message)); }

private:
    ErrorKind m_kind = ErrorKind::None;
    QString m_error;
};

// A value, or the failure explaining why there is none.
template <class T> class [[nodiscard]] Result {
public:
    Result(T value)
        : m_value(std::move(value)) {}
    Result(const Status& failed)
        : m_failure(failed) {}
    static Result failure(ErrorKind kind, QString message) {
        return Result(Status::failure(kind, std::move(message)));
    }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return *m_value; }
    T& value() & { return *m_value; }
    T&& value() && { return std::move(*m_value); }
    const T& operator*() const& { return *m_value; }
    T& operator*() & { return *m_value; }
    const T* operator->() const { return &*m_value; }
    T* operator->() { return &*m_value; }
    ErrorKind kind() const { return m_failure.kind(); }
    const QString& error() const { return m_failure.error(); }
    const Status& status() const { return m_failure; }

private:
    std::optional<T> m_value;
    Status m_failure;
};

} // namespace gk
