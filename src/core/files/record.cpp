#include "record.h"

#include "base/names.h"
#include "base/quoting.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>

#include <cstring>

namespace gk {

namespace {

const QByteArray kRecordMark = QByteArrayLiteral("grovekeep-history");
constexpr int kVersion = 2;
// A line of a record is short; a longer one is damage or an attack, not a record.
constexpr qsizetype kMaxLine = 64 * 1024;
constexpr int kMaxFiles = 10'000'000;
constexpr int kMaxFolders = 1'000'000;
constexpr qsizetype kMaxText = 4096;
constexpr qint64 kMaxSize = qint64(1) << 56;
const QString kGameRoot = QStringLiteral("game");
// A path in the game folder of a record that names none would be a path below nothing.
//: why a line of a history record cannot be used, a clause; %1 is the line's number
const char* const kNoGameFolder = QT_TRANSLATE_NOOP(
    "History", "line %1 names a path in the game folder, but the record names no game folder");
const QString kGrovekeepRoot = QStringLiteral("grovekeep");
const QString kHistoryFolder = QStringLiteral("History");

} // namespace

QString roleName(FileRole role) {
    switch (role) {
    case FileRole::Backup:
        return QStringLiteral("backup");
    case FileRole::Copy:
        return QStringLiteral("copy");
    case FileRole::Target:
        break;
    }
    return QStringLiteral("target");
}

QString stateName(OperationState state) {
    switch (state) {
    case OperationState::UnderWay:
        return QStringLiteral("under-way");
    case OperationState::Complete:
        return QStringLiteral("complete");
    case OperationState::Undone:
        return QStringLiteral("undone");
    case OperationState::RolledBack:
        return QStringLiteral("rolled-back");
    }
    return QString();
}

// ---- paths

#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity kFolderCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity kFolderCase = Qt::CaseSensitive;
#endif

QString cleanFolder(const NativePath& folder) {
    QString path = QDir::fromNativeSeparators(folder.text());
    if (!QDir::isAbsolutePath(path))
        path = QDir::current().absoluteFilePath(path);
    path = QDir::cleanPath(path);
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

QString RecordedPath::key(const QString& game) const {
    switch (root) {
    case RootKind::Game:
        return QStringLiteral("game\n") + game + QLatin1Char('\n') + path;
    case RootKind::Grovekeep:
        return QStringLiteral("grovekeep\n") + path;
    case RootKind::Elsewhere:
        break;
    }
    return QStringLiteral("elsewhere\n") + elsewhere + QLatin1Char('\n') + path;
}

QString recordedPathProblem(const RecordedPath& recorded) {
    if (recorded.path.isEmpty() || recorded.path.size() > kMaxText)
        //: why a path named in the history cannot be used, a clause
        return QCoreApplication::translate("History", "its path is empty or too long");
    const QStringList parts = recorded.path.split(QLatin1Char('/'));
    for (const QString& part : parts) {
        if (fs::Folder::isTemporary(part))
            //: why a path named in the history cannot be used, a clause; %1 is a name in quotes
            return QCoreApplication::translate("History",
                                               "%1 is one of Grovekeep's temporary files")
                .arg(quotedName(part));
        QString problem;
        if (recorded.root == RootKind::Elsewhere) {
            if (part.isEmpty() || part == QStringLiteral(".") || part == QStringLiteral("..") ||
                part.contains(QLatin1Char('\\')))
                //: why a path named in the history cannot be used, a clause; %1 is a name in
                //: quotes
                problem = QCoreApplication::translate("History", "%1 is no name of a file")
                              .arg(quotedName(part));
            for (const QChar c : part) {
                if (problem.isEmpty() && isInvisibleControl(c))
                    //: why a path named in the history cannot be used, a clause; %1 is a name
                    //: in quotes
                    problem = QCoreApplication::translate("History", "%1 holds a control character")
                                  .arg(quotedName(part));
            }
        } else {
            problem = componentProblem(part);
        }
        if (!problem.isEmpty())
            return problem;
    }
    if (recorded.root == RootKind::Game && parts.constFirst().startsWith(QLatin1Char('.')))
        //: why a path named in the history cannot be used, a clause; %1 is a name in quotes
        return QCoreApplication::translate("History", "%1 is a hidden folder of the game folder")
            .arg(quotedName(parts.constFirst()));
    if (recorded.root == RootKind::Grovekeep &&
        parts.constFirst().compare(kHistoryFolder, Qt::CaseInsensitive) == 0)
        //: why a path named in the history cannot be used, a clause
        return QCoreApplication::translate("History", "it lies in Grovekeep's history");
    if (recorded.root == RootKind::Elsewhere) {
        const QString& folder = recorded.elsewhere;
        if (folder.isEmpty() || folder.size() > kMaxText || !QDir::isAbsolutePath(folder) ||
            cleanFolder(NativePath(folder)) != folder)
            //: why a path named in the history cannot be used, a clause; %1 is a folder in
            //: quotes
            return QCoreApplication::translate("History",
                                               "its folder %1 is not a clean absolute path")
                .arg(quotedName(folder));
        for (const QChar c : folder) {
            if (isInvisibleControl(c))
                //: why a path named in the history cannot be used, a clause; %1 is a folder
                //: in quotes
                return QCoreApplication::translate("History",
                                                   "its folder %1 holds a control character")
                    .arg(quotedName(folder));
        }
    }
    return QString();
}

namespace {

// `folder` split into its names ("/a/b" -> "", "a", "b").
QStringList folderParts(const QString& folder) {
    return folder == QStringLiteral("/") ? QStringList{QString()} : folder.split(QLatin1Char('/'));
}

// The names of `parts` after `prefix`, when `prefix` is a proper prefix of them.
std::optional<QStringList> below(const QStringList& parts, const QStringList& prefix) {
    if (prefix.isEmpty() || parts.size() <= prefix.size())
        return std::nullopt;
    for (qsizetype k = 0; k < prefix.size(); ++k) {
        if (parts.at(k) != prefix.at(k))
            return std::nullopt;
    }
    return parts.mid(prefix.size());
}

} // namespace

RecordedPath Places::classify(const fs::Location& location) const {
    const QString root = cleanFolder(location.root);
    QStringList names = location.folders;
    names << location.name;
    const QStringList full = folderParts(root) + names;
    // The more particular folder first: Grovekeep's folder may lie in the game folder.
    std::optional<QStringList> inManager;
    std::optional<QStringList> inGame;
    if (!manager.isEmpty())
        inManager = below(full, folderParts(cleanFolder(manager)));
    if (!game.isEmpty())
        inGame = below(full, folderParts(cleanFolder(game)));
    if (inManager && (!inGame || inManager->size() < inGame->size()))
        return {RootKind::Grovekeep, QString(), inManager->join(QLatin1Char('/'))};
    if (inGame)
        return {RootKind::Game, QString(), inGame->join(QLatin1Char('/'))};
    return {RootKind::Elsewhere, root, names.join(QLatin1Char('/'))};
}

Result<fs::Location> Places::resolve(const RecordedPath& path, const QString& recordGame,
                                     Use use) const {
    if (const QString problem = recordedPathProblem(path); !problem.isEmpty())
        return Status::failure(ErrorKind::UnsafePath,
                               //: %1 is a path in quotes, %2 why it cannot be used, a clause
                               QCoreApplication::translate("History",
                                                           "The history names %1, which Grovekeep "
                                                           "does not touch: %2.")
                                   .arg(quotedName(path.path), problem));
    switch (path.root) {
    case RootKind::Grovekeep:
        return fs::Location::below(manager, path.path);
    case RootKind::Game: {
        const NativePath recorded(recordGame);
        // Windows names a folder in any letter case.
        const bool configured =
            !game.isEmpty() && cleanFolder(game).compare(recordGame, kFolderCase) == 0;
        if (use == Use::Read && !recordGame.isEmpty())
            return fs::Location::below(configured ? game : recorded, path.path);
        if (game.isEmpty())
            return Status::failure(
                ErrorKind::NotFound,
                //: %1 is a file, %2 the game folder it lies in (both in quotes)
                QCoreApplication::translate("History", "%1 lies in the game folder %2, and the "
                                                       "game folder is not set.")
                    .arg(quotedPath(recorded.child(path.path)), quotedPath(recorded)));
        if (!configured)
            return Status::failure(ErrorKind::UnsafePath,
                                   //: %1 is a file, %2 the game folder it lies in, %3 the game
                                   //: folder Grovekeep is set to now (all in quotes)
                                   QCoreApplication::translate(
                                       "History", "%1 lies in the game folder %2, but the game "
                                                  "folder is now %3; Grovekeep changes files "
                                                  "only in the game folder it is set to.")
                                       .arg(quotedPath(recorded.child(path.path)),
                                            quotedPath(recorded), quotedPath(game)));
        return fs::Location::below(game, path.path);
    }
    case RootKind::Elsewhere:
        break;
    }
    const NativePath folder(path.elsewhere);
    if (use == Use::Change)
        return Status::failure(
            ErrorKind::UnsafePath,
            //: %1 is a file, %2 the folder it lies in (both in quotes)
            QCoreApplication::translate("History", "%1 lies in %2, outside the game folder and "
                                                   "Grovekeep's folder, where Grovekeep does not "
                                                   "write from its history.")
                .arg(quotedPath(folder.child(path.path)), quotedPath(folder)));
    return fs::Location::below(folder, path.path);
}

fs::Location Places::shown(const RecordedPath& path, const QString& recordGame) const {
    switch (path.root) {
    case RootKind::Grovekeep:
        return fs::Location::below(manager, path.path);
    case RootKind::Game:
        return fs::Location::below(NativePath(recordGame), path.path);
    case RootKind::Elsewhere:
        break;
    }
    return fs::Location::below(NativePath(path.elsewhere), path.path);
}

QString temporaryName(const QString& token, int k) {
    return fs::Folder::tempPrefix() + token + QLatin1Char('.') + QString::number(k, 36);
}

QString newToken() {
    return QString::number(QRandomGenerator::global()->generate64() % 2176782336ULL, 36);
}

QString recordName(int id) { return QStringLiteral("%1.jsonl").arg(id, 6, 10, QLatin1Char('0')); }

int recordId(const QString& name) {
    if (!name.endsWith(QStringLiteral(".jsonl")) || name.size() < 12 || name.size() > 16)
        return 0;
    const QStringView digits = QStringView(name).chopped(6);
    for (const QChar c : digits) {
        if (!c.isDigit() || c.unicode() > '9')
            return 0;
    }
    bool ok = false;
    const int id = digits.toInt(&ok);
    return ok && id > 0 ? id : 0;
}

// ---- writing

namespace {

void addString(QByteArray& out, const QString& text) {
    out += '"';
    for (const char c : text.toUtf8()) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            static constexpr char digits[] = "0123456789abcdef";
            out += "\\u00";
            out += digits[u >> 4];
            out += digits[u & 15];
        } else {
            out += c;
        }
    }
    out += '"';
}

void addKey(QByteArray& out, const char* key) {
    out += '"';
    out += key;
    out += "\":";
}

void addRoot(QByteArray& out, const RecordedPath& path) {
    addKey(out, "root");
    switch (path.root) {
    case RootKind::Game:
        addString(out, kGameRoot);
        return;
    case RootKind::Grovekeep:
        addString(out, kGrovekeepRoot);
        return;
    case RootKind::Elsewhere:
        addString(out, path.elsewhere);
        return;
    }
}

void addVersion(QByteArray& out, const FileVersion& version) {
    out += "\"sha256\":\"";
    out += version.sha256.hex().toLatin1();
    out += "\",\"size\":";
    out += QByteArray::number(version.size);
    out += ",\"mode\":";
    out += QByteArray::number(version.mode);
}

QByteArray versionLine(const char* key, const RecordedVersion& v) {
    QByteArray line = "{\"";
    line += key;
    line += "\":" + QByteArray::number(v.file) + ',';
    addVersion(line, v.version);
    line += "}\n";
    return line;
}

QByteArray stateLine(const RecordedState& state) {
    QByteArray line = "{\"state\":";
    addString(line, stateName(state.state));
    if (state.undoneBy > 0)
        line += ",\"undoneBy\":" + QByteArray::number(state.undoneBy);
    if (!state.note.isEmpty()) {
        line += ",\"note\":";
        addString(line, state.note.left(kMaxText));
    }
    line += "}\n";
    return line;
}

} // namespace

