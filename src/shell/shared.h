#pragma once

#include <QString>
#include <QStringList>

namespace gk {

// The values through which Grovekeep's windows hand data to each other. All start empty
// or zero when the program starts and live until it ends.
struct SharedModule {
    // Settings (the six lines of options.txt).
    QString GameFolder;
    QString ManagerFolder;
    QString MapEditorPath;
    QString LandscapeEditorPath;
    QString SkinEditorPath;
    QString TattooEditorPath;

    // Address the browser window opens when it is created.
    QString BrowserUrl;
    // Which page the Updates window opens when it is created (1: the update page).
    qint16 UpdatePageMode = 0;

    // Content managers.
    QString MapFileName;
    QString ProfileFolder;
    QString LandscapeFileName;

    // Readme creator: 1 once it has shown its composed text.
    qint16 ReadmeShown = 0;

    // Installer.
    qint16 InstallStep = 0;
    QString InstallFileName;
    QString PackEntryName;
    qint16 PackEntryCount = 0;
    qint16 PackEntriesDone = 0;
    qint32 PackSearchPos = 0;
    double PackProgressStep = 0.0;
    QString PackEntryPath;
    QString PackEntryTitle;
};

SharedModule& shared();

// Sets the settings values from the lines of options.txt, in file order; values beyond the
// list keep what they held.
void setSettings(const QStringList& values);
QStringList settingsValues();

// Back to the values of program start (tests).
void resetShared();

} // namespace gk
