#include "base/version.h"
#include "commandline.h"
#include "frmMDI.h"
#include "instance.h"
#include "settings/language.h"
#include "startup.h"
#include "ui/style.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>

#include <shellapi.h>
#else
#include <csignal>
#include <unistd.h>
#endif

int main(int argc, char** argv) {
    QStringList arguments;
#ifdef Q_OS_WIN
    // The command line as Windows has it, in UTF-16: argv holds the names of the files in the
    // ANSI code page, which cannot spell every name.
    int count = 0;
    if (wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int k = 1; k < count; ++k)
            arguments << QString::fromWCharArray(wide[k]);
        LocalFree(wide);
    }
#else
    for (int k = 1; k < argc; ++k)
        arguments << QString::fromLocal8Bit(argv[k]);
#endif
    const gk::CommandLine line = gk::parseCommandLine(arguments);
    // Answered before any window or display is needed, in the user's language: translations
    // need an application object, and a display-free one serves.
    if (!line.problem.isEmpty() || line.help) {
        QCoreApplication early(argc, argv);
        gk::installTranslations(gk::shownLanguage(gk::startupLanguageChoice()));
        const gk::CommandLine said = gk::parseCommandLine(arguments);
        if (!said.problem.isEmpty()) {
            std::fprintf(stderr, "grovekeep: %s\n%s", qPrintable(said.problem),
                         qPrintable(gk::commandLineHelp()));
            return 2;
        }
        std::fputs(qPrintable(gk::commandLineHelp()), stdout);
        return 0;
    }
    if (line.version) {
        std::printf("grovekeep %s\n", qPrintable(gk::version()));
        return 0;
    }
#ifndef Q_OS_WIN
    // The web engine refuses to start its sandbox as root; the web windows still work with
    // it switched off.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // A file size limit is a failed write that is reported and rolled back, not a killed
    // program with half the files new.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QStringList files;
    for (const QString& file : line.files)
        files << QFileInfo(file).absoluteFilePath();
    // Grovekeep already runs (or starts at this moment): the files go to it, and this start ends
    // before it connects to the display.
    gk::SingleInstance instance;
    if (instance.claim(files) == gk::SingleInstance::Role::HandedOver)
        return 0;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Grovekeep"));
    QApplication::setApplicationVersion(gk::version());
    // The desktop (Wayland above all) finds the program's menu entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.grovekeep.Grovekeep"));
    QApplication::setQuitOnLastWindowClosed(false);
    // The user's language, or the one chosen in Options; the programs started from here (the
    // help viewer) are told which.
    const QString language = gk::shownLanguage(gk::startupLanguageChoice());
    gk::installTranslations(language);
    qputenv(gk::kLanguageVariable, language.toUtf8());

    // Other starts are answered from here on, also while the splash or the first-run Options
    // are up; what they hand over waits until the main window can take it.
    instance.listen();

    gk::applyGrovekeepStyle();
    gk::registerGrovekeepForms();
    gk::frmMDI* mdi = gk::startGrovekeep();
    mdi->offerFiles(files);
    QObject::connect(&instance, &gk::SingleInstance::filesArrived, mdi,
                     [mdi](const QStringList& handed) {
                         if (mdi->isMinimized())
                             mdi->showNormal();
                         mdi->raise();
                         mdi->activateWindow();
                         mdi->offerFiles(handed);
                     });
    instance.deliver();
    return app.exec();
}
