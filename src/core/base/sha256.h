#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

namespace gk {

// SHA-256 of a stream of bytes, added piece by piece. Uses the system's crypto library where
// the build has it (hardware-accelerated), else Qt's own implementation.
class Sha256 {
public:
    Sha256();
    ~Sha256();
    Sha256(Sha256&&) noexcept;
    Sha256& operator=(Sha256&&) noexcept;

    void add(const char* data, qsizetype size);
    void add(const QByteArray& bytes) { add(bytes.constData(), bytes.size()); }
    // The digest as 64 lower-case hex digits; the hash cannot be added to afterwards.
    QString hex();

    static QString of(const QByteArray& bytes);

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace gk
