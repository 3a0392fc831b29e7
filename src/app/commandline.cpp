#include "commandline.h"

#include <QCoreApplication>

namespace gk {

namespace {
// Qt's own options (QGuiApplication takes them), with a value and without.
const QStringList kQtOptionsWithValue = {
    QStringLiteral("-style"),           QStringLiteral("-stylesheet"),
    QStringLiteral("-platform"),        QStringLiteral("-platformpluginpath"),
    QStringLiteral("-platformtheme"),   QStringLiteral("-plugin"),
    QStringLiteral("-display"),         QStringLiteral("-geometry"),
    QStringLiteral("-qwindowgeometry"), QStringLiteral("-title"),
    QStringLiteral("-qwindowtitle"),    QStringLiteral("-qwindowicon"),
    QStringLiteral("-session"),         QStringLiteral("-name")};
const QStringList kQtFlags = {QStringLiteral("-reverse"), QStringLiteral("-widgetcount"),
                              QStringLiteral("-nograb"), QStringLiteral("-dograb"),
                              QStringLiteral("-sync")};

// Qt takes its options with one dash or two, and a value also after '=' ("-style=fusion").
QString qtSpelling(const QString& argument) {
    QString option = argument.startsWith(QLatin1String("--")) ? argument.mid(1) : argument;
    return option.left(option.indexOf(QLatin1Char('=')));
}
} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine out;
    bool options = true;
    for (qsizetype k = 0; k < arguments.size(); ++k) {
        const QString& argument = arguments.at(k);
        if (!options || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-"))
            out.files << argument;
        else if (argument == QLatin1String("--"))
            options = false;
        else if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            out.help = true;
        else if (argument == QLatin1String("--version") || argument == QLatin1String("-v"))
            out.version = true;
        else if (const QString qt = qtSpelling(argument); kQtOptionsWithValue.contains(qt))
            k += argument.contains(QLatin1Char('=')) ? 0 : 1; // and its value
        else if (!kQtFlags.contains(qt) && out.problem.isEmpty())
            out.problem =
                //: %1 is the option as it was given
                QCoreApplication::translate("CommandLine", "unknown option %1").arg(argument);
    }
    return out;
}

QString commandLineHelp() {
    //: The text of "grovekeep --help". Keep the command, option and file names as they are
    //: and the lines at most 80 characters wide.
    return QCoreApplication::translate(
        "CommandLine",
        "Usage: grovekeep [FILE...]\n"
        "Grovekeep manages the maps, landscapes, creature skins and tattoos of Black & White,\n"
        "installs and builds .vif packages, and keeps a history of every change it makes.\n"
        "\n"
        "FILE, a package (.vif), map (.txt), landscape (.lnd) or skin (.l3d), opens the\n"
        "installer with it chosen; nothing is installed before you press Next. When Grovekeep\n"
        "is already running, the files go to it and no second window opens.\n"
        "\n"
        "Options:\n"
        "  -h, --help     this text\n"
        "  -v, --version  the version\n"
        "\n"
        "grovekeep-vif lists, packs, installs and undoes packages from the command line.\n");
}

} // namespace gk
