#pragma once

#include <QString>
#include <QStringList>

namespace gk {

// What Grovekeep was started with: grovekeep [--help] [--version] [FILE...].
struct CommandLine {
    bool help = false;
    bool version = false;
    QStringList files; // as given; each is offered to the installer
    QString problem;   // a usage error, said on stderr with exit status 2
};

// `arguments` without the program's own name. "--" ends the options; Qt's own options
// (-style, -platform and the like) are left to Qt and never taken for files.
CommandLine parseCommandLine(const QStringList& arguments);

// The text of --help.
QString commandLineHelp();

} // namespace gk
