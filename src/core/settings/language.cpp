#include "language.h"

#include "options.h"
#include "ownsettings.h"

#include <QCoreApplication>
#include <QList>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

// The compiled translations are resources of this library; a static library's resources are
// registered by name, outside any namespace.
static void initTranslationResources() { Q_INIT_RESOURCE(gk_translations); }

namespace gk {

namespace {
const QString kResourceFolder = QStringLiteral(":/translations");

// The translators installed here, which a later choice replaces.
QList<QPointer<QTranslator>>& installed() {
    static QList<QPointer<QTranslator>> translators;
    return translators;
}

QString& current() {
    static QString language = QStringLiteral("en");
    return language;
}

bool loadInto(const QString& file) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if ((!translator->load(file, kResourceFolder) && !translator->load(file)) ||
        translator->isEmpty()) {
        delete translator;
        return false;
    }
    installed() << translator;
    return QCoreApplication::installTranslator(translator);
}
} // namespace

QStringList translatedLanguages() { return {QStringLiteral("de"), QStringLiteral("fr")}; }

QString languageFor(const QStringList& uiLanguages) {
    for (const QString& name : uiLanguages) {
        const QString code = QLocale(name).name().section(QLatin1Char('_'), 0, 0);
        if (code == QLatin1String("en") || translatedLanguages().contains(code))
            return code;
    }
    return QStringLiteral("en");
}

QString shownLanguage(const QString& chosen) {
    const QString code = chosen.trimmed().toLower();
    if (code == QLatin1String("en") || translatedLanguages().contains(code))
        return code;
    return languageFor(QLocale::system().uiLanguages());
}

QString startupLanguageChoice() {
    const QString passed = qEnvironmentVariable(kLanguageVariable);
    if (!passed.isEmpty())
        return passed;
    const auto file = readSettingsFile(startupSettingsCandidates());
    if (!file || file->values.size() < 2)
        return {};
    return readOwnSettings(ComposedPath(file->values.at(1))).language;
}

bool installTranslations(const QString& language) {
    if (!QCoreApplication::instance())
        return false;
    initTranslationResources();
    current() = language;
    for (const QPointer<QTranslator>& translator : std::as_const(installed()))
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    installed().clear();
    // English first: the source texts' plural forms ("1 file", "2 files").
    bool loaded = loadInto(QStringLiteral("grovekeep_en"));
    if (language != QLatin1String("en")) {
        loaded = loadInto(QStringLiteral("qtbase_") + language) && loaded;
        loaded = loadInto(QStringLiteral("grovekeep_") + language) && loaded;
    }
    return loaded;
}

QString currentLanguage() { return current(); }

bool translationsInstalled() { return !installed().isEmpty(); }

bool installTranslationFile(const QString& qmFile) {
    return QCoreApplication::instance() && loadInto(qmFile);
}

} // namespace gk