struct RecordWriter::State {
    fs::File file;
    QByteArray buffer;
    Sha256 hash;
    qint64 lines = 0;
};

RecordWriter::RecordWriter()
    : m_state(std::make_unique<State>()) {}
RecordWriter::RecordWriter(RecordWriter&&) noexcept = default;
RecordWriter& RecordWriter::operator=(RecordWriter&&) noexcept = default;
RecordWriter::~RecordWriter() = default;

Result<RecordWriter> RecordWriter::create(const fs::Folder& operations, const QString& name) {
    auto file = operations.createExclusive(name, 0644);
    if (!file)
        return file.status();
    RecordWriter writer;
    writer.m_state->file = std::move(*file);
    return writer;
}

const NativePath& RecordWriter::path() const { return m_state->file.path(); }

Status RecordWriter::line(const QByteArray& line) {
    m_state->hash.add(line);
    ++m_state->lines;
    m_state->buffer += line;
    if (m_state->buffer.size() >= (1 << 20))
        return flush();
    return Status::success();
}

Status RecordWriter::head(const RecordHead& head) {
    QByteArray out = "{\"record\":\"" + kRecordMark +
                     "\",\"version\":" + QByteArray::number(kVersion) +
                     ",\"id\":" + QByteArray::number(head.id) + ",\"time\":";
    addString(out, head.time.toString(Qt::ISODate));
    out += ",\"kind\":";
    addString(out, head.kind);
    out += ",\"what\":";
    addString(out, head.what);
    if (!head.packageName.isEmpty()) {
        out += ",\"package\":{\"name\":";
        addString(out, head.packageName);
        out += ",\"sha256\":";
        addString(out, head.packageSha256);
        out += '}';
    }
    if (head.undoes > 0)
        out += ",\"undoes\":" + QByteArray::number(head.undoes);
    out += ",\"game\":";
    addString(out, head.game);
    out += ",\"temp\":";
    addString(out, head.token);
    out += ",\"folders\":" + QByteArray::number(head.folders) +
           ",\"files\":" + QByteArray::number(head.files) + "}\n";
    return line(out);
}

