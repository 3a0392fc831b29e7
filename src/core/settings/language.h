#pragma once

#include <QString>
#include <QStringList>

namespace gk {

// The languages Grovekeep's texts are translated into, as codes ("de", "fr"); English is the
// language of the source texts.
QStringList translatedLanguages();

// The language of `uiLanguages` (the user's languages in order of preference, "de-DE", "fr",
// "en-GB") that Grovekeep speaks first, as its code: "en" when none of them is translated.
QString languageFor(const QStringList& uiLanguages);

// The language to show: `chosen` ("de", "fr", "en") when it is one Grovekeep speaks, the
// system's otherwise (an empty choice, or one from a newer or edited settings file).
QString shownLanguage(const QString& chosen);

// The language chosen in Grovekeep's own settings beside the options.txt read at start-up
// (empty when none was chosen or nothing could be read). Programs Grovekeep starts learn it
// from the environment variable GROVEKEEP_LANGUAGE, which wins when set.
QString startupLanguageChoice();
inline const char kLanguageVariable[] = "GROVEKEEP_LANGUAGE";

// Loads Grovekeep's texts in `language` (a code from shownLanguage) into the running
// application, with Qt's own texts of its standard dialogs in that language, and the English
// plural forms underneath, in place of those an earlier call installed. Needs a
// QCoreApplication; the translators live as long as it does. Returns false when a translation
// could not be loaded (the English texts then show).
bool installTranslations(const QString& language);

// Whether installTranslations has installed anything yet.
bool translationsInstalled();

// The language installTranslations was last asked for: "en" before.
QString currentLanguage();

// Loads a compiled translation file over the ones installed (the tests' pseudo-language).
bool installTranslationFile(const QString& qmFile);

} // namespace gk
