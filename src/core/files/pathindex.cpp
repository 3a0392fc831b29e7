#include "pathindex.h"

#include "base/sha256.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <map>

namespace gk {

namespace {

const QString kIndex = QStringLiteral("index");
const QString kComplete = QStringLiteral("complete");
constexpr qsizetype kEntry = 16;
// No index file grows beyond this: the history of a lifetime of installs is far smaller.
constexpr qint64 kMaxShard = qint64(1) << 30;

QString shardName(int number) { return QStringLiteral("%1").arg(number, 2, 16, QLatin1Char('0')); }

int shardOf(quint64 key) { return int(key >> 56); }

QByteArray entry(quint64 key, int id) {
    QByteArray out(kEntry, '\0');
    qToLittleEndian(key, out.data());
    qToLittleEndian(qint32(id), out.data() + 8);
    return out;
}

} // namespace

PathIndex::PathIndex(const fs::Folder& history)
    : m_history(history) {}

quint64 PathIndex::keyOf(const QString& keyText) {
    Sha256 hash;
    hash.add(keyText.toUtf8());
    const Digest digest = hash.digest();
    return qFromBigEndian<quint64>(digest.bytes.data());
}

void PathIndex::add(quint64 key, int id) { m_pending.emplace_back(key, id); }

Result<fs::Folder> PathIndex::folder(bool create) const { return m_history.child(kIndex, create); }

bool PathIndex::isComplete() const {
    auto index = folder(false);
    if (!index)
        return false;
    const auto mark = index->stat(kComplete);
    return mark && mark->kind == fs::Kind::File;
}

Status PathIndex::markComplete() {
    auto index = folder(true);
    if (!index)
        return index.status();
    const auto mark = index->stat(kComplete);
    if (mark && mark->kind == fs::Kind::File)
        return Status::success();
    auto file = index->createExclusive(kComplete, 0644);
    if (!file)
        return file.status();
    if (const Status synced = file->sync(); !synced)
        return synced;
    return index->sync();
}

Status PathIndex::write(fs::SyncBatch& batch) {
    if (m_pending.empty())
        return Status::success();
    auto index = folder(true);
    if (!index)
        return index.status();
    std::stable_sort(m_pending.begin(), m_pending.end(), [](const auto& a, const auto& b) {
        return shardOf(a.first) < shardOf(b.first);
    });
    bool created = false;
    for (size_t at = 0; at < m_pending.size();) {
        const int number = shardOf(m_pending[at].first);
        QByteArray bytes;
        for (; at < m_pending.size() && shardOf(m_pending[at].first) == number; ++at)
            bytes += entry(m_pending[at].first, m_pending[at].second);
        const QString name = shardName(number);
        const auto there = index->stat(name);
        if (!there)
            return there.status();
        if (there->kind == fs::Kind::Absent) {
            auto made = index->createExclusive(name, 0644);
            if (!made)
                return made.status();
            created = true;
        }
        auto file = index->openForAppending(name);
        if (!file)
            return file.status();
        const auto info = file->info();
        if (!info)
            return info.status();
        // An entry cut short by a killed process is cut off before more are added.
        if (info->size % kEntry != 0) {
            if (const Status cut = file->truncate(info->size - info->size % kEntry); !cut)
                return cut;
        }
        if (const Status written = file->write(bytes.constData(), bytes.size()); !written)
            return written;
        if (const Status added = batch.add(std::move(*file)); !added)
            return added;
        m_read.remove(number);
    }
    m_pending.clear();
    if (created)
        return index->sync();
    return Status::success();
}

Result<QByteArray> PathIndex::shard(int number) {
    if (const auto found = m_read.constFind(number); found != m_read.constEnd())
        return *found;
    auto index = folder(false);
    if (!index) {
        if (index.kind() == ErrorKind::NotFound)
            return QByteArray();
        return index.status();
    }
    auto file = index->openForReading(shardName(number));
    if (!file) {
        if (file.kind() == ErrorKind::NotFound)
            return QByteArray();
        return file.status();
    }
    const auto info = file->info();
    if (!info)
        return info.status();
    const qint64 size = std::min(info->size, kMaxShard);
    QByteArray bytes(qsizetype(size - size % kEntry), Qt::Uninitialized);
    if (const Status read = file->readExactly(bytes.data(), bytes.size(), 0); !read)
        return read;
    m_read.insert(number, bytes);
    return bytes;
}

Result<QList<int>> PathIndex::operationsOf(quint64 key) {
    const auto bytes = shard(shardOf(key));
    if (!bytes)
        return bytes.status();
    QList<int> out;
    const char* data = bytes->constData();
    for (qsizetype at = 0; at + kEntry <= bytes->size(); at += kEntry) {
        if (qFromLittleEndian<quint64>(data + at) != key)
            continue;
        const int id = qFromLittleEndian<qint32>(data + at + 8);
        if (id > 0 && !out.contains(id))
            out << id;
    }
    return out;
}

Result<QList<int>> PathIndex::present() const {
    auto index = folder(false);
    if (!index) {
        if (index.kind() == ErrorKind::NotFound)
            return QList<int>();
        return index.status();
    }
    const auto names = index->names();
    if (!names)
        return names.status();
    QList<int> out;
    for (const QString& name : *names) {
        bool ok = false;
        const int number = name.toInt(&ok, 16);
        if (ok && name.size() == 2 && name == shardName(number))
            out << number;
    }
    std::sort(out.begin(), out.end());
    return out;
}

Status PathIndex::forEach(const std::function<void(quint64, int)>& each) {
    const auto numbers = present();
    if (!numbers)
        return numbers.status();
    for (const int number : *numbers) {
        const auto bytes = shard(number);
        if (!bytes)
            return bytes.status();
        const char* data = bytes->constData();
        for (qsizetype at = 0; at + kEntry <= bytes->size(); at += kEntry)
            each(qFromLittleEndian<quint64>(data + at), qFromLittleEndian<qint32>(data + at + 8));
    }
    return Status::success();
}

Status PathIndex::rewrite(const std::vector<std::pair<quint64, int>>& entries) {
    auto index = folder(true);
    if (!index)
        return index.status();
    // New parts are written in the history's tmp/, which every recovery clears, and moved in.
    auto temporary = m_history.child(QStringLiteral("tmp"), true);
    if (!temporary)
        return temporary.status();
    const auto there = present();
    if (!there)
        return there.status();
    std::map<int, QByteArray> shards;
    for (const int number : *there)
        shards[number];
    for (const auto& [key, id] : entries)
        shards[shardOf(key)] += entry(key, id);
    fs::SyncBatch batch;
    QList<std::pair<QString, QString>> renames;
    // A failure leaves the index as it was: the new files go.
    auto fail = [&](const Status& failure) {
        for (const auto& [from, to] : renames) {
            if (!from.isEmpty())
                temporary->remove(from).ok();
        }
        return failure;
    };
    for (const auto& [number, bytes] : shards) {
        const QString name = shardName(number);
        if (there->contains(number)) {
            // A part that keeps what it holds is left as it is.
            const auto now = shard(number);
            if (now && *now == bytes)
                continue;
            if (bytes.isEmpty()) {
                renames << std::make_pair(QString(), name);
                continue;
            }
        }
        auto temp = temporary->createTemp(0644);
        if (!temp)
            return fail(temp.status());
        renames << std::make_pair(temp->path().fileName(), name);
        if (const Status written = temp->write(bytes.constData(), bytes.size()); !written)
            return fail(written);
        if (const Status added = batch.add(std::move(*temp)); !added)
            return fail(added);
    }
    if (const Status synced = batch.sync(); !synced)
        return fail(synced);
    for (const auto& [from, to] : renames) {
        const Status done =
            from.isEmpty() ? index->remove(to) : temporary->moveTo(from, *index, to);
        if (!done)
            return done;
    }
    m_read.clear();
    return index->sync();
}

} // namespace gk