Status RecordWriter::folder(const RecordedPath& path) {
    QByteArray out = "{\"folder\":";
    addString(out, path.path);
    out += ',';
    addRoot(out, path);
    out += "}\n";
    return line(out);
}

Status RecordWriter::file(const RecordedFile& file) {
    QByteArray out = "{\"file\":";
    addString(out, file.path.path);
    out += ',';
    addRoot(out, file.path);
    out += ",\"role\":";
    addString(out, roleName(file.role));
    if (file.remove)
        out += ",\"remove\":true";
    out += ",\"before\":";
    if (file.before) {
        out += '{';
        addVersion(out, *file.before);
        out += '}';
    } else {
        out += "null";
    }
    out += "}\n";
    return line(out);
}

Status RecordWriter::after(const RecordedVersion& after) {
    return line(versionLine("after", after));
}

Status RecordWriter::ready() {
    const qint64 lines = m_state->lines;
    const QString checksum = m_state->hash.hex();
    QByteArray out = "{\"ready\":{\"lines\":" + QByteArray::number(lines) + ",\"sha256\":\"" +
                     checksum.toLatin1() + "\"}}\n";
    m_state->buffer += out;
    return flush();
}

Status RecordWriter::flush() {
    if (m_state->buffer.isEmpty())
        return Status::success();
    const Status written = m_state->file.write(m_state->buffer.constData(), m_state->buffer.size());
    m_state->buffer.clear();
    return written;
}

