#pragma once

#include <QString>

#include <optional>

namespace gk {

// The installer's steps.
enum InstallerStep : qint16 {
    StepChoose = 0,        // choose an option
    StepChooseFile = 1,    // choose a file to install
    StepChooseFiles = 2,   // choose files for a new package
    StepChoosePackage = 3, // choose the package file's folder and name
    StepReadyToSave = 4,   // package file chosen, ready to save
    StepFinished = 5,      // after an installation or a saved package
    StepSaving = 6         // while the package is saved
};

// How the installer window looks in a step. A caption left empty is kept as it is.
struct StepLayout {
    QString frameCaption;
    bool backEnabled = false;
    bool nextEnabled = false;
    bool browseShown = false;
    bool pathShown = false;
    bool optionsShown = false;
    bool noteShown = false;
    bool typeShown = false;
    bool progressShown = false;
    bool namesShown = false;
    std::optional<QString> pathText;
    std::optional<QString> noteText;
};

// The layout of steps 0, 1, 2, 3 and 6; nullopt for step 4 (nothing changes) and step 5
// (the window closes) and any other number. Its texts are translated at each call, into the
// language of the translator installed then.
std::optional<StepLayout> stepLayout(int step);

// The filter of package files.
QString packageFilter();

} // namespace gk
