// Compiled into every program that links the core (not into the core itself, where a static
// library would leave it out): from the moment its application object exists, English counts
// read right ("1 file", "2 files"), before and whatever the program chooses to show later.

#include "settings/language.h"

#include <QCoreApplication>

namespace {
void installEnglishCounts() {
    if (!gk::translationsInstalled())
        gk::installTranslations(QStringLiteral("en"));
}
} // namespace

Q_COREAPP_STARTUP_FUNCTION(installEnglishCounts)