Status RecordWriter::sync() {
    if (const Status flushed = flush(); !flushed)
        return flushed;
    return m_state->file.sync();
}

namespace {

// The size of the file up to and including its last line end: what follows is a line cut
// short by a process killed while writing it.
Result<qint64> completeSize(fs::File& file) {
    const auto info = file.info();
    if (!info)
        return info.status();
    qint64 end = info->size;
    QByteArray buffer(4096, Qt::Uninitialized);
    while (end > 0) {
        const qint64 from = std::max<qint64>(0, end - buffer.size());
        if (const Status read = file.readExactly(buffer.data(), end - from, from); !read)
            return read;
        for (qint64 k = end - from - 1; k >= 0; --k) {
            if (buffer.at(qsizetype(k)) == '\n')
                return from + k + 1;
        }
        end = from;
        if (info->size - end > kMaxLine)
            break; // no line is that long: the end of the record is damaged
    }
    return end;
}

} // namespace

Status appendToRecord(const fs::Folder& operations, const QString& name,
                      const QList<RecordedVersion>& kept, const RecordedState& state,
                      bool* written) {
    if (written)
        *written = false;
    auto file = operations.openForAppending(name);
    if (!file)
        return file.status();
    const auto complete = completeSize(*file);
    if (!complete)
        return complete.status();
    const auto info = file->info();
    if (!info)
        return info.status();
    if (*complete != info->size) {
        if (const Status cut = file->truncate(*complete); !cut)
            return cut;
    }
    QByteArray lines;
    for (const RecordedVersion& version : kept)
        lines += versionLine("kept", version);
    lines += stateLine(state);
    if (const Status wrote = file->write(lines.constData(), lines.size()); !wrote)
        return wrote;
    if (written)
        *written = true;
    return file->sync();
}

// ---- reading

