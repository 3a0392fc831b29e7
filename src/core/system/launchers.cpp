#include "launchers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace gk {

namespace {

constexpr qint64 kMaxFileBytes = 1 << 20; // the largest launcher file read
constexpr int kMaxEntries = 512;          // the folders looked at in one launcher folder
constexpr int kMaxDepth = 32;             // nesting of a YAML or VDF document

const QString kFlatpak = QStringLiteral(" (Flatpak)");

// Reads and lists below one home folder, following no link out of it, with notes on what
// was passed over.
class HomeReader {
public:
    HomeReader(const QString& home, QStringList& notes)
        : m_home(QDir::cleanPath(home))
        , m_canonicalHome(QFileInfo(home).canonicalFilePath())
        , m_notes(notes) {}

    QString path(const QString& relative) const { return m_home + QLatin1Char('/') + relative; }

    // Whether `path` (its links resolved) lies in the home folder.
    bool inside(const QString& path) const {
        const QString real = QFileInfo(path).canonicalFilePath();
        return !real.isEmpty() && !m_canonicalHome.isEmpty() &&
               (real == m_canonicalHome || real.startsWith(m_canonicalHome + QLatin1Char('/')));
    }

    // A launcher's file: nullopt when it is absent, or (with a note) when it leads out of the
    // home folder, is too large or cannot be read.
    std::optional<QByteArray> read(const QString& file) {
        const QFileInfo info(file);
        if (!info.exists())
            return std::nullopt;
        if (!info.isFile() || !inside(file)) {
            //: A note on a launcher's file that the search for the game did not read. %1 is
            //: the file.
            note(file, QCoreApplication::translate(
                           "Launchers", "Passed over %1: it is not a file in the home folder."));
            return std::nullopt;
        }
        if (info.size() > kMaxFileBytes) {
            //: A note on a launcher's file that the search for the game did not read. %1 is
            //: the file.
            note(file, QCoreApplication::translate(
                           "Launchers", "Passed over %1: it is larger than a launcher writes."));
            return std::nullopt;
        }
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly)) {
            //: A note on a launcher's file that the search for the game did not read. %1 is
            //: the file, %2 the system's reason.
            note(file, QCoreApplication::translate("Launchers", "Passed over %1: %2."),
                 in.errorString());
            return std::nullopt;
        }
        return in.read(kMaxFileBytes);
    }

    // The folders in `folder`, a bounded number: a link among them is taken only when it
    // leads to a folder in the home folder.
    QStringList folders(const QString& folder) const {
        QStringList out;
        const QDir dir(folder);
        for (const QFileInfo& entry :
             dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name)) {
            if (out.size() >= kMaxEntries)
                break;
            if (entry.isSymLink() && !inside(entry.filePath()))
                continue;
            out << entry.filePath();
        }
        return out;
    }

    // The files in `folder` whose names end in `suffix`, a bounded number.
    QStringList files(const QString& folder, const QString& suffix) const {
        QStringList out;
        const QDir dir(folder);
        for (const QFileInfo& entry : dir.entryInfoList(QDir::Files, QDir::Name)) {
            if (out.size() >= kMaxEntries)
                break;
            if (entry.fileName().endsWith(suffix, Qt::CaseInsensitive))
                out << entry.filePath();
        }
        return out;
    }

    QString expandHome(const QString& value) const {
        if (value == QStringLiteral("~"))
            return m_home;
        if (value.startsWith(QStringLiteral("~/")))
            return m_home + value.mid(1);
        return value;
    }

    // A note whose `sentence` names the file as %1.
    void note(const QString& file, const QString& sentence) {
        m_notes << sentence.arg(QDir::toNativeSeparators(file));
    }
    // The same with the system's reason as %2.
    void note(const QString& file, const QString& sentence, const QString& reason) {
        m_notes << sentence.arg(QDir::toNativeSeparators(file), reason);
    }

private:
    QString m_home;
    QString m_canonicalHome;
    QStringList& m_notes;
};

bool isPrefix(const QString& folder) {
    return !folder.isEmpty() && QDir::isAbsolutePath(folder) &&
           QFileInfo(folder + QStringLiteral("/drive_c")).isDir();
}

