#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <memory>
#include <optional>

namespace gk {

// A SHA-256 digest: 32 bytes, written as 64 lower-case hex digits.
struct Digest {
    std::array<quint8, 32> bytes{};

    QString hex() const;
    // Exactly 64 hex digits (either case); anything else is none.
    static std::optional<Digest> fromHex(QStringView hex);
    bool operator==(const Digest&) const = default;
    bool operator<(const Digest& other) const { return bytes < other.bytes; }
};

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
    // The digest; the hash cannot be added to afterwards.
    Digest digest();
    // The digest as 64 lower-case hex digits.
    QString hex() { return digest().hex(); }

    static QString of(const QByteArray& bytes);

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace gk