namespace {

Status damaged(const NativePath& path, const QString& why) {
    return Status::failure(
        ErrorKind::Invalid,
        //: %1 is a file of the history (in quotes), %2 why it cannot be
        //: used, a clause such as "line 4 cannot be read"
        QCoreApplication::translate("History", "The history record %1 cannot be used: %2.")
            .arg(quotedPath(path), why));
}

std::optional<QJsonObject> objectOf(const QByteArray& line) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

// A whole number in [min, max], or none.
std::optional<qint64> numberIn(const QJsonValue& value, qint64 min, qint64 max) {
    if (!value.isDouble())
        return std::nullopt;
    const double d = value.toDouble();
    if (d != double(qint64(d)) || d < double(min) || d > double(max))
        return std::nullopt;
    return qint64(d);
}

std::optional<QString> textOf(const QJsonValue& value, qsizetype max = kMaxText) {
    if (!value.isString() || value.toString().size() > max)
        return std::nullopt;
    return value.toString();
}

std::optional<FileVersion> versionOf(const QJsonObject& o) {
    const auto sha = textOf(o.value(QStringLiteral("sha256")), 64);
    const auto digest = sha ? Digest::fromHex(*sha) : std::nullopt;
    const auto size = numberIn(o.value(QStringLiteral("size")), 0, kMaxSize);
    const auto mode = numberIn(o.value(QStringLiteral("mode")), 0, 07777);
    if (!digest || !size || !mode)
        return std::nullopt;
    return FileVersion{*digest, *size, quint32(*mode)};
}

std::optional<RecordedPath> pathOf(const QJsonObject& o, const QString& key) {
    const auto path = textOf(o.value(key));
    const auto root = textOf(o.value(QStringLiteral("root")));
    if (!path || !root)
        return std::nullopt;
    RecordedPath out;
    out.path = *path;
    if (*root == kGameRoot) {
        out.root = RootKind::Game;
    } else if (*root == kGrovekeepRoot) {
        out.root = RootKind::Grovekeep;
    } else {
        out.root = RootKind::Elsewhere;
        out.elsewhere = *root;
    }
    if (!recordedPathProblem(out).isEmpty())
        return std::nullopt;
    return out;
}

QString pathProblem(const QJsonObject& o, const QString& key) {
    const auto path = textOf(o.value(key));
    const auto root = textOf(o.value(QStringLiteral("root")));
    if (!path || !root)
        //: why a path named in the history cannot be used, a clause
        return QCoreApplication::translate("History", "a path or its root is missing");
    RecordedPath out;
    out.path = *path;
    out.root = *root == kGameRoot        ? RootKind::Game
               : *root == kGrovekeepRoot ? RootKind::Grovekeep
                                         : RootKind::Elsewhere;
    out.elsewhere = out.root == RootKind::Elsewhere ? *root : QString();
    const QString problem = recordedPathProblem(out);
    //: %1 is a path named in a history record (in quotes), %2 why it cannot be used, a clause
    return QCoreApplication::translate("History", "%1 %2").arg(quotedName(*path), problem);
}

std::optional<RecordHead> headOf(const QJsonObject& o) {
    if (o.value(QStringLiteral("record")).toString() != QString::fromLatin1(kRecordMark) ||
        numberIn(o.value(QStringLiteral("version")), kVersion, kVersion) != kVersion)
        return std::nullopt;
    RecordHead head;
    const auto id = numberIn(o.value(QStringLiteral("id")), 1, 999'999'999);
    const auto time = textOf(o.value(QStringLiteral("time")), 64);
    const auto kind = textOf(o.value(QStringLiteral("kind")), 64);
    const auto what = textOf(o.value(QStringLiteral("what")));
    const auto game = textOf(o.value(QStringLiteral("game")));
    const auto token = textOf(o.value(QStringLiteral("temp")), 13);
    const auto folders = numberIn(o.value(QStringLiteral("folders")), 0, kMaxFolders);
    const auto files = numberIn(o.value(QStringLiteral("files")), 0, kMaxFiles);
    const QJsonValue undoes = o.value(QStringLiteral("undoes"));
    const auto undone =
        undoes.isUndefined() ? std::optional<qint64>(0) : numberIn(undoes, 1, 999'999'999);
    if (!id || !time || !kind || !what || !game || !token || !folders || !files || !undone ||
        token->isEmpty())
        return std::nullopt;
    for (const QChar c : *token) {
        if (!(c.isDigit() || (c >= QLatin1Char('a') && c <= QLatin1Char('z'))))
            return std::nullopt;
    }
    if (!game->isEmpty() && cleanFolder(NativePath(*game)) != *game)
        return std::nullopt;
    head.id = int(*id);
    head.time = QDateTime::fromString(*time, Qt::ISODate);
    if (!head.time.isValid())
        return std::nullopt;
    head.kind = *kind;
    head.what = *what;
    head.game = *game;
    head.token = *token;
    head.folders = int(*folders);
    head.files = int(*files);
    head.undoes = int(*undone);
    const QJsonValue package = o.value(QStringLiteral("package"));
    if (!package.isUndefined()) {
        const auto name = textOf(package.toObject().value(QStringLiteral("name")));
        const auto sha = textOf(package.toObject().value(QStringLiteral("sha256")), 64);
        if (!package.isObject() || !name || !sha)
            return std::nullopt;
        head.packageName = *name;
        head.packageSha256 = *sha;
    }
    return head;
}

std::optional<RecordedState> stateOf(const QJsonObject& o) {
    const QString name = o.value(QStringLiteral("state")).toString();
    RecordedState state;
    if (name == QStringLiteral("complete"))
        state.state = OperationState::Complete;
    else if (name == QStringLiteral("undone"))
        state.state = OperationState::Undone;
    else if (name == QStringLiteral("rolled-back"))
        state.state = OperationState::RolledBack;
    else
        return std::nullopt; // "under-way" is never written: it is the absence of a state
    const QJsonValue by = o.value(QStringLiteral("undoneBy"));
    const auto undoneBy =
        by.isUndefined() ? std::optional<qint64>(0) : numberIn(by, 1, 999'999'999);
    const QJsonValue note = o.value(QStringLiteral("note"));
    const auto text = note.isUndefined() ? std::optional<QString>(QString()) : textOf(note);
    if (!undoneBy || !text || (state.state == OperationState::Undone && *undoneBy == 0))
        return std::nullopt;
    state.undoneBy = int(*undoneBy);
    state.note = *text;
    return state;
}

std::optional<RecordedVersion> numberedVersion(const QJsonObject& o, const char* key, int files) {
    const auto file = numberIn(o.value(QLatin1String(key)), 0, files - 1);
    const auto version = versionOf(o);
    if (!file || !version)
        return std::nullopt;
    return RecordedVersion{int(*file), *version};
}

// The file of line `line`, or why it is none.
std::optional<RecordedFile> fileOf(const QJsonObject& o, qint64 line, QString* problem) {
    const QString number = QString::number(line);
    const auto where = pathOf(o, QStringLiteral("file"));
    if (!where) {
        //: why a line of a history record cannot be used, a clause; %1 is the line's number,
        //: %2 the path it names and why that cannot be used
        *problem =
            QCoreApplication::translate("History", "line %1 names no file Grovekeep may change: %2")
                .arg(number, pathProblem(o, QStringLiteral("file")));
        return std::nullopt;
    }
    RecordedFile file;
    file.path = *where;
    const QString role = o.value(QStringLiteral("role")).toString();
    if (role == QStringLiteral("target"))
        file.role = FileRole::Target;
    else if (role == QStringLiteral("backup"))
        file.role = FileRole::Backup;
    else if (role == QStringLiteral("copy"))
        file.role = FileRole::Copy;
    else
        //: why a line of a history record cannot be used, a clause; %1 is the line's number
        *problem = QCoreApplication::translate("History", "line %1 has no known role").arg(number);
    const QJsonValue remove = o.value(QStringLiteral("remove"));
    if (problem->isEmpty() && !remove.isUndefined() && !remove.isBool())
        //: why a line of a history record cannot be used, a clause; %1 is the line's number
        *problem =
            QCoreApplication::translate("History", "line %1 has an unknown removal").arg(number);
    file.remove = remove.toBool();
    const QJsonValue before = o.value(QStringLiteral("before"));
    if (before.isObject())
        file.before = versionOf(before.toObject());
    if (problem->isEmpty() && before.isObject() && !file.before)
        //: why a line of a history record cannot be used, a clause; %1 is the line's number
        *problem = QCoreApplication::translate("History",
                                               "line %1 has a damaged content (sha256, size, mode)")
                       .arg(number);
    else if (problem->isEmpty() && !before.isObject() && !before.isNull())
        //: why a line of a history record cannot be used, a clause; %1 is the line's number
        *problem =
            QCoreApplication::translate("History", "line %1 has no content before").arg(number);
    else if (problem->isEmpty() && file.remove && !file.before)
        //: why a line of a history record cannot be used, a clause; %1 is the line's number
        *problem =
            QCoreApplication::translate("History", "line %1 removes a file that was not there")
                .arg(number);
    if (!problem->isEmpty())
        return std::nullopt;
    return file;
}

// The lines of a record after its head, each checked where it stands: the folders made, the
// files, what each file got, the ready line that seals them; then what a roll-back kept and
// the states, which may follow any part of it.
class BodyLines {
public:
    BodyLines(const NativePath& path, const RecordHead& head, const RecordReader::Body& body,
              bool* ready, RecordedState* state)
        : m_path(path)
        , m_head(head)
        , m_body(body)
        , m_ready(ready)
        , m_state(state) {}

