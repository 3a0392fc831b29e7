#pragma once

#include "base/paths.h"
#include "installer/compile.h"
#include "ui/forms.h"

#include <QFont>
#include <QList>
#include <QWidget>

#include <atomic>

class QGroupBox;
class QLabel;
class QTreeWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace gk {

// The installer: a step-by-step wizard that installs single files and packages and
// compiles new packages.
class frmInstall : public QWidget {
    Q_OBJECT
public:
    static constexpr Form formId = Form::Install;

    frmInstall();
    void Form_Load();

    // Lays the window out for the current step.
    void ShowStep();
    // The wizard's current step (InstallerStep).
    int step() const { return InstallStep; }

    // A package is being installed beside the window.
    bool isWorking() const { return m_working; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void connectControls();
    void cmdNext_Click();
    void cmdBack_Click();
    void cmdInstall_Click();
    void cmdCancel_Click();
    void ShowFileType();

    // Step 1: the file to install, as the "..." button chooses it; false (with a message)
    // when it cannot be read.
    bool chooseFile(const NativePath& path);
    // Step 1: install the chosen file according to its extension.
    void InstallChosenFile();
    void installSingle(int kind);
    void InstallPackage();
    void InstallTattoo();
    // After an installation: Next finishes, and has the keyboard.
    void finishInstall();
    // While a package is installed: what would start other work is disabled, Cancel stops it.
    void setWorking(bool working);
    void stopWork();
    // Closes the window when it was asked to close while it worked.
    void closeAfterWork();
    // Step 2: add a file to the package being compiled; take the selected one out again.
    void AddPackFile();
    void cmdRemove_Click();
    void showPackageFiles();
    // Step 3: choose the package file.
    void choosePackageFile();
    // Step 6: save the package.
    void SavePackage();

    void setStep(int step) { InstallStep = static_cast<qint16>(step); }
    // Files offered from outside: chooses the next one unless the last one offered still waits
    // for Next; the title says how many more wait.
    void takeOfferedFile();
    bool offeredFileWaiting() const;
    // After an installation: the way to its record in the history.
    void offerHistory(int operation);
    void cmdHistory_Click();

    QLabel* Image1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QRadioButton* op1 = nullptr;
    QRadioButton* op2 = nullptr;
    QRadioButton* op3 = nullptr;
    QRadioButton* op4 = nullptr;
    QPushButton* cmdInstall = nullptr;
    QLabel* lblPath = nullptr;
    QLabel* lblType = nullptr;
    QLabel* lblNote = nullptr;
    QProgressBar* prg1 = nullptr;
    QTreeWidget* rtbFileNames = nullptr; // the package's files and where each installs
    QPushButton* cmdRemove = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdHistory = nullptr;

    qint16 InstallStep = 0;
    QString m_dio1Filter;             // stays on the main file dialog once set
    NativePath m_dio1Name;            // the main file dialog's current file name
    NativePath m_dio2Name;            // the install-path dialog's current file name
    NativePath m_chosenFile;          // step 1: the file to install
    QByteArray m_chosenContents;      // its bytes, read when it was chosen
    NativePath m_packagePath;         // step 3: where the package is saved
    PackageCompiler m_compiler;       // the package being compiled
    bool m_finishedBySave = false;    // step 5 was reached by saving a package
    int m_lastOperation = 0;          // the history's record of the last installation
    bool m_working = false;           // a package is being installed beside the window
    std::atomic<bool> m_stop = false; // Cancel was pressed meanwhile
    bool m_closeAfterWork = false;    // the window was asked to close meanwhile
    QList<QPushButton*> m_enabledBeforeWork;

    // The last file offered from outside that was chosen, and the last installation's record
    // then: it waits for Next until a new record says it was installed.
    NativePath m_offeredFile;
    int m_operationBeforeOffer = 0;
};

// The installer's decorative banner, 100 x 400 pixels.
QPixmap installerBanner();
// The font of the banner's title, which runs up the banner from near its bottom to where the
// window shows it: DejaVu Serif of 24 pixels, smaller where a language's title needs it.
constexpr int kBannerTitleLength = 320;
QFont installerBannerFont();

} // namespace gk
