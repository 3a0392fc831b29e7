#pragma once

#include "base/paths.h"
#include "base/result.h"

#include <QByteArray>
#include <QList>

#include <functional>
#include <memory>
#include <variant>

namespace gk {

class Sha256;
namespace fs {
class File;
struct Location;
} // namespace fs

// What a file is written with: bytes in memory and ranges of other files, in order. Ranges are
// read only while the file is written, so a large package never has to be held in memory.
class Contents {
public:
    Contents() = default;
    Contents(QByteArray bytes) { add(std::move(bytes)); } // NOLINT: bytes are contents

    void add(QByteArray bytes);
    // `size` bytes of an open file from `offset`.
    void add(std::shared_ptr<fs::File> file, qint64 offset, qint64 size);
    // `size` bytes of the file at `path` from `offset`; opened when the contents are written.
    void add(const NativePath& path, qint64 offset, qint64 size);
    // The same for a file below a root, opened without following a link below it.
    void add(const fs::Location& location, qint64 offset, qint64 size);

    qint64 size() const { return m_size; }
    bool isEmpty() const { return m_size == 0; }

    // Told of the bytes written since it was last told, every few megabytes and at the end of
    // each piece; a failure it returns (Cancelled) stops the writing with that failure.
    using Written = std::function<Status(qint64 bytes)>;
    // Appends every byte to `out`; `hash`, when given, sees every byte written.
    Status writeTo(fs::File& out, Sha256* hash, const Written& written = {}) const;
    // The SHA-256 of every byte, read again from where the contents lie.
    Result<QString> sha256() const;
    // Every byte in memory (small contents, tests).
    Result<QByteArray> bytes() const;

private:
    struct Range;
    // The file a range lies in, opened when it was given by path.
    static Result<std::shared_ptr<fs::File>> fileOf(const Range& range);
    // Hands every byte to `take`, in order, a piece at a time.
    template <class Take> Status read(Take take) const;

    struct Range {
        std::shared_ptr<fs::File> file;
        NativePath path;                              // when `file` is not open yet
        std::shared_ptr<const fs::Location> location; // the same, below a root
        qint64 offset = 0;
        qint64 size = 0;
    };
    QList<std::variant<QByteArray, Range>> m_pieces;
    qint64 m_size = 0;
};

} // namespace gk