    // The next line, with its end.
    Status add(const QByteArray& line) {
        ++m_number;
        if (m_hashing && !line.startsWith("{\"ready\""))
            m_hash.add(line);
        const auto object = objectOf(line.chopped(1));
        if (!object)
            //: why a line of a history record cannot be used, a clause; %1 is the line's number
            return fault(QCoreApplication::translate("History", "line %1 cannot be read"));
        if (m_part == Head) {
            m_part = m_head.folders > 0 ? Folders : m_head.files > 0 ? Files : Afters;
            return Status::success();
        }
        if (object->contains(QStringLiteral("state")) || object->contains(QStringLiteral("kept")))
            return trailing(*object);
        if (m_part == Folders)
            return folder(*object);
        if (m_part == Files)
            return file(*object);
        if (m_part == Afters && object->contains(QStringLiteral("after")))
            return after(*object);
        if (m_part == Afters && object->contains(QStringLiteral("ready")))
            return sealed(*object);
        //: why a line of a history record cannot be used, a clause; %1 is the line's number
        return fault(
            QCoreApplication::translate("History", "line %1 is not where it belongs in a record"));
    }
    qint64 number() const { return m_number; }
    bool empty() const { return m_part == Head; }

private:
    enum Part { Head, Folders, Files, Afters, Ready, After };

