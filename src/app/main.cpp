#include "base/version.h"
#include "startup.h"

#include <QApplication>

#ifndef Q_OS_WIN
#include <csignal>
#include <unistd.h>
#endif

int main(int argc, char** argv) {
#ifndef Q_OS_WIN
    // The web engine refuses to start its sandbox as root; the web windows still work with
    // it switched off.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // A file size limit is a failed write that is reported and rolled back, not a killed
    // program with half the files new.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Grovekeep"));
    QApplication::setApplicationVersion(gk::version());
    QApplication::setQuitOnLastWindowClosed(false);
    gk::applyGrovekeepStyle();
    gk::registerGrovekeepForms();
    gk::startGrovekeep();
    return app.exec();
}
