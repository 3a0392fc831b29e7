// grovekeep-vif: lists, extracts, packs and installs package files (.vif) from the command
// line, with the same code as Grovekeep's installer window.

#include "base/fileio.h"
#include "base/paths.h"
#include "base/quoting.h"
#include "base/version.h"
#include "files/replace.h"
#include "installer/compile.h"
#include "installer/install.h"
#include "installer/installpath.h"
#include "installer/vif.h"
#include "settings/options.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <optional>

using namespace gk;

namespace {

enum ExitStatus { Done = 0, Refused = 1, UsageError = 2 };

void print(std::FILE* stream, const QString& line) {
    const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}
void out(const QString& line) { print(stdout, line); }
void err(const QString& line) { print(stderr, line); }

const char* const kOverview =
    "Usage: grovekeep-vif COMMAND ARGUMENTS...\n"
    "Lists, extracts, packs and installs Grovekeep package files (.vif).\n"
    "\n"
    "Commands:\n"
    "  list PACKAGE              one line per entry: install path, title, size in bytes\n"
    "  extract PACKAGE DIR       writes each entry's contents to DIR/title\n"
    "  pack PACKAGE FILE INSTALL_PATH [FILE INSTALL_PATH]...\n"
    "                            writes a new package carrying the files\n"
    "  install PACKAGE [--game-folder DIR] [--manager-folder DIR] [--dry-run]\n"
    "                            installs a package into the game folder\n"
    "\n"
    "'grovekeep-vif COMMAND --help' describes a command.\n"
    "Exit status: 0 done, 1 refused or failed (nothing was changed), 2 usage error.\n";

const char* const kListHelp =
    "Usage: grovekeep-vif list PACKAGE\n"
    "Prints one line per entry, in file order: the install path, a tab, the title, a tab,\n"
    "and the size of the contents in bytes. Broken entries are reported on stderr.\n"
    "Exit status: 0 when every entry is sound, 1 otherwise or when PACKAGE is not a package.\n";

const char* const kExtractHelp =
    "Usage: grovekeep-vif extract PACKAGE DIR\n"
    "Writes each entry's contents, byte for byte, to DIR/title (DIR is created when\n"
    "missing; files of the same names are replaced) and prints each file written. Nothing\n"
    "is written when an entry is broken or its title cannot be used as a file name.\n"
    "Exit status: 0 done, 1 refused or failed (nothing was written), 2 usage error.\n";

const char* const kPackHelp =
    "Usage: grovekeep-vif pack PACKAGE FILE INSTALL_PATH [FILE INSTALL_PATH]...\n"
    "Writes a new package PACKAGE with one entry per FILE, in order, titled with FILE's\n"
    "name and to be installed at INSTALL_PATH (a path inside a Wine prefix's drive_c is\n"
    "written as Windows sees it, C:\\...). Nothing is written when a file cannot be carried.\n"
    "Exit status: 0 done, 1 refused or failed, 2 usage error.\n";

const char* const kInstallHelp =
    "Usage: grovekeep-vif install PACKAGE [--game-folder DIR] [--manager-folder DIR] "
    "[--dry-run]\n"
    "Installs every entry of PACKAGE below the game folder, as Grovekeep's installer does:\n"
    "each replaced file is kept under the Grovekeep folder's Backup/vif/ as NAME.bak, and a\n"
    "copy of each entry goes to Backup/vif/TITLE. The folders default to the first two\n"
    "lines of options.txt (read from the working folder, else from this program's folder).\n"
    "Prints one line per entry: 'add TARGET', 'replace TARGET' or 'refused: REASON'.\n"
    "  --dry-run   prints the same lines and writes nothing\n"
    "Exit status: 0 installed (or would be), 1 refused or failed (nothing was changed),\n"
    "2 usage error.\n";

int usage(const QString& message, const char* help) {
    err(QStringLiteral("grovekeep-vif: %1").arg(message));
    std::fputs(help, stderr);
    return UsageError;
}

int showHelp(const char* help) {
    std::fputs(help, stdout);
    return Done;
}

// A folder given on the command line, absolute and with the trailing separator that the
// installer composes paths on.
ComposedPath asFolderValue(const QString& folder) {
    const QString absolute = QDir::cleanPath(QDir::current().absoluteFilePath(folder));
    return ComposedPath(absolute.endsWith(QLatin1Char('/')) ? absolute
                                                            : absolute + QLatin1Char('/'));
}

std::optional<QByteArray> readPackageFile(const QString& path) {
    const auto bytes = readFileBytes(NativePath(path));
    if (!bytes) {
        err(bytes.error());
        return std::nullopt;
    }
    return *bytes;
}

int listCommand(const QStringList& args) {
    if (args.size() != 1)
        return usage(QStringLiteral("list takes one package."), kListHelp);
    const auto bytes = readPackageFile(args.at(0));
    if (!bytes)
        return Refused;
    const auto package = vif::readPackage(*bytes);
    if (!package) {
        err(package.error());
        return Refused;
    }
    for (const vif::PackEntry& entry : package->entries)
        out(QStringLiteral("%1\t%2\t%3")
                .arg(oneLine(entry.installPath), oneLine(entry.title))
                .arg(entry.contents.size()));
    for (const QString& problem : package->problems)
        err(problem);
    return package->ok() ? Done : Refused;
}

int extractCommand(const QStringList& args) {
    if (args.size() != 2)
        return usage(QStringLiteral("extract takes a package and a folder."), kExtractHelp);
    const auto bytes = readPackageFile(args.at(0));
    if (!bytes)
        return Refused;
    const auto package = vif::readPackage(*bytes);
    if (!package) {
        err(package.error());
        return Refused;
    }
    QStringList problems = package->problems;
    for (qsizetype k = 0; k < package->entries.size(); ++k) {
        const QString& title = package->entries.at(k).title;
        const QString problem = titleProblem(title);
        if (package->entryProblems.at(k).isEmpty() && !problem.isEmpty())
            problems << QStringLiteral("%1: the title cannot be used as a file name: %2.")
                            .arg(vif::entryLabel(int(k + 1), title), problem);
    }
    if (!problems.isEmpty()) {
        for (const QString& problem : problems)
            err(problem);
        err(QStringLiteral("Nothing was extracted."));
        return Refused;
    }
    const NativePath folder = asFolderValue(args.at(1)).native();
    QList<FileWrite> writes;
    for (const vif::PackEntry& entry : package->entries) {
        FileWrite write{folder.child(entry.title), entry.contents};
        write.createFolder = true;
        writes << write;
    }
    const Status extracted = replaceWithBackups(writes);
    if (!extracted) {
        err(extracted.error());
        err(QStringLiteral("Nothing was extracted."));
        return Refused;
    }
    for (const FileWrite& write : writes)
        out(write.target.shown());
    return Done;
}

int packCommand(const QStringList& args) {
    if (args.size() < 3 || args.size() % 2 == 0)
        return usage(QStringLiteral("pack takes a package and pairs of FILE INSTALL_PATH."),
                     kPackHelp);
    PackageCompiler compiler;
    for (qsizetype k = 1; k + 1 < args.size(); k += 2) {
        const Status added =
            compiler.AddPackFile(NativePath(args.at(k)), NativePath(args.at(k + 1)));
        if (!added) {
            err(added.error());
            err(QStringLiteral("The package was not written."));
            return Refused;
        }
    }
    const Status written =
        replaceWithBackups({FileWrite{NativePath(args.at(0)), compiler.packageBytes()}});
    if (!written) {
        err(written.error());
        return Refused;
    }
    return Done;
}

int installCommand(const QStringList& args) {
    QString packagePath;
    std::optional<ComposedPath> gameFolder;
    std::optional<ComposedPath> managerFolder;
    bool dryRun = false;
    for (qsizetype k = 0; k < args.size(); ++k) {
        const QString& arg = args.at(k);
        if (arg == QStringLiteral("--dry-run")) {
            dryRun = true;
        } else if (arg == QStringLiteral("--game-folder") ||
                   arg == QStringLiteral("--manager-folder")) {
            if (k + 1 >= args.size() || args.at(k + 1).isEmpty())
                return usage(QStringLiteral("%1 needs a folder.").arg(arg), kInstallHelp);
            const ComposedPath value = asFolderValue(args.at(++k));
            (arg == QStringLiteral("--game-folder") ? gameFolder : managerFolder) = value;
        } else if (arg.startsWith(QStringLiteral("--"))) {
            return usage(QStringLiteral("unknown option %1.").arg(arg), kInstallHelp);
        } else if (packagePath.isEmpty()) {
            packagePath = arg;
        } else {
            return usage(QStringLiteral("install takes one package."), kInstallHelp);
        }
    }
    if (packagePath.isEmpty())
        return usage(QStringLiteral("install needs a package."), kInstallHelp);
    if (!gameFolder || !managerFolder) {
        const auto settings = readSettingsFile(
            settingsReadCandidates(NativePath(QDir::currentPath()), programFolder()));
        const QStringList values = settings ? settings->values : QStringList();
        if (!gameFolder && !values.value(LineGameFolder).isEmpty())
            gameFolder = ComposedPath(values.value(LineGameFolder));
        if (!managerFolder && !values.value(LineManagerFolder).isEmpty())
            managerFolder = ComposedPath(values.value(LineManagerFolder));
    }
    if (!gameFolder || !managerFolder)
        return usage(QStringLiteral("the %1 folder is not known: give %2 or set it in "
                                    "options.txt.")
                         .arg(gameFolder ? QStringLiteral("Grovekeep") : QStringLiteral("game"),
                              gameFolder ? QStringLiteral("--manager-folder")
                                         : QStringLiteral("--game-folder")),
                     kInstallHelp);
    for (const ComposedPath& folder : {*gameFolder, *managerFolder}) {
        if (!folderExists(folder.native())) {
            err(QStringLiteral("The folder %1 does not exist.").arg(quotedPath(folder)));
            return Refused;
        }
    }

    const auto bytes = readPackageFile(packagePath);
    if (!bytes)
        return Refused;
    const auto plan = planPackageInstall(*bytes, *gameFolder);
    if (!plan) {
        err(plan.error());
        return Refused;
    }
    // plan->problems holds one line for each refused entry, in entry order.
    qsizetype refused = 0;
    for (const EntryAction& entry : plan->entries) {
        if (!entry.refusal.isEmpty())
            out(QStringLiteral("refused: %1").arg(plan->problems.value(refused++)));
        else
            out(QStringLiteral("%1 %2").arg(entry.replaces ? QStringLiteral("replace")
                                                           : QStringLiteral("add"),
                                            entry.target.shown()));
    }
    if (!plan->ok()) {
        err(QStringLiteral("Nothing was installed: the package has entries that cannot be "
                           "installed."));
        return Refused;
    }
    if (dryRun)
        return Done;
    const Status applied = applyPackagePlan(*plan, *managerFolder);
    if (!applied) {
        err(QStringLiteral("Nothing was installed: %1").arg(applied.error()));
        return Refused;
    }
    return Done;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("grovekeep-vif"));
    QCoreApplication::setApplicationVersion(version());

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return usage(QStringLiteral("no command given."), kOverview);
    const QString command = args.takeFirst();
    if (command == QStringLiteral("--help") || command == QStringLiteral("-h") ||
        command == QStringLiteral("help"))
        return showHelp(kOverview);

    struct Command {
        const char* name;
        const char* help;
        int (*run)(const QStringList&);
    };
    static const Command commands[] = {{"list", kListHelp, listCommand},
                                       {"extract", kExtractHelp, extractCommand},
                                       {"pack", kPackHelp, packCommand},
                                       {"install", kInstallHelp, installCommand}};
    for (const Command& c : commands) {
        if (command != QLatin1String(c.name))
            continue;
        if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h")))
            return showHelp(c.help);
        return c.run(args);
    }
    return usage(QStringLiteral("unknown command %1.").arg(command), kOverview);
}