    // This line cannot be used: `why` says so, %1 standing for its number and %2 for `detail`.
    Status fault(const QString& why, const QString& detail = QString()) const {
        const QString number = QString::number(m_number);
        return damaged(m_path, detail.isNull() ? why.arg(number) : why.arg(number, detail));
    }
    // A roll-back writes these after whatever part of the record was written.
    Status trailing(const QJsonObject& o) {
        m_part = After;
        m_hashing = false;
        if (o.contains(QStringLiteral("state"))) {
            const auto s = stateOf(o);
            if (!s)
                //: why a line of a history record cannot be used, a clause; %1 is the line's number
                return fault(
                    QCoreApplication::translate("History", "line %1 holds no known state"));
            *m_state = *s;
            return Status::success();
        }
        const auto kept = numberedVersion(o, "kept", m_head.files);
        if (!kept)
            //: why a line of a history record cannot be used, a clause; %1 is the line's number
            return fault(QCoreApplication::translate(
                "History", "line %1 names no kept version of a file of the record"));
        return m_body.kept ? m_body.kept(*kept) : Status::success();
    }
    Status folder(const QJsonObject& o) {
        const auto folder = pathOf(o, QStringLiteral("folder"));
        if (!folder)
            //: why a line of a history record cannot be used, a clause; %1 is the line's
            //: number, %2 the path it names and why that cannot be used
            return fault(QCoreApplication::translate("History",
                                                     "line %1 names no folder Grovekeep may make: "
                                                     "%2"),
                         pathProblem(o, QStringLiteral("folder")));
        if (folder->root == RootKind::Game && m_head.game.isEmpty())
            return fault(QCoreApplication::translate("History", kNoGameFolder));
        if (++m_folders == m_head.folders)
            m_part = m_head.files > 0 ? Files : Afters;
        return m_body.folder ? m_body.folder(*folder) : Status::success();
    }
    Status file(const QJsonObject& o) {
        QString problem;
        const auto file = fileOf(o, m_number, &problem);
        if (!file)
            return damaged(m_path, problem);
        if (file->path.root == RootKind::Game && m_head.game.isEmpty())
            return fault(QCoreApplication::translate("History", kNoGameFolder));
        const int k = m_files++;
        if (m_files == m_head.files)
            m_part = Afters;
        return m_body.file ? m_body.file(k, *file) : Status::success();
    }
    Status after(const QJsonObject& o) {
        const auto after = numberedVersion(o, "after", m_head.files);
        if (!after || after->file <= m_lastAfter)
            //: why a line of a history record cannot be used, a clause; %1 is the line's number
            return fault(QCoreApplication::translate(
                "History", "line %1 names no file of the record in order"));
        m_lastAfter = after->file;
        return m_body.after ? m_body.after(*after) : Status::success();
    }
    Status sealed(const QJsonObject& o) {
        const QJsonObject r = o.value(QStringLiteral("ready")).toObject();
        const auto lines = numberIn(r.value(QStringLiteral("lines")), 0, qint64(1) << 40);
        if (!lines || *lines != m_number - 1 ||
            r.value(QStringLiteral("sha256")).toString() != m_hash.hex())
            //: why a line of a history record cannot be used, a clause; %1 is the line's
            //: number
            return fault(QCoreApplication::translate("History",
                                                     "line %1 does not match the lines before it: "
                                                     "the record was changed or damaged"));
        m_hashing = false;
        m_part = Ready;
        *m_ready = true;
        return Status::success();
    }

    const NativePath& m_path;
    const RecordHead& m_head;
    const RecordReader::Body& m_body;
    bool* m_ready;
    RecordedState* m_state;
    Part m_part = Head;
    int m_folders = 0;
    int m_files = 0;
    int m_lastAfter = -1;
    qint64 m_number = 0;
    Sha256 m_hash;
    bool m_hashing = true;
};

} // namespace

struct RecordReader::State {
    fs::File file;
    fs::Info info;
    qint64 size = 0;
    std::optional<RecordHead> head;
};

RecordReader::RecordReader()
    : m_state(std::make_unique<State>()) {}
RecordReader::RecordReader(RecordReader&&) noexcept = default;
RecordReader& RecordReader::operator=(RecordReader&&) noexcept = default;
RecordReader::~RecordReader() = default;

Result<RecordReader> RecordReader::open(const fs::Folder& operations, const QString& name) {
    auto file = operations.openForReading(name);
    if (!file)
        return file.status();
    const auto info = file->info();
    if (!info)
        return info.status();
    RecordReader reader;
    reader.m_state->file = std::move(*file);
    reader.m_state->info = *info;
    reader.m_state->size = info->size;
    return reader;
}

const fs::Info& RecordReader::fileInfo() const { return m_state->info; }

