// grovekeep-vif: lists, extracts, packs and installs package files (.vif), and shows, undoes,
// verifies and prunes the history of changes, from the command line, with the same code as
// Grovekeep's windows.

#include "help.h"
#include "json.h"

#include "base/paths.h"
#include "base/quoting.h"
#include "base/version.h"
#include "files/describe.h"
#include "files/fsys.h"
#include "files/store.h"
#include "installer/compile.h"
#include "installer/install.h"
#include "installer/installpath.h"
#include "installer/vif.h"
#include "settings/language.h"
#include "settings/options.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

using namespace gk;
using namespace gk::cli;

namespace {

enum ExitStatus { Done = 0, Refused = 1, UsageError = 2 };

void print(std::FILE* stream, const QString& line) {
    const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    // Messages are seen as they come, also where the C library buffers a redirected stderr
    // (Windows' does).
    if (stream == stderr)
        std::fflush(stream);
}
void out(const QString& line) { print(stdout, line); }
void err(const QString& line) { print(stderr, line); }

// One of the help texts, in the user's language.
QByteArray helpText(const char* help) {
    return QCoreApplication::translate("PackageTool", help).toUtf8();
}

// The one document --json prints.
void outJson(const QJsonDocument& document) {
    const QByteArray bytes = document.toJson(QJsonDocument::Indented);
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

const QString kJson = QStringLiteral("--json");

int usage(const QString& message, const char* help) {
    err(QStringLiteral("grovekeep-vif: %1").arg(message));
    const QByteArray text = helpText(help);
    std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
    return UsageError;
}

int showHelp(const char* help) {
    const QByteArray text = helpText(help);
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    return Done;
}

// A folder given on the command line, absolute and with the trailing separator that the
// installer composes paths on.
ComposedPath asFolderValue(const QString& folder) {
    const QString absolute = QDir::cleanPath(QDir::current().absoluteFilePath(folder));
    return ComposedPath(absolute.endsWith(QLatin1Char('/')) ? absolute
                                                            : absolute + QLatin1Char('/'));
}

// The arguments of a command: its options with their values, and the rest in order.
struct Arguments {
    QStringList positional;
    std::optional<ComposedPath> gameFolder;
    std::optional<ComposedPath> managerFolder;
    QStringList flags;
    std::optional<QString> olderThan;
    QString problem; // a usage error
};

// The command-line conventions of GNU tools, as QCommandLineParser has them: an option's value
// follows it as the next argument or after "=" (--game-folder=DIR), and "--" ends the options,
// so that what follows is taken as it is, a name beginning with "-" too.
const QString kEndOfOptions = QStringLiteral("--");

// The arguments before "--": where options are looked for.
QStringList optionsPart(const QStringList& args) {
    const qsizetype end = args.indexOf(kEndOfOptions);
    return end < 0 ? args : args.first(end);
}

// An option written "--name=value" split in two; the value is absent without "=".
std::pair<QString, std::optional<QString>> splitOption(const QString& arg) {
    const qsizetype equals = arg.indexOf(QLatin1Char('='));
    if (!arg.startsWith(QLatin1String("--")) || equals < 0)
        return {arg, std::nullopt};
    return {arg.left(equals), arg.mid(equals + 1)};
}

// The value of the option at args[k]: the one after its "=", else the next argument (and k
// moves past it); empty when there is none, "--" being no value.
QString optionValue(const QStringList& args, qsizetype& k, const std::optional<QString>& attached) {
    if (attached)
        return *attached;
    if (k + 1 < args.size() && args.at(k + 1) != kEndOfOptions)
        return args.at(++k);
    return QString();
}

Arguments parse(const QStringList& args, const QStringList& flags, bool folders,
                bool olderThan = false) {
    Arguments a;
    for (qsizetype k = 0; k < args.size(); ++k) {
        if (args.at(k) == kEndOfOptions) {
            a.positional << args.mid(k + 1);
            break;
        }
        const auto [arg, attached] = splitOption(args.at(k));
        const bool folderOption = folders && (arg == QStringLiteral("--game-folder") ||
                                              arg == QStringLiteral("--manager-folder"));
        if (flags.contains(arg)) {
            if (attached) {
                //: %1 is an option's name
                a.problem =
                    QCoreApplication::translate("PackageTool", "%1 takes no value.").arg(arg);
                return a;
            }
            a.flags << arg;
        } else if (folderOption || (olderThan && arg == QStringLiteral("--older-than"))) {
            const QString value = optionValue(args, k, attached);
            if (value.isEmpty()) {
                if (olderThan && !folderOption)
                    //: %1 is an option's name
                    a.problem =
                        QCoreApplication::translate("PackageTool", "%1 needs a number.").arg(arg);
                else
                    //: %1 is an option's name
                    a.problem =
                        QCoreApplication::translate("PackageTool", "%1 needs a folder.").arg(arg);
                return a;
            }
            if (arg == QStringLiteral("--game-folder"))
                a.gameFolder = asFolderValue(value);
            else if (arg == QStringLiteral("--manager-folder"))
                a.managerFolder = asFolderValue(value);
            else
                a.olderThan = value;
        } else if (arg.startsWith(QLatin1String("--"))) {
            a.problem = QCoreApplication::translate("PackageTool", "unknown option %1.").arg(arg);
            return a;
        } else {
            a.positional << arg;
        }
    }
    return a;
}

// The two folders of options.txt, for what the command line did not give.
void completeFolders(Arguments& a) {
    if (a.gameFolder && a.managerFolder)
        return;
    const auto settings = readSettingsFile(startupSettingsCandidates());
    const QStringList values = settings ? settings->values : QStringList();
    if (!a.gameFolder && !values.value(LineGameFolder).isEmpty())
        a.gameFolder = ComposedPath(values.value(LineGameFolder));
    if (!a.managerFolder && !values.value(LineManagerFolder).isEmpty())
        a.managerFolder = ComposedPath(values.value(LineManagerFolder));
}

// Says on stderr, once and after a second, that another program holds the history's lock.
ChangeStore::Waiting waitingNotice() {
    auto since = std::make_shared<QElapsedTimer>();
    auto said = std::make_shared<bool>(false);
    return [since, said](bool ended) {
        if (ended)
            return true;
        if (!since->isValid())
            since->start();
        if (!*said && since->elapsed() >= 1000) {
            *said = true;
            err(QCoreApplication::translate(
                "PackageTool", "Waiting for another Grovekeep or grovekeep-vif to finish..."));
        }
        return true;
    };
}

// Reports what the recovery of an interrupted run did; false when an interrupted change could
// not be rolled back whole.
bool reportRecovered(const QList<Recovered>& recovered) {
    bool whole = true;
    for (const Recovered& r : recovered) {
        if (r.operation)
            //: %1 says what the change was and what became of its files
            err(QCoreApplication::translate("PackageTool", "An interrupted change was undone. %1")
                    .arg(recoveredText(r)));
        for (const QString& kept : r.kept)
            err(QStringLiteral("  %1.").arg(kept));
        for (const QString& problem : r.problems)
            //: Indented under "An interrupted change was undone."; %1 is the file and why
            err(QCoreApplication::translate("PackageTool", "  Not rolled back: %1").arg(problem));
        whole = whole && r.problems.isEmpty();
    }
    return whole;
}

// The store of the Grovekeep folder (nothing is created yet).
std::optional<ChangeStore> openedStore(const Arguments& a) {
    if (!a.managerFolder) {
        err(QCoreApplication::translate("PackageTool",
                                        "The Grovekeep folder is not known: give --manager-folder "
                                        "or set it in options.txt."));
        return std::nullopt;
    }
    auto store = openStore(*a.managerFolder, a.gameFolder.value_or(ComposedPath()));
    if (!store) {
        err(store.error());
        return std::nullopt;
    }
    store->setWaiting(waitingNotice());
    return std::move(*store);
}

// The store of the Grovekeep folder, after rolling back what an interrupted run left.
std::optional<ChangeStore> storeOf(const Arguments& a) {
    auto store = openedStore(a);
    if (!store)
        return std::nullopt;
    const auto recovered = store->recover();
    if (!recovered) {
        err(recovered.error());
        return std::nullopt;
    }
    reportRecovered(*recovered);
    return store;
}

// The package at `path`, read for extract, which needs no SHA-256 of it.
std::optional<vif::Package> readPackageFile(const QString& path) {
    auto opened = vif::PackageText::open(NativePath(path), vif::PackageText::Hash::None);
    if (!opened) {
        err(opened.error());
        return std::nullopt;
    }
    auto package = vif::readPackage(*opened);
    if (!package) {
        err(package.error());
        return std::nullopt;
    }
    return std::move(*package);
}

// Appends `text` as oneLine shows it, in UTF-8; printable ASCII, which most names are, as it is.
void appendOneLine(QByteArray& out, const QString& text) {
    if (!std::all_of(text.cbegin(), text.cend(),
                     [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7F; })) {
        out += oneLine(text).toUtf8();
        return;
    }
    const qsizetype at = out.size();
    out.resize(at + text.size());
    std::transform(text.cbegin(), text.cend(), out.begin() + at,
                   [](QChar c) { return char(c.unicode()); });
}

int listCommand(const QStringList& args) {
    const Arguments a = parse(args, {kJson}, false);
    if (!a.problem.isEmpty())
        return usage(a.problem, kListHelp);
    if (a.positional.size() != 1)
        return usage(QCoreApplication::translate("PackageTool", "list takes one package."),
                     kListHelp);
    const auto text =
        vif::PackageText::open(NativePath(a.positional.at(0)), vif::PackageText::Hash::None);
    if (!text) {
        err(text.error());
        return Refused;
    }
    // The output is made as the entries are read, without keeping them, and written once all
    // were read.
    const bool json = a.flags.contains(kJson);
    QByteArray output = json ? QByteArrayLiteral("[\n") : QByteArray();
    QStringList problems;
    const Status read = vif::readEntries(
        *text, [&](int number, const vif::PackEntry& entry, const QString& problem) {
            if (json) {
                if (number > 1)
                    output += ",\n";
                output += indentedElement(entryJson(number, entry, problem));
            } else {
                appendOneLine(output, entry.installPath);
                output += '\t';
                appendOneLine(output, entry.title);
                output += '\t';
                output += QByteArray::number(entry.size);
                output += '\n';
            }
            if (!problem.isEmpty())
                problems << QStringLiteral("%1: %2.").arg(vif::entryLabel(number, entry), problem);
            return true;
        });
    if (!read) {
        err(read.error());
        return Refused;
    }
    if (json)
        output += "\n]\n";
    std::fwrite(output.constData(), 1, size_t(output.size()), stdout);
    // A list cut short by a full disk or a closed pipe is no list.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        //: %1 is the system's reason
        err(QCoreApplication::translate("PackageTool", "Could not write the list of entries: %1.")
                .arg(QString::fromLocal8Bit(std::strerror(errno))));
        return Refused;
    }
    for (const QString& problem : problems)
        err(problem);
    return problems.isEmpty() ? Done : Refused;
}

// Writes new files, through the store when the Grovekeep folder is known.
int writeFiles(Arguments& a, const OperationInfo& info, const QList<FileChange>& changes,
               const QString& nothing) {
    completeFolders(a);
    std::optional<ChangeStore> store;
    if (a.managerFolder && !(store = storeOf(a)))
        return Refused;
    const Status status = saveFiles(store ? &*store : nullptr, info, changes);
    if (!status) {
        err(status.error());
        err(nothing);
        return Refused;
    }
    return Done;
}

int extractCommand(const QStringList& args) {
    Arguments a = parse(args, {}, true);
    if (!a.problem.isEmpty())
        return usage(a.problem, kExtractHelp);
    if (a.positional.size() != 2)
        return usage(
            QCoreApplication::translate("PackageTool", "extract takes a package and a folder."),
            kExtractHelp);
    const auto package = readPackageFile(a.positional.at(0));
    if (!package)
        return Refused;
    QStringList problems = package->problems;
    for (qsizetype k = 0; k < package->entries.size(); ++k) {
        const QString& title = package->entries.at(k).title;
        const QString refusal = titleRefusal(title);
        if (package->entryProblems.at(k).isEmpty() && !refusal.isEmpty())
            problems << QStringLiteral("%1: %2.").arg(vif::entryLabel(int(k + 1), title), refusal);
    }
    if (!problems.isEmpty()) {
        for (const QString& problem : problems)
            err(problem);
        err(QCoreApplication::translate("PackageTool", "Nothing was extracted."));
        return Refused;
    }
    // The folder is created when missing, below the nearest folder that exists.
    QString existing = QDir::cleanPath(QDir::current().absoluteFilePath(a.positional.at(1)));
    QStringList missing;
    while (!QFileInfo(existing).isDir() && QFileInfo(existing).path() != existing) {
        missing.prepend(QFileInfo(existing).fileName());
        existing = QFileInfo(existing).path();
    }
    QList<FileChange> changes;
    for (const vif::PackEntry& entry : package->entries) {
        FileChange change(fs::Location::below(NativePath(existing),
                                              (missing + QStringList{entry.title}).join('/')),
                          package->contents(entry));
        change.createFolders = true;
        changes << change;
    }
    OperationInfo info;
    info.kind = QStringLiteral("extract");
    info.what = QStringLiteral("Package %1 extracted")
                    .arg(quotedName(NativePath(a.positional.at(0)).fileName()));
    const int status = writeFiles(
        a, info, changes, QCoreApplication::translate("PackageTool", "Nothing was extracted."));
    if (status == Done) {
        for (const FileChange& change : changes)
            out(change.target.path().shown());
    }
    return status;
}

// The lines of a file or of standard input, read a block at a time; a failed read is told
// apart from the end.
class LineReader {
public:
    explicit LineReader(const QString& path) {
        // Unbuffered: every read reaches the system, which reports a failure as such.
        m_opened = path == QStringLiteral("-")
                       ? m_file.open(0, QIODevice::ReadOnly | QIODevice::Unbuffered)
                       : (m_file.setFileName(path),
                          m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    }
    bool opened() const { return m_opened; }
    QString error() const { return m_file.errorString(); }

    enum Read { Line, End, Failed };
    // The next line without its LF (and a CR before it); a line longer than `longest` is cut
    // there.
    Read next(QByteArray& line, qsizetype longest) {
        for (;;) {
            const qsizetype end = m_buffer.indexOf('\n', m_at);
            if (end >= 0 || m_ended || m_buffer.size() - m_at > longest) {
                if (end < 0 && m_at == m_buffer.size())
                    return End;
                const qsizetype stop = end >= 0 ? end : m_buffer.size();
                line = m_buffer.mid(m_at, std::min(stop - m_at, longest + 1));
                m_at = end >= 0 ? end + 1 : m_buffer.size();
                if (line.endsWith('\r'))
                    line.chop(1);
                return Line;
            }
            m_buffer.remove(0, m_at);
            m_at = 0;
            const qsizetype had = m_buffer.size();
            m_buffer.resize(had + (64 << 10));
            const qint64 got = m_file.read(m_buffer.data() + had, 64 << 10);
            m_buffer.resize(had + std::max<qint64>(got, 0));
            if (got < 0)
                return Failed;
            m_ended = got == 0;
        }
    }

private:
    QFile m_file;
    bool m_opened = false;
    QByteArray m_buffer;
    qsizetype m_at = 0; // where the next line starts in m_buffer
    bool m_ended = false;
};

// Adds the files a list names, one "FILE<TAB>INSTALL_PATH" a line in UTF-8 (a CR before the
// LF tolerated, empty lines skipped), read from `listPath` ("-": standard input) as it goes.
Status addListedFiles(PackageCompiler& compiler, const QString& listPath) {
    // Every message names the list: by its path, or as standard input.
    const bool standardInput = listPath == QStringLiteral("-");
    const QString name = standardInput ? QString() : quotedPath(NativePath(listPath));
    LineReader list(listPath);
    if (!list.opened()) {
        if (standardInput)
            //: %1 is the system's reason
            return Status::failure(
                ErrorKind::Failed,
                QCoreApplication::translate("PackageTool",
                                            "Could not read the list on standard input: %1.")
                    .arg(list.error()));
        //: %1 is the list's file, %2 the system's reason
        return Status::failure(
            ErrorKind::Failed,
            QCoreApplication::translate("PackageTool", "Could not read the list %1: %2.")
                .arg(name, list.error()));
    }
    // No name is this long: a longer line is no list of names.
    constexpr qsizetype kLongestLine = 64 << 10;
    QByteArray line;
    for (int number = 1;; ++number) {
        // `problem` of the line, a sentence of its own when `stop` (the problems of the files
        // named end with their own full stop).
        auto ofLine = [&](const QString& problem, bool stop) {
            if (standardInput && stop)
                //: %1 is the line's number, %2 what is wrong with the line
                return QCoreApplication::translate("PackageTool",
                                                   "The list on standard input, line %1: %2.")
                    .arg(number)
                    .arg(problem);
            if (standardInput)
                //: %1 is the line's number, %2 what is wrong with the line (which ends with its
                //: own full stop)
                return QCoreApplication::translate("PackageTool",
                                                   "The list on standard input, line %1: %2")
                    .arg(number)
                    .arg(problem);
            if (stop)
                //: %1 is the list's file, %2 the line's number, %3 what is wrong with the line
                return QCoreApplication::translate("PackageTool", "The list %1, line %2: %3.")
                    .arg(name)
                    .arg(number)
                    .arg(problem);
            //: %1 is the list's file, %2 the line's number, %3 what is wrong with the line (which
            //: ends with its own full stop)
            return QCoreApplication::translate("PackageTool", "The list %1, line %2: %3")
                .arg(name)
                .arg(number)
                .arg(problem);
        };
        auto refuse = [&](const QString& reason) {
            return Status::failure(ErrorKind::Invalid, ofLine(reason, true));
        };
        const LineReader::Read read = list.next(line, kLongestLine);
        if (read == LineReader::End)
            return Status::success();
        if (read == LineReader::Failed && standardInput)
            //: %1 is the line's number, %2 the system's reason
            return Status::failure(
                ErrorKind::Failed,
                QCoreApplication::translate(
                    "PackageTool", "Could not read the list on standard input at line %1: %2.")
                    .arg(number)
                    .arg(list.error()));
        if (read == LineReader::Failed)
            //: %1 is the list's file, %2 the line's number, %3 the system's reason
            return Status::failure(ErrorKind::Failed,
                                   QCoreApplication::translate(
                                       "PackageTool", "Could not read the list %1 at line %2: %3.")
                                       .arg(name)
                                       .arg(number)
                                       .arg(list.error()));
        if (line.size() > kLongestLine)
            //: What is wrong with a line of a list of files; %1 is a number above 60000
            return refuse(QCoreApplication::translate("PackageTool", "it is longer than %1 bytes")
                              .arg(kLongestLine));
        if (line.isEmpty())
            continue;
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8.decode(line);
        if (utf8.hasError())
            //: What is wrong with a line of a list of files
            return refuse(QCoreApplication::translate("PackageTool", "it is not UTF-8 text"));
        // A Windows install path holds no tab; the path of a file may.
        const qsizetype tab = text.lastIndexOf(QLatin1Char('\t'));
        if (tab < 0)
            //: What is wrong with a line of a list of files
            return refuse(QCoreApplication::translate(
                "PackageTool", "no tab separates the file from its install path"));
        if (tab == 0)
            //: What is wrong with a line of a list of files
            return refuse(
                QCoreApplication::translate("PackageTool", "the file is missing before the tab"));
        if (tab == text.size() - 1)
            //: What is wrong with a line of a list of files
            return refuse(QCoreApplication::translate("PackageTool",
                                                      "the install path is missing after the tab"));
        const Status added =
            compiler.AddPackFile(NativePath(text.left(tab)), NativePath(text.mid(tab + 1)));
        if (!added)
            return added.withMessage(ofLine(added.error(), false));
    }
}

int packCommand(const QStringList& args) {
    // --files-from LIST is pack's own: taken out before the options every command shares.
    QStringList rest;
    std::optional<QString> listPath;
    for (qsizetype k = 0; k < args.size(); ++k) {
        if (args.at(k) == kEndOfOptions) {
            rest << args.mid(k);
            break;
        }
        const auto [arg, attached] = splitOption(args.at(k));
        if (arg != QStringLiteral("--files-from")) {
            rest << args.at(k);
            continue;
        }
        if (listPath)
            return usage(QCoreApplication::translate("PackageTool", "--files-from is given twice."),
                         kPackHelp);
        const QString value = optionValue(args, k, attached);
        if (value.isEmpty())
            return usage(QCoreApplication::translate(
                             "PackageTool", "--files-from needs a file (- for standard input)."),
                         kPackHelp);
        listPath = value;
    }
    Arguments a = parse(rest, {}, true);
    if (!a.problem.isEmpty())
        return usage(a.problem, kPackHelp);
    if (a.positional.isEmpty() || a.positional.size() % 2 == 0 ||
        (a.positional.size() < 3 && !listPath))
        return usage(QCoreApplication::translate("PackageTool",
                                                 "pack takes a package and pairs of FILE "
                                                 "INSTALL_PATH, or --files-from LIST."),
                     kPackHelp);
    const QString notWritten =
        QCoreApplication::translate("PackageTool", "The package was not written.");
    auto refuse = [&notWritten](const QString& why) {
        err(why);
        err(notWritten);
        return Refused;
    };
    const NativePath package(QDir::current().absoluteFilePath(a.positional.at(0)));
    // Small files are kept beside the package, from where it is written inside the kernel.
    PackageCompiler compiler(package.folder());
    for (qsizetype k = 1; k + 1 < a.positional.size(); k += 2) {
        const Status added = compiler.AddPackFile(NativePath(a.positional.at(k)),
                                                  NativePath(a.positional.at(k + 1)));
        if (!added)
            return refuse(added.error());
    }
    if (listPath) {
        if (const Status added = addListedFiles(compiler, *listPath); !added)
            return refuse(added.error());
    }
    if (compiler.entryCount() == 0)
        return refuse(QCoreApplication::translate("PackageTool", "The list names no files."));
    if (const QString problem = compiler.savingProblem(package); !problem.isEmpty())
        return refuse(problem);
    return writeFiles(a, savedPackageOperation(package.fileName()),
                      {FileChange(fs::Location::below(package.folder(), package.fileName()),
                                  compiler.packageContents())},
                      notWritten);
}

int installCommand(const QStringList& args) {
    Arguments a = parse(args, {QStringLiteral("--dry-run"), kJson}, true);
    if (!a.problem.isEmpty())
        return usage(a.problem, kInstallHelp);
    if (a.positional.isEmpty())
        return usage(QCoreApplication::translate("PackageTool", "install needs a package."),
                     kInstallHelp);
    if (a.positional.size() > 1)
        return usage(QCoreApplication::translate("PackageTool", "install takes one package."),
                     kInstallHelp);
    const bool dryRun = a.flags.contains(QStringLiteral("--dry-run"));
    const bool json = a.flags.contains(kJson);
    // The JSON describes a plan; what an installation did is in 'history --json'.
    if (json && !dryRun)
        return usage(QCoreApplication::translate("PackageTool",
                                                 "--json describes what would be installed: "
                                                 "give it with --dry-run."),
                     kInstallHelp);
    completeFolders(a);
    if (!a.gameFolder)
        //: %1 is the option that gives the folder
        return usage(QCoreApplication::translate("PackageTool",
                                                 "the game folder is not known: give %1 or set "
                                                 "it in options.txt.")
                         .arg(QStringLiteral("--game-folder")),
                     kInstallHelp);
    if (!a.managerFolder)
        //: %1 is the option that gives the folder
        return usage(QCoreApplication::translate("PackageTool",
                                                 "the Grovekeep folder is not known: give %1 or "
                                                 "set it in options.txt.")
                         .arg(QStringLiteral("--manager-folder")),
                     kInstallHelp);
    for (const ComposedPath& folder : {*a.gameFolder, *a.managerFolder}) {
        if (!QFileInfo(folder.native().text()).isDir()) {
            err(QCoreApplication::translate("PackageTool", "The folder %1 does not exist.")
                    .arg(quotedPath(folder)));
            return Refused;
        }
    }
    // A dry run writes nothing, so it does not roll back what an interrupted run left either.
    auto store = dryRun ? openedStore(a) : storeOf(a);
    if (!store)
        return Refused;

    const QString packagePath = a.positional.at(0);
    auto text = vif::PackageText::open(NativePath(packagePath));
    if (!text) {
        err(text.error());
        return Refused;
    }
    auto plan = planPackageInstall(*text, *a.gameFolder, *a.managerFolder);
    if (!plan) {
        err(plan.error());
        return Refused;
    }
    const QHash<QString, Conflict> earlier = plannedConflicts(*store, *plan);
    const OperationInfo info = packageOperation(NativePath(packagePath).fileName(), *text);
    if (json) {
        const auto described = planJson(info, *plan, earlier);
        if (!described) {
            err(described.error());
            return Refused;
        }
        outJson(QJsonDocument(*described));
    } else {
        // plan->problems holds one line for each refused entry, in entry order.
        qsizetype refused = 0;
        for (const EntryAction& entry : plan->entries) {
            if (entry.refused()) {
                out(QStringLiteral("refused: %1").arg(plan->problems.value(refused++)));
                continue;
            }
            const NativePath target = plan->target(entry).path();
            QString line = QStringLiteral("%1 %2").arg(actionName(entry), target.shown());
            if (const auto c = earlier.constFind(target.text()); c != earlier.cend())
                line += QStringLiteral(" (%1)").arg(installedBy(*c));
            out(line);
        }
    }
    if (!plan->ok()) {
        err(QCoreApplication::translate("PackageTool",
                                        "Nothing was installed: the package has entries that "
                                        "cannot be installed."));
        return Refused;
    }
    // Every entry has been read: a large package holds no more than its contents' places.
    plan->text.forgetMarkers();
    const auto applied = applyPackagePlan(*store, *plan, *a.managerFolder, info, {}, dryRun);
    if (!applied) {
        if (dryRun)
            //: %1 is why
            err(QCoreApplication::translate("PackageTool", "The package would not be installed. %1")
                    .arg(applied.error()));
        else
            //: %1 is why
            err(QCoreApplication::translate("PackageTool", "The package was not installed. %1")
                    .arg(applied.error()));
        return Refused;
    }
    return Done;
}

int historyCommand(const QStringList& args) {
    Arguments a = parse(args, {kJson}, true);
    if (!a.problem.isEmpty() || !a.positional.isEmpty())
        return usage(a.problem.isEmpty()
                         ? QCoreApplication::translate("PackageTool", "history takes no arguments.")
                         : a.problem,
                     kHistoryHelp);
    completeFolders(a);
    auto store = storeOf(a);
    if (!store)
        return Refused;
    const auto history = store->history(true);
    if (!history) {
        err(history.error());
        return Refused;
    }
    bool readable = true;
    if (a.flags.contains(kJson)) {
        outJson(QJsonDocument(historyJson(*history)));
        for (const OperationRecord& r : *history)
            readable = readable && r.readable();
    } else {
        for (const OperationRecord& r : *history) {
            if (!r.readable()) {
                readable = false;
                out(QStringLiteral("%1\t-\tunreadable\t-\t%2")
                        .arg(r.id)
                        .arg(oneLine(r.unreadable)));
                continue;
            }
            out(QStringLiteral("%1\t%2\t%3\t%4\t%5")
                    .arg(r.id)
                    .arg(localIsoTime(r.time), stateName(r.state))
                    .arg(r.fileCount)
                    .arg(oneLine(r.info.what)));
        }
    }
    if (!readable)
        //: "unreadable" is the word of the output's lines and stays as it is
        err(QCoreApplication::translate("PackageTool",
                                        "Some records of the history cannot be read; they are "
                                        "listed as unreadable, with why."));
    return readable ? Done : Refused;
}

bool operationId(const QString& text, int* id) {
    bool number = false;
    *id = text.toInt(&number);
    return number && *id > 0;
}

int undoCommand(const QStringList& args) {
    Arguments a = parse(args, {QStringLiteral("--force")}, true);
    int id = 0;
    if (!a.problem.isEmpty())
        return usage(a.problem, kUndoHelp);
    if (a.positional.size() != 1 || !operationId(a.positional.at(0), &id))
        return usage(
            QCoreApplication::translate("PackageTool", "undo takes the id of one operation."),
            kUndoHelp);
    completeFolders(a);
    auto store = storeOf(a);
    if (!store)
        return Refused;
    const auto undone = store->undo(id, a.flags.contains(QStringLiteral("--force")));
    if (!undone) {
        err(undone.error());
        return Refused;
    }
    out(QStringLiteral("Operation %1 undone by operation %2.").arg(id).arg(undone->operation));
    return Done;
}

int verifyCommand(const QStringList& args) {
    const QString storeFlag = QStringLiteral("--store");
    Arguments a = parse(args, {kJson, storeFlag}, true);
    int id = 0;
    if (!a.problem.isEmpty())
        return usage(a.problem, kVerifyHelp);
    if (a.positional.size() > 1 ||
        (a.positional.size() == 1 && !operationId(a.positional.at(0), &id)) ||
        (id && a.flags.contains(storeFlag)))
        return usage(
            QCoreApplication::translate(
                "PackageTool", "verify takes the id of one operation, --store, or neither."),
            kVerifyHelp);
    completeFolders(a);
    auto store = storeOf(a);
    if (!store)
        return Refused;
    if (a.flags.contains(storeFlag)) {
        const auto checked = store->verifyStore();
        if (!checked) {
            err(checked.error());
            return Refused;
        }
        if (a.flags.contains(kJson)) {
            QJsonArray damaged;
            for (const QString& problem : checked->damaged)
                damaged.append(problem);
            outJson(QJsonDocument(QJsonObject{{QStringLiteral("objects"), checked->objects},
                                              {QStringLiteral("damaged"), damaged}}));
        } else {
            for (const QString& problem : checked->damaged)
                out(QStringLiteral("damaged\t%1").arg(oneLine(problem)));
            out(QStringLiteral("%1 kept, %2 damaged.")
                    .arg(checked->objects)
                    .arg(checked->damaged.size()));
        }
        return checked->damaged.isEmpty() ? Done : Refused;
    }
    if (id) {
        if (const auto record = store->operation(id);
            !record && record.kind() == ErrorKind::NotFound) {
            err(record.error());
            return Refused;
        }
    }
    const QList<FileCheck> checks = store->verify(id);
    if (a.flags.contains(kJson)) {
        outJson(QJsonDocument(checksJson(checks)));
    } else {
        for (const FileCheck& check : checks) {
            QString line =
                QStringLiteral("%1\t%2").arg(fileStateName(check.state), check.path.shown());
            if (!check.problem.isEmpty())
                line += QStringLiteral("\t%1").arg(oneLine(check.problem));
            out(line);
        }
    }
    const bool intact = std::all_of(checks.cbegin(), checks.cend(), [](const FileCheck& check) {
        return check.state == FileState::Intact;
    });
    return intact ? Done : Refused;
}

int pruneCommand(const QStringList& args) {
    Arguments a =
        parse(args, {QStringLiteral("--even-installed"), QStringLiteral("--dry-run")}, true, true);
    if (!a.problem.isEmpty())
        return usage(a.problem, kPruneHelp);
    bool number = false;
    const int days = a.olderThan ? a.olderThan->toInt(&number) : 0;
    if (!a.positional.isEmpty() || !number || days < 0)
        return usage(QCoreApplication::translate("PackageTool", "prune needs --older-than DAYS."),
                     kPruneHelp);
    completeFolders(a);
    auto store = storeOf(a);
    if (!store)
        return Refused;
    const auto pruned = store->prune(QDateTime::currentDateTime().addDays(-days),
                                     a.flags.contains(QStringLiteral("--even-installed")),
                                     a.flags.contains(QStringLiteral("--dry-run")));
    if (!pruned) {
        err(pruned.error());
        return Refused;
    }
    // Standard output, which scripts read: in English whatever the language.
    const int count = pruned->operations;
    out(QStringLiteral("%1 %2, %3 bytes.")
            .arg(a.flags.contains(QStringLiteral("--dry-run")) ? QStringLiteral("Would free")
                                                               : QStringLiteral("Freed"),
                 count == 1 ? QStringLiteral("1 operation")
                            : QStringLiteral("%1 operations").arg(count))
            .arg(pruned->bytesFreed));
    for (int id : pruned->keptInstalled)
        out(QStringLiteral("Kept operation %1: its files are still installed.").arg(id));
    return Done;
}

#ifdef GK_TEST_SEAMS
// Builds for tests only: the fault seam of the file layer, set from the environment, so that a
// test can end the process at any change to the disk (as a kill would, but at a known moment)
// or make any step fail.
void seamsFromEnvironment() {
    bool set = false;
    if (const int n = qEnvironmentVariableIntValue("GROVEKEEP_TEST_EXIT_AT", &set); set)
        fs::faults::exitAt(n, 99);
    if (const int n = qEnvironmentVariableIntValue("GROVEKEEP_TEST_FAIL_AT", &set); set)
        fs::faults::failAt(n, EIO,
                           qEnvironmentVariableIsSet("GROVEKEEP_TEST_FAIL_READS")
                               ? fs::faults::Reads
                               : fs::faults::Changes);
    if (qEnvironmentVariableIsSet("GROVEKEEP_TEST_NO_RENAME_NOREPLACE"))
        fs::faults::setRenameNoReplace(false);
}
#endif

} // namespace

int main(int argc, char** argv) {
#ifdef GK_TEST_SEAMS
    seamsFromEnvironment();
#endif
    // A file size limit is a failed write that is reported and rolled back, not a killed
    // process with half the files new.
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
#ifdef Q_OS_WIN
    // The same bytes on every system: lines end with LF (scripts read them), and the text is
    // UTF-8, which a console shows as such once told.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    ::SetConsoleOutputCP(CP_UTF8);
#endif
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("grovekeep-vif"));
    QCoreApplication::setApplicationVersion(version());
    // Messages and help in the user's language (or Grovekeep's, when it started the tool); what
    // goes to standard output keeps its form. A JSON document is for programs: all of it, the
    // reasons and problems it carries included, stays English whatever the language.
    const QStringList given = QCoreApplication::arguments().mid(1);
    const bool forPrograms =
        given.mid(0, given.indexOf(QStringLiteral("--"))).contains(QStringLiteral("--json"));
    installTranslations(forPrograms ? QStringLiteral("en")
                                    : shownLanguage(startupLanguageChoice()));

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return usage(QCoreApplication::translate("PackageTool", "no command given."), kOverview);
    const QString command = args.takeFirst();
    if (command == QStringLiteral("--help") || command == QStringLiteral("-h") ||
        command == QStringLiteral("help"))
        return showHelp(kOverview);
    if (command == QStringLiteral("--version")) {
        out(QStringLiteral("grovekeep-vif %1").arg(version()));
        return Done;
    }

    struct Command {
        const char* name;
        const char* help;
        int (*run)(const QStringList&);
    };
    static const Command commands[] = {
        {"list", kListHelp, listCommand},          {"extract", kExtractHelp, extractCommand},
        {"pack", kPackHelp, packCommand},          {"install", kInstallHelp, installCommand},
        {"history", kHistoryHelp, historyCommand}, {"undo", kUndoHelp, undoCommand},
        {"verify", kVerifyHelp, verifyCommand},    {"prune", kPruneHelp, pruneCommand}};
    for (const Command& c : commands) {
        if (command != QLatin1String(c.name))
            continue;
        const QStringList options = optionsPart(args);
        if (options.contains(QStringLiteral("--help")) || options.contains(QStringLiteral("-h")))
            return showHelp(c.help);
        if (options.contains(QStringLiteral("--version"))) {
            out(QStringLiteral("grovekeep-vif %1").arg(version()));
            return Done;
        }
        return c.run(args);
    }
    return usage(QCoreApplication::translate("PackageTool", "unknown command %1.").arg(command),
                 kOverview);
}
