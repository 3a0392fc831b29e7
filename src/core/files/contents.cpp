#include "contents.h"

#include "base/sha256.h"
#include "fsys.h"

#include <QFile>

#include <fcntl.h>

namespace gk {

namespace {
constexpr qint64 kChunk = 1 << 20;
}

void Contents::add(QByteArray bytes) {
    m_size += bytes.size();
    if (!bytes.isEmpty())
        m_pieces.append(std::move(bytes));
}

void Contents::add(std::shared_ptr<fs::File> file, qint64 offset, qint64 size) {
    m_size += size;
    if (size > 0)
        m_pieces.append(Range{std::move(file), NativePath(), offset, size});
}

void Contents::add(const NativePath& path, qint64 offset, qint64 size) {
    m_size += size;
    if (size > 0)
        m_pieces.append(Range{nullptr, path, offset, size});
}

Status Contents::writeTo(fs::File& out, Sha256* hash) const {
    QByteArray buffer;
    for (const auto& piece : m_pieces) {
        if (const auto* bytes = std::get_if<QByteArray>(&piece)) {
            if (hash)
                hash->add(*bytes);
            if (const Status written = out.write(bytes->constData(), bytes->size()); !written)
                return written;
            continue;
        }
        const Range& range = std::get<Range>(piece);
        std::shared_ptr<fs::File> file = range.file;
        if (!file) {
            const int fd =
                ::open(QFile::encodeName(range.path.text()).constData(), O_RDONLY | O_CLOEXEC);
            if (fd < 0)
                return fs::failure(QStringLiteral("read"), range.path, errno);
            file = std::make_shared<fs::File>(fd, range.path);
        }
        if (!hash) {
            if (const Status copied = out.copyFrom(*file, range.offset, range.size); !copied)
                return copied;
            continue;
        }
        buffer.resize(qsizetype(std::min(range.size, kChunk)));
        for (qint64 at = range.offset, left = range.size; left > 0;) {
            const auto got = file->read(buffer.data(), std::min<qint64>(left, buffer.size()), at);
            if (!got)
                return got.status();
            if (*got == 0)
                return Status::failure(ErrorKind::Failed,
                                       QStringLiteral("Could not read \"%1\": the file is "
                                                      "shorter than expected.")
                                           .arg(file->path().shown()));
            hash->add(buffer.constData(), *got);
            if (const Status written = out.write(buffer.constData(), *got); !written)
                return written;
            at += *got;
            left -= *got;
        }
    }
    return Status::success();
}

Result<QString> Contents::sha256() const {
    Sha256 hash;
    QByteArray buffer;
    for (const auto& piece : m_pieces) {
        if (const auto* bytes = std::get_if<QByteArray>(&piece)) {
            hash.add(*bytes);
            continue;
        }
        const Range& range = std::get<Range>(piece);
        std::shared_ptr<fs::File> file = range.file;
        if (!file) {
            auto opened = fs::File::openForReading(range.path);
            if (!opened)
                return opened.status();
            file = std::make_shared<fs::File>(std::move(*opened));
        }
        buffer.resize(qsizetype(std::min(range.size, kChunk)));
        for (qint64 at = range.offset, left = range.size; left > 0;) {
            const auto got = file->read(buffer.data(), std::min<qint64>(left, buffer.size()), at);
            if (!got)
                return got.status();
            if (*got == 0)
                return fs::failure(QStringLiteral("read"), file->path(), EIO);
            hash.add(buffer.constData(), *got);
            at += *got;
            left -= *got;
        }
    }
    return hash.hex();
}

Result<QByteArray> Contents::bytes() const {
    QByteArray out;
    for (const auto& piece : m_pieces) {
        if (const auto* bytes = std::get_if<QByteArray>(&piece)) {
            out += *bytes;
            continue;
        }
        const Range& range = std::get<Range>(piece);
        QFile file(range.file ? range.file->path().text() : range.path.text());
        if (!file.open(QIODevice::ReadOnly) || !file.seek(range.offset))
            return fs::failure(QStringLiteral("read"), NativePath(file.fileName()), ENOENT);
        out += file.read(range.size);
    }
    return out;
}

} // namespace gk
