#pragma once

#include "base/paths.h"
#include "system/launch.h"
#include "ui/forms.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace gk {

// The Options dialog: the six paths of options.txt.
class frmOptions : public QDialog {
    Q_OBJECT
public:
    static constexpr Form formId = Form::Options;

    frmOptions();
    void Form_Load();

private:
    void createControls();
    void connectControls();
    QWidget* addTab(const char* name, const QString& caption);
    // One row of a tab: the label's caption above its field, and the browse button.
    struct Row {
        const char* labelName;
        QString caption;
        int labelTop;
        const char* fieldName;
        int fieldWidth;
        const char* buttonName;
        QString buttonCaption;
        int buttonLeft;
    };
    QLineEdit* addRow(QWidget* tab, const Row& row);

    void LoadOptions();
    void ReadOptionsFile(const QStringList& values);
    bool SaveOptions();

    void cmdOK_Click();
    void cmdApply_Click();
    void cmdCancel_Click();
    // Browse for a file; `folderOnly` keeps the chosen file's folder.
    void browse(QLineEdit* field, const QString& filter, bool folderOnly);

    // The first time: Grovekeep's folder and the game's, as far as they can be guessed.
    void proposeFirstSettings();
    // "Find the game...": the game in this system's places (on Linux the Wine prefixes,
    // the launchers' included); when found in several, the user chooses. `quiet` says
    // nothing when nothing is found.
    void FindGame(bool quiet);
    // The Wine field: empty for the system's wine, the path of a wine program, or a command.
    WineStart wineFromField() const;
    void showWine(const WineStart& wine);
    QStringList fieldValues() const;

    QTabWidget* SSTab1 = nullptr;
    QLineEdit* txtRunBlack = nullptr;
    QLineEdit* txtManagerLocation = nullptr;
    QLineEdit* txtMapCreator = nullptr;
    QLineEdit* txtLandscapeCreator = nullptr;
    QLineEdit* txtTattooCreator = nullptr;
    QLineEdit* txtSkinCreator = nullptr;
    QLineEdit* txtWine = nullptr; // how Windows programs start (not on Windows)
    QPushButton* cmdFindGame = nullptr;
    QComboBox* cmbLanguage = nullptr; // the language of the texts, from the next start
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdApply = nullptr;
    QPushButton* cmdOK = nullptr;
    NativePath m_dialogFileName; // the file last chosen with any browse button
    int m_tabOffsetTwips = 0;
};

// Filters of the browse buttons on this platform.
QString gameBrowseFilter();
QString managerBrowseFilter();
QString mapEditorBrowseFilter();
QString editorBrowseFilter();

} // namespace gk