// A Wine build's program below `root`, when it is there.
NativePath wineIn(const QString& root) {
    const QString wine = root + QStringLiteral("/bin/wine");
    return QFileInfo(wine).isFile() ? NativePath(wine) : NativePath();
}

// A short, printable name out of a launcher's file.
QString cleanName(QString name) {
    name = name.trimmed().left(120);
    name.removeIf([](QChar c) { return !c.isPrint(); });
    return name;
}

class Search {
public:
    Search(const QString& home, PrefixSearch& out)
        : m_reader(home, out.notes)
        , m_out(out) {}

    void add(WinePrefix prefix) {
        if (!isPrefix(prefix.path.text()))
            return;
        prefix.path = NativePath(QDir::cleanPath(prefix.path.text()));
        const QString key = QFileInfo(prefix.path.text()).canonicalFilePath();
        for (WinePrefix& known : m_out.prefixes) {
            if (QFileInfo(known.path.text()).canonicalFilePath() != key)
                continue;
            // WINEPREFIX or ~/.wine may be a launcher's prefix: the launcher says more.
            if (known.launcher == QStringLiteral("Wine") && prefix.launcher != known.launcher)
                known = prefix;
            return;
        }
        m_out.prefixes << prefix;
    }

    void plainWine(const QString& environmentPrefix) {
        for (const QString& folder : {environmentPrefix, m_reader.path(QStringLiteral(".wine"))})
            add({NativePath(folder), QStringLiteral("Wine"), {}, {}, {}});
    }

    // Lutris: one YAML file a game; a Wine game's has game: prefix:, and wine: version: names
    // the runner, a folder of Lutris's runners/wine/.
    void lutris() {
        const struct {
            QStringList games;
            QString runners;
            QString launcher;
        } places[] = {
            {{QStringLiteral(".config/lutris/games"), QStringLiteral(".local/share/lutris/games")},
             QStringLiteral(".local/share/lutris/runners/wine"),
             QStringLiteral("Lutris")},
            {{QStringLiteral(".var/app/net.lutris.Lutris/config/lutris/games"),
              QStringLiteral(".var/app/net.lutris.Lutris/data/lutris/games")},
             QStringLiteral(".var/app/net.lutris.Lutris/data/lutris/runners/wine"),
             QStringLiteral("Lutris") + kFlatpak},
        };
        for (const auto& place : places) {
            for (const QString& games : place.games) {
                for (const QString& file :
                     m_reader.files(m_reader.path(games), QStringLiteral(".yml"))) {
                    const auto values = yaml(file);
                    if (!values)
                        continue;
                    const QString prefix = values->value(QStringLiteral("game.prefix"));
                    if (prefix.isEmpty())
                        continue; // not a Wine game
                    WinePrefix found{NativePath(m_reader.expandHome(prefix)),
                                     place.launcher,
                                     cleanName(values->value(QStringLiteral("wine.version"))),
                                     {},
                                     {}};
                    if (!found.wineName.isEmpty() && !found.wineName.contains(QLatin1Char('/')))
                        found.wine = wineIn(m_reader.path(place.runners) + QLatin1Char('/') +
                                            found.wineName);
                    const QString exe =
                        m_reader.expandHome(values->value(QStringLiteral("game.exe")));
                    if (QDir::isAbsolutePath(exe))
                        found.gameHint =
                            NativePath(QFileInfo(exe).absolutePath() + QLatin1Char('/'));
                    add(found);
                }
            }
        }
    }

