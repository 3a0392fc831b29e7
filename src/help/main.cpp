// Help: Grovekeep's help viewer, a program of its own.

#include "base/version.h"
#include "frmHelp.h"
#include "settings/language.h"
#include "ui/fonts.h"
#include "ui/place.h"
#include "ui/style.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Help"));
    QApplication::setApplicationVersion(gk::version());
    // Grovekeep's language when it started the viewer, the user's otherwise.
    gk::installTranslations(gk::shownLanguage(gk::startupLanguageChoice()));
    // Its own desktop identity (the installed org.grovekeep.Grovekeep.Help.desktop), so that
    // its window is shown with its own name and Grovekeep's icon, not as Grovekeep itself.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.grovekeep.Grovekeep.Help"));
    QApplication::setFont(gk::interfaceFont());
    QApplication::setWindowIcon(gk::helpIcon());
    gk::help::frmHelp window;
    gk::centreOnScreen(&window);
    window.show();
    return app.exec();
}