Result<RecordHead> RecordReader::head() {
    if (m_state->head)
        return *m_state->head;
    // Most heads are short: a small read first, a longer one only when it needs it.
    QByteArray start;
    qsizetype end = -1;
    for (const qint64 want : {qint64(4096), qint64(kMaxLine)}) {
        const qint64 size = std::min<qint64>(m_state->size, want);
        start.resize(qsizetype(size));
        if (const Status read = m_state->file.readExactly(start.data(), size, 0); !read)
            return read;
        end = start.indexOf('\n');
        if (end >= 0 || size == m_state->size)
            break;
    }
    if (end < 0)
        //: why a history record cannot be used, a clause
        return damaged(m_state->file.path(),
                       QCoreApplication::translate("History", "its first line is missing or too "
                                                              "long"));
    const auto object = objectOf(start.left(end));
    const auto head = object ? headOf(*object) : std::nullopt;
    if (!head)
        //: why a history record cannot be used, a clause
        return damaged(m_state->file.path(),
                       QCoreApplication::translate("History", "its first line is not the head of "
                                                              "a record of this Grovekeep"));
    m_state->head = head;
    return *head;
}

Result<RecordedState> RecordReader::state() {
    auto head = this->head();
    if (!head)
        return head.status();
    const auto end = completeSize(m_state->file);
    if (!end)
        return end.status();
    const qint64 from = std::max<qint64>(0, *end - kMaxLine - 1);
    QByteArray tail(qsizetype(*end - from), Qt::Uninitialized);
    if (const Status read = m_state->file.readExactly(tail.data(), tail.size(), from); !read)
        return read;
    tail.chop(1); // its last line end
    const qsizetype start = tail.lastIndexOf('\n');
    if (start < 0 && from > 0)
        //: why a history record cannot be used, a clause
        return damaged(m_state->file.path(),
                       QCoreApplication::translate("History", "its last line is too long"));
    const QByteArray last = tail.mid(start + 1);
    const auto object = objectOf(last);
    if (!object)
        //: why a history record cannot be used, a clause
        return damaged(m_state->file.path(),
                       QCoreApplication::translate("History", "its last line cannot be read"));
    if (!object->contains(QStringLiteral("state")))
        return RecordedState{}; // no state written yet: under way
    const auto state = stateOf(*object);
    if (!state)
        //: why a history record cannot be used, a clause; complete, undone and rolled-back
        //: are the states written in the record
        return damaged(m_state->file.path(),
                       QCoreApplication::translate(
                           "History", "its state is none of complete, undone or rolled-back"));
    return *state;
}

Status RecordReader::read(const Body& body, bool* ready, RecordedState* state) {
    *ready = false;
    *state = RecordedState{};
    const auto head = this->head();
    if (!head)
        return head.status();
    const NativePath& path = m_state->file.path();
    BodyLines lines(path, *head, body, ready, state);
    QByteArray buffer;
    qint64 offset = 0;
    for (;;) {
        const qsizetype newline = buffer.indexOf('\n');
        if (newline >= 0) {
            if (const Status added = lines.add(buffer.left(newline + 1)); !added)
                return added;
            buffer.remove(0, newline + 1);
            continue;
        }
        if (buffer.size() > kMaxLine)
            //: why a history record cannot be used, a clause; %1 is the number of a line
            return damaged(path, QCoreApplication::translate("History", "line %1 is too long")
                                     .arg(lines.number() + 1));
        const qint64 want = std::min<qint64>(1 << 20, m_state->size - offset);
        if (want <= 0)
            break; // a last line without its end was cut short: never written
        const qsizetype had = buffer.size();
        buffer.resize(had + qsizetype(want));
        if (const Status read = m_state->file.readExactly(buffer.data() + had, want, offset); !read)
            return read;
        offset += want;
    }
    if (lines.empty())
        //: why a history record cannot be used, a clause
        return damaged(path, QCoreApplication::translate("History", "it is empty"));
    return Status::success();
}

Status checkRecordLine(const QByteArray& line) {
    const auto object = objectOf(line);
    if (!object)
        return Status::failure(ErrorKind::Invalid, QStringLiteral("not a JSON object"));
    if (object->contains(QStringLiteral("record")))
        return headOf(*object) ? Status::success()
                               : Status::failure(ErrorKind::Invalid, QStringLiteral("bad head"));
    if (object->contains(QStringLiteral("state")))
        return stateOf(*object) ? Status::success()
                                : Status::failure(ErrorKind::Invalid, QStringLiteral("bad state"));
    if (object->contains(QStringLiteral("file")))
        return pathOf(*object, QStringLiteral("file"))
                   ? Status::success()
                   : Status::failure(ErrorKind::UnsafePath, QStringLiteral("bad file"));
    return Status::success();
}

} // namespace gk