    // Bottles: each bottle is a prefix of its own with a bottle.yml naming its runner, a folder
    // of Bottles's runners/ ("sys-..." runners are the system's wine).
    void bottles() {
        const struct {
            QString root;
            QString launcher;
        } places[] = {
            {QStringLiteral(".local/share/bottles"), QStringLiteral("Bottles")},
            {QStringLiteral(".var/app/com.usebottles.bottles/data/bottles"),
             QStringLiteral("Bottles") + kFlatpak},
        };
        for (const auto& place : places) {
            const QString root = m_reader.path(place.root);
            for (const QString& bottle : m_reader.folders(root + QStringLiteral("/bottles"))) {
                const QString file = bottle + QStringLiteral("/bottle.yml");
                if (!QFileInfo::exists(file)) {
                    add({NativePath(bottle), place.launcher, {}, {}, {}});
                    continue;
                }
                const auto values = yaml(file);
                if (!values)
                    continue;
                QString prefix = bottle;
                const QString custom = values->value(QStringLiteral("Custom_Path")).toLower();
                if (custom == QStringLiteral("true") || custom == QStringLiteral("yes"))
                    prefix = m_reader.expandHome(values->value(QStringLiteral("Path")));
                WinePrefix found{NativePath(prefix),
                                 place.launcher,
                                 cleanName(values->value(QStringLiteral("Runner"))),
                                 {},
                                 {}};
                if (found.wineName.startsWith(QStringLiteral("sys-")))
                    found.wineName.clear();
                else if (!found.wineName.isEmpty() && !found.wineName.contains(QLatin1Char('/')))
                    found.wine = wineIn(root + QStringLiteral("/runners/") + found.wineName);
                add(found);
            }
        }
    }

    // Heroic: one JSON file a game, its settings under the game's name: winePrefix, and
    // wineVersion with the build's program (bin), name and type. A Proton build's prefix is
    // the pfx folder inside winePrefix, and its bin is the proton script beside files/.
    void heroic() {
        const struct {
            QString folder;
            QString launcher;
        } places[] = {
            {QStringLiteral(".config/heroic/GamesConfig"), QStringLiteral("Heroic")},
            {QStringLiteral(".var/app/com.heroicgameslauncher.hgl/config/heroic/GamesConfig"),
             QStringLiteral("Heroic") + kFlatpak},
        };
        for (const auto& place : places) {
            for (const QString& file :
                 m_reader.files(m_reader.path(place.folder), QStringLiteral(".json"))) {
                const auto bytes = m_reader.read(file);
                if (!bytes)
                    continue;
                QJsonParseError error{};
                const QJsonDocument document = QJsonDocument::fromJson(*bytes, &error);
                if (error.error != QJsonParseError::NoError || !document.isObject()) {
                    //: A note on a launcher's file that the search for the game did not
                    //: read. %1 is the file.
                    m_reader.note(file,
                                  QCoreApplication::translate(
                                      "Launchers", "Passed over %1: it is not a JSON object."));
                    continue;
                }
                const QJsonObject games = document.object();
                for (auto game = games.begin(); game != games.end(); ++game) {
                    const QJsonObject settings = game.value().toObject();
                    QString prefix = m_reader.expandHome(
                        settings.value(QStringLiteral("winePrefix")).toString());
                    if (prefix.isEmpty())
                        continue;
                    const QJsonObject version =
                        settings.value(QStringLiteral("wineVersion")).toObject();
                    const QString type = version.value(QStringLiteral("type")).toString();
                    const QString bin = version.value(QStringLiteral("bin")).toString();
                    WinePrefix found{NativePath(prefix),
                                     place.launcher,
                                     cleanName(version.value(QStringLiteral("name")).toString()),
                                     {},
                                     {}};
                    if (type.compare(QStringLiteral("proton"), Qt::CaseInsensitive) == 0) {
                        if (isPrefix(prefix + QStringLiteral("/pfx")))
                            found.path = NativePath(prefix + QStringLiteral("/pfx"));
                        found.wine = protonWine(QFileInfo(bin).absolutePath());
                    } else if (QDir::isAbsolutePath(bin) && QFileInfo(bin).isFile()) {
                        found.wine = NativePath(bin);
                    }
                    add(found);
                }
            }
        }
    }

