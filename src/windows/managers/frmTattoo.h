#pragma once

#include "base/paths.h"
#include "common/shared.h"
#include "files/store.h"
#include "ui/forms.h"

#include <QWidget>

class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace gk {

// The tattoo manager: a profile's sixteen tattoos in a 4 x 4 grid, a test area to preview a
// bitmap, and a "..." button per slot that replaces its tattoo.
class frmTattoo : public QWidget, public ChildMenus {
    Q_OBJECT
public:
    static constexpr Form formId = Form::Tattoo;

    frmTattoo();
    QList<QMenu*> childMenus() const override { return m_menus; }

    // The profile folder last loaded in this run, also in an earlier instance.
    static NativePath profileFolder() { return ProfileFolder; }

private:
    void createControls();
    void createMenus();
    void connectControls();
    void editTattoo();
    void showHelpPage();
    void ReplaceTattooSlot(int slot);
    void cmdLoadTat1_Click();
    void LoadProfileTattoos();
    // After the change store changed a file of the profile shown: shows its tattoos again.
    void showDiskChanges(const Announcement& announcement);
    void cmdTatoo_Click();
    void installPreview();

    // Shows a bitmap whole in a picture box; false when the bytes are not a picture.
    // True for a whole Windows bitmap; otherwise says why it cannot be a tattoo.
    bool isTattooOrSay(const NativePath& path, const QByteArray& bytes);
    static bool showPicture(QLabel* box, const QByteArray& bytes);

    QLabel* tat[17] = {};
    QLabel* picTest = nullptr;
    QPlainTextEdit* rtbTat = nullptr;
    QLabel* lblDirectory = nullptr;
    QList<QMenu*> m_menus;
    NativePath m_dialogFileName;
    QByteArray m_preview; // the bitmap shown in the test area
    // The folder of the helpstats.dat last opened with Load Tatoos, up to and including its last
    // separator: the profile whose tattoos the window shows and replaces. It outlives the
    // window.
    static inline Remembered<NativePath> ProfileFolder;
};

} // namespace gk
