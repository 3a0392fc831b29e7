#include "contents.h"

#include "base/quoting.h"
#include "base/sha256.h"
#include "fsys.h"

#include <QCoreApplication>

#include <utility>

namespace gk {

namespace {
constexpr qint64 kChunk = 1 << 20;
// How much is copied between two reports of a writing's progress.
constexpr qint64 kReported = 16 * kChunk;
} // namespace

void Contents::add(QByteArray bytes) {
    m_size += bytes.size();
    if (!bytes.isEmpty())
        m_pieces.append(std::move(bytes));
}

void Contents::add(std::shared_ptr<fs::File> file, qint64 offset, qint64 size) {
    m_size += size;
    if (size > 0)
        m_pieces.append(Range{std::move(file), NativePath(), nullptr, offset, size});
}

void Contents::add(const NativePath& path, qint64 offset, qint64 size) {
    m_size += size;
    if (size > 0)
        m_pieces.append(Range{nullptr, path, nullptr, offset, size});
}

void Contents::add(const fs::Location& location, qint64 offset, qint64 size) {
    m_size += size;
    if (size > 0)
        m_pieces.append(
            Range{nullptr, NativePath(), std::make_shared<fs::Location>(location), offset, size});
}

Result<std::shared_ptr<fs::File>> Contents::fileOf(const Range& range) {
    if (range.file)
        return range.file;
    if (range.location) {
        auto folder = fs::Folder::holding(*range.location, false);
        if (!folder)
            return folder.status();
        auto opened = folder->openForReading(range.location->name);
        if (!opened)
            return opened.status();
        return std::make_shared<fs::File>(std::move(*opened));
    }
    auto opened = fs::File::openForReading(range.path);
    if (!opened)
        return opened.status();
    return std::make_shared<fs::File>(std::move(*opened));
}

template <class Take> Status Contents::read(Take take) const {
    QByteArray buffer;
    for (const auto& piece : m_pieces) {
        if (const auto* bytes = std::get_if<QByteArray>(&piece)) {
            if (const Status taken = take(bytes->constData(), bytes->size()); !taken)
                return taken;
            continue;
        }
        const Range& range = std::get<Range>(piece);
        const auto file = fileOf(range);
        if (!file)
            return file.status();
        buffer.resize(qsizetype(std::min(range.size, kChunk)));
        for (qint64 at = range.offset, left = range.size; left > 0;) {
            const auto got =
                (*file)->read(buffer.data(), std::min<qint64>(left, buffer.size()), at);
            if (!got)
                return got.status();
            if (*got == 0)
                return Status::failure(
                    ErrorKind::Failed,
                    //: %1 is a file (in quotes)
                    QCoreApplication::translate("Files", "Could not read %1: the file is shorter "
                                                         "than expected.")
                        .arg(quotedPath((*file)->path())));
            if (const Status taken = take(buffer.constData(), *got); !taken)
                return taken;
            at += *got;
            left -= *got;
        }
    }
    return Status::success();
}

Status Contents::writeTo(fs::File& out, Sha256* hash, const Written& written) const {
    qint64 untold = 0;
    auto tell = [&](qint64 bytes, qint64 every) {
        untold += bytes;
        if (!written || untold == 0 || untold < every)
            return Status::success();
        return written(std::exchange(untold, 0));
    };
    if (hash) {
        const Status read = this->read([&](const char* data, qint64 size) {
            hash->add(data, size);
            if (const Status done = out.write(data, size); !done)
                return done;
            return tell(size, kReported);
        });
        if (!read)
            return read;
        return tell(0, 0);
    }
    // Without a hash, ranges are copied inside the kernel where it can.
    for (const auto& piece : m_pieces) {
        if (const auto* bytes = std::get_if<QByteArray>(&piece)) {
            if (const Status done = out.write(bytes->constData(), bytes->size()); !done)
                return done;
            if (const Status told = tell(bytes->size(), kReported); !told)
                return told;
            continue;
        }
        const Range& range = std::get<Range>(piece);
        const auto file = fileOf(range);
        if (!file)
            return file.status();
        for (qint64 at = range.offset, left = range.size; left > 0;) {
            const qint64 part = written ? std::min(left, kReported) : left;
            if (const Status copied = out.copyFrom(**file, at, part); !copied)
                return copied;
            if (const Status told = tell(part, kReported); !told)
                return told;
            at += part;
            left -= part;
        }
    }
    return tell(0, 0);
}

Result<QString> Contents::sha256() const {
    Sha256 hash;
    const Status read = this->read([&](const char* data, qint64 size) {
        hash.add(data, size);
        return Status::success();
    });
    if (!read)
        return read;
    return hash.hex();
}

Result<QByteArray> Contents::bytes() const {
    QByteArray out;
    out.reserve(qsizetype(m_size));
    const Status read = this->read([&](const char* data, qint64 size) {
        out.append(data, qsizetype(size));
        return Status::success();
    });
    if (!read)
        return read;
    return out;
}

} // namespace gk