    // Steam: every library of libraryfolders.vdf (and Steam's own folder) keeps a prefix a
    // game in steamapps/compatdata/<id>/pfx; beside it, version names the Proton that last
    // ran it and config_info where that Proton's files are.
    void steam() {
        const struct {
            QString root;
            QString launcher;
        } places[] = {
            {QStringLiteral(".local/share/Steam"), QStringLiteral("Steam")},
            {QStringLiteral(".steam/steam"), QStringLiteral("Steam")},
            {QStringLiteral(".steam/root"), QStringLiteral("Steam")},
            {QStringLiteral(".var/app/com.valvesoftware.Steam/.local/share/Steam"),
             QStringLiteral("Steam") + kFlatpak},
            {QStringLiteral(".var/app/com.valvesoftware.Steam/data/Steam"),
             QStringLiteral("Steam") + kFlatpak},
        };
        QSet<QString> seen;
        for (const auto& place : places) {
            const QString root = m_reader.path(place.root);
            if (!QFileInfo(root).isDir() || !m_reader.inside(root))
                continue;
            QStringList libraries{root};
            for (const QString& name : {QStringLiteral("steamapps/libraryfolders.vdf"),
                                        QStringLiteral("config/libraryfolders.vdf")}) {
                const QString file = root + QLatin1Char('/') + name;
                const auto bytes = m_reader.read(file);
                if (!bytes)
                    continue;
                const auto values = readVdf(*bytes);
                if (!values) {
                    //: A note on a launcher's file that the search for the game did not
                    //: read. %1 is the file.
                    m_reader.note(
                        file, QCoreApplication::translate(
                                  "Launchers", "Passed over %1: it is not a Steam library list."));
                    continue;
                }
                for (auto value = values->begin(); value != values->end(); ++value) {
                    const QStringList key = value.key().split(QLatin1Char('/'));
                    if (key.size() == 3 && key.at(0) == QStringLiteral("libraryfolders") &&
                        key.at(2) == QStringLiteral("path") && QDir::isAbsolutePath(value.value()))
                        libraries << value.value();
                }
            }
            for (const QString& library : libraries) {
                const QString canonical = QFileInfo(library).canonicalFilePath();
                if (canonical.isEmpty() || seen.contains(canonical))
                    continue;
                seen << canonical;
                for (const QString& game :
                     m_reader.folders(library + QStringLiteral("/steamapps/compatdata"))) {
                    WinePrefix found{
                        NativePath(game + QStringLiteral("/pfx")), place.launcher, {}, {}, {}};
                    if (const auto version = m_reader.read(game + QStringLiteral("/version")))
                        found.wineName = cleanName(QStringLiteral("Proton ") +
                                                   QString::fromUtf8(version->split('\n').first()));
                    if (const auto info = m_reader.read(game + QStringLiteral("/config_info")))
                        found.wine = protonWineFromConfig(*info);
                    add(found);
                }
            }
        }
    }

    // PlayOnLinux: ~/.PlayOnLinux/wineprefix/<name>/, its playonlinux.cfg naming the Wine
    // version and architecture of PlayOnLinux's own builds (none: the system's wine).
    void playOnLinux() {
        const QString root = m_reader.path(QStringLiteral(".PlayOnLinux"));
        for (const QString& prefix : m_reader.folders(root + QStringLiteral("/wineprefix"))) {
            WinePrefix found{NativePath(prefix), QStringLiteral("PlayOnLinux"), {}, {}, {}};
            if (const auto config = m_reader.read(prefix + QStringLiteral("/playonlinux.cfg"))) {
                QString version;
                QString arch = QStringLiteral("x86");
                for (const QByteArray& line : config->split('\n')) {
                    const QString text = QString::fromUtf8(line).trimmed();
                    if (text.startsWith(QStringLiteral("VERSION=")))
                        version = cleanName(text.mid(8));
                    else if (text.startsWith(QStringLiteral("ARCH=")))
                        arch = cleanName(text.mid(5));
                }
                if (!version.isEmpty() && !version.contains(QLatin1Char('/')) &&
                    !arch.contains(QLatin1Char('/'))) {
                    found.wineName = QStringLiteral("PlayOnLinux Wine ") + version;
                    found.wine = wineIn(root + QStringLiteral("/wine/linux-") + arch +
                                        QLatin1Char('/') + version);
                }
            }
            add(found);
        }
    }

private:
    std::optional<QHash<QString, QString>> yaml(const QString& file) {
        const auto bytes = m_reader.read(file);
        if (!bytes)
            return std::nullopt;
        auto values = readYamlScalars(*bytes);
        if (!values)
            //: A note on a launcher's file that the search for the game did not read. %1 is
            //: the file.
            m_reader.note(file, QCoreApplication::translate("Launchers",
                                                            "Passed over %1: it is not a YAML "
                                                            "file as its launcher writes it."));
        return values;
    }

