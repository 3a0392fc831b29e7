#include "wizard.h"

#include <QCoreApplication>

namespace gk {

std::optional<StepLayout> stepLayout(int step) {
    StepLayout s;
    switch (step) {
    case StepChoose:
        s.frameCaption = QCoreApplication::translate("Wizard", "Choose an Option");
        s.nextEnabled = true;
        s.optionsShown = true;
        return s;
    case StepChooseFile:
        s.frameCaption = QCoreApplication::translate("Wizard", "Choose a file to install");
        s.backEnabled = s.nextEnabled = true;
        s.browseShown = s.pathShown = s.noteShown = s.typeShown = s.progressShown = true;
        s.noteText = QCoreApplication::translate(
            "Wizard", "NOTE:You can only install mods if they are inside a vif "
                      "file!...... All files are backed up before they are "
                      "overwritten/saved!");
        return s;
    case StepChooseFiles:
        s.frameCaption = QCoreApplication::translate("Wizard", "Choose files");
        s.backEnabled = true;
        s.browseShown = s.pathShown = s.noteShown = s.namesShown = true;
        s.noteText = QCoreApplication::translate(
            "Wizard", "Choose the files you would like to add and then choose the "
                      "directory where the file should be installed");
        return s;
    case StepChoosePackage:
        s.frameCaption = QCoreApplication::translate("Wizard", "Choose directory name");
        s.backEnabled = true;
        s.browseShown = s.pathShown = s.noteShown = true;
        s.pathText = QCoreApplication::translate("Wizard", "No Directory Chosen!");
        s.noteText = QCoreApplication::translate(
            "Wizard", "Choose a directory and name to save the file to and then "
                      "click next");
        return s;
    case StepSaving:
        //: The caption of the installer's frame while a package is saved (the "2" is part of
        //: the caption as the program has always shown it).
        s.frameCaption = QCoreApplication::translate("Wizard", "Saving Files2");
        s.backEnabled = s.nextEnabled = true;
        s.pathShown = s.noteShown = s.progressShown = true;
        s.pathText = QCoreApplication::translate("Wizard", "Files saved!");
        s.noteText = QCoreApplication::translate(
            "Wizard", "Compiling Files. NOTE: This file will be saved in your "
                      "specified file and backed up!");
        return s;
    default:
        return std::nullopt;
    }
}

QString packageFilter() { return QStringLiteral("Vessa's Installation Files (*.vif)|*.vif"); }

} // namespace gk
