#include "wizard.h"

namespace gk {

std::optional<StepLayout> stepLayout(int step) {
    StepLayout s;
    switch (step) {
    case StepChoose:
        s.frameCaption = QStringLiteral("Choose an Option");
        s.nextEnabled = true;
        s.optionsShown = true;
        return s;
    case StepChooseFile:
        s.frameCaption = QStringLiteral("Choose a file to install");
        s.backEnabled = s.nextEnabled = true;
        s.browseShown = s.pathShown = s.noteShown = s.typeShown = s.progressShown = true;
        s.noteText = QStringLiteral("NOTE:You can only install mods if they are inside a vif "
                                    "file!...... All files are backed up before they are "
                                    "overwritten/saved!");
        return s;
    case StepChooseFiles:
        s.frameCaption = QStringLiteral("Choose files");
        s.backEnabled = true;
        s.browseShown = s.pathShown = s.noteShown = s.namesShown = true;
        s.noteText = QStringLiteral("Choose the files you would like to add and then choose the "
                                    "directory where the file should be installed");
        return s;
    case StepChoosePackage:
        s.frameCaption = QStringLiteral("Choose directory name");
        s.backEnabled = true;
        s.browseShown = s.pathShown = s.noteShown = true;
        s.pathText = QStringLiteral("No Directory Chosen!");
        s.noteText = QStringLiteral("Choose a directory and name to save the file to and then "
                                    "click next");
        return s;
    case StepSaving:
        s.frameCaption = QStringLiteral("Saving Files2");
        s.backEnabled = s.nextEnabled = true;
        s.pathShown = s.noteShown = s.progressShown = true;
        s.pathText = QStringLiteral("Files saved!");
        s.noteText = QStringLiteral("Compiling Files. NOTE: This file will be saved in your "
                                    "specified file and backed up!");
        return s;
    default:
        return std::nullopt;
    }
}

QString packageFilter() { return QStringLiteral("Vessa's Installation Files (*.vif)|*.vif"); }

} // namespace gk