    // A Proton build keeps its Wine in files/ (older ones in dist/).
    static NativePath protonWine(const QString& protonFolder) {
        for (const QString& inner : {QStringLiteral("/files"), QStringLiteral("/dist")}) {
            const NativePath wine = wineIn(protonFolder + inner);
            if (!wine.isEmpty())
                return wine;
        }
        return {};
    }

    // config_info lists paths inside the Proton build, such as ".../Proton 8.0/files/share/fonts/".
    static NativePath protonWineFromConfig(const QByteArray& info) {
        for (const QByteArray& line : info.split('\n')) {
            const QString text = QString::fromUtf8(line).trimmed();
            for (const QString& inner : {QStringLiteral("/files/"), QStringLiteral("/dist/")}) {
                const qsizetype at = text.indexOf(inner);
                if (at > 0 && QDir::isAbsolutePath(text)) {
                    const NativePath wine = wineIn(text.left(at + inner.size() - 1));
                    if (!wine.isEmpty())
                        return wine;
                }
            }
        }
        return {};
    }

    HomeReader m_reader;
    PrefixSearch& m_out;
};

QString unquoteYaml(const QString& value) {
    if (value.size() >= 2 && value.startsWith(QLatin1Char('\'')) &&
        value.endsWith(QLatin1Char('\'')))
        return value.mid(1, value.size() - 2).replace(QStringLiteral("''"), QStringLiteral("'"));
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) &&
        value.endsWith(QLatin1Char('"'))) {
        QString out;
        const QString inner = value.mid(1, value.size() - 2);
        for (qsizetype i = 0; i < inner.size(); ++i) {
            QChar c = inner.at(i);
            if (c == QLatin1Char('\\') && i + 1 < inner.size()) {
                c = inner.at(++i);
                if (c == QLatin1Char('n'))
                    c = QLatin1Char('\n');
                else if (c == QLatin1Char('t'))
                    c = QLatin1Char('\t');
            }
            out += c;
        }
        return out;
    }
    // A comment after a plain value.
    const qsizetype comment = value.indexOf(QStringLiteral(" #"));
    return (comment >= 0 ? value.left(comment) : value).trimmed();
}

} // namespace

std::optional<QHash<QString, QString>> readYamlScalars(const QByteArray& text) {
    if (text.contains('\0'))
        return std::nullopt;
    QHash<QString, QString> out;
    QList<QPair<qsizetype, QString>> parents; // indentation and key of the open mappings
    qsizetype blockIndent = -1;               // inside a block scalar or a list below a key
    for (QByteArray raw : text.split('\n')) {
        if (raw.endsWith('\r'))
            raw.chop(1);
        const QString line = QString::fromUtf8(raw);
        const QString trimmed = line.trimmed();
        qsizetype indent = 0;
        while (indent < line.size() && line.at(indent) == QLatin1Char(' '))
            ++indent;
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        if (blockIndent >= 0 && indent > blockIndent)
            continue;
        blockIndent = -1;
        if (indent < line.size() && line.at(indent) == QLatin1Char('\t'))
            return std::nullopt;
        if (trimmed == QStringLiteral("---") || trimmed == QStringLiteral("..."))
            continue;
        const QString content = line.mid(indent);
        if (content == QStringLiteral("-") || content.startsWith(QStringLiteral("- "))) {
            blockIndent = indent; // a list: its items are skipped
            continue;
        }
        QString key;
        QString rest;
        if (content.startsWith(QLatin1Char('"')) || content.startsWith(QLatin1Char('\''))) {
            const qsizetype close = content.indexOf(content.at(0), 1);
            if (close < 0 || content.mid(close + 1, 1) != QStringLiteral(":"))
                return std::nullopt;
            key = content.mid(1, close - 1);
            rest = content.mid(close + 2);
        } else {
            qsizetype colon = content.indexOf(QStringLiteral(": "));
            if (colon < 0 && content.endsWith(QLatin1Char(':')))
                colon = content.size() - 1;
            if (colon <= 0)
                return std::nullopt;
            key = content.left(colon).trimmed();
            rest = content.mid(colon + 1);
        }
        while (!parents.isEmpty() && parents.constLast().first >= indent)
            parents.removeLast();
        if (parents.size() >= kMaxDepth)
            return std::nullopt;
        QString path;
        for (const auto& parent : parents)
            path += parent.second + QLatin1Char('.');
        path += key;
        const QString value = rest.trimmed();
        if (value.isEmpty() || value.startsWith(QLatin1Char('#'))) {
            parents.append({indent, key});
            // A list may follow at the same indentation as its key.
            blockIndent = -1;
        } else if (value.startsWith(QLatin1Char('|')) || value.startsWith(QLatin1Char('>'))) {
            blockIndent = indent;
        } else if (value.startsWith(QLatin1Char('[')) || value.startsWith(QLatin1Char('{')) ||
                   value.startsWith(QLatin1Char('&')) || value.startsWith(QLatin1Char('*'))) {
            continue;
        } else {
            out.insert(path, unquoteYaml(value));
        }
    }
    return out;
}

