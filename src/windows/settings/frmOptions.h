#pragma once

#include "base/paths.h"
#include "ui/forms.h"

#include <QDialog>

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
    QStringList fieldValues() const;

    QTabWidget* SSTab1 = nullptr;
    QLineEdit* txtRunBlack = nullptr;
    QLineEdit* txtManagerLocation = nullptr;
    QLineEdit* txtMapCreator = nullptr;
    QLineEdit* txtLandscapeCreator = nullptr;
    QLineEdit* txtTattooCreator = nullptr;
    QLineEdit* txtSkinCreator = nullptr;
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