std::optional<QHash<QString, QString>> readVdf(const QByteArray& text) {
    if (text.contains('\0'))
        return std::nullopt;
    const QString source = QString::fromUtf8(text);
    qsizetype at = 0;
    enum class Kind { Text, Open, Close, End, Bad };
    QString token;
    const auto next = [&]() -> Kind {
        for (;;) {
            while (at < source.size() && source.at(at).isSpace())
                ++at;
            if (source.mid(at, 2) == QStringLiteral("//")) {
                while (at < source.size() && source.at(at) != QLatin1Char('\n'))
                    ++at;
                continue;
            }
            break;
        }
        if (at >= source.size())
            return Kind::End;
        const QChar c = source.at(at);
        if (c == QLatin1Char('{') || c == QLatin1Char('}')) {
            ++at;
            return c == QLatin1Char('{') ? Kind::Open : Kind::Close;
        }
        token.clear();
        if (c == QLatin1Char('"')) {
            for (++at; at < source.size(); ++at) {
                QChar ch = source.at(at);
                if (ch == QLatin1Char('"')) {
                    ++at;
                    return Kind::Text;
                }
                if (ch == QLatin1Char('\\') && at + 1 < source.size()) {
                    ch = source.at(++at);
                    if (ch == QLatin1Char('n'))
                        ch = QLatin1Char('\n');
                    else if (ch == QLatin1Char('t'))
                        ch = QLatin1Char('\t');
                }
                token += ch;
            }
            return Kind::Bad; // unterminated
        }
        while (at < source.size() && !source.at(at).isSpace() &&
               source.at(at) != QLatin1Char('"') && source.at(at) != QLatin1Char('{') &&
               source.at(at) != QLatin1Char('}'))
            token += source.at(at++);
        return Kind::Text;
    };
    QHash<QString, QString> out;
    QStringList path;
    for (;;) {
        Kind kind = next();
        if (kind == Kind::End)
            return path.isEmpty() ? std::optional(out) : std::nullopt;
        if (kind == Kind::Close) {
            if (path.isEmpty())
                return std::nullopt;
            path.removeLast();
            continue;
        }
        if (kind != Kind::Text)
            return std::nullopt;
        const QString key = token.toLower();
        kind = next();
        if (kind == Kind::Text) {
            QString value = token;
            out.insert((path + QStringList{key}).join(QLatin1Char('/')), value);
        } else if (kind == Kind::Open) {
            if (path.size() >= kMaxDepth)
                return std::nullopt;
            path << key;
        } else {
            return std::nullopt;
        }
    }
}

PrefixSearch findWinePrefixes(const QString& home, const QString& environmentPrefix) {
    PrefixSearch out;
    Search search(home, out);
    search.plainWine(environmentPrefix);
    search.lutris();
    search.bottles();
    search.heroic();
    search.steam();
    search.playOnLinux();
    return out;
}

} // namespace gk
