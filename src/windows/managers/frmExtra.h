#pragma once

#include "base/paths.h"
#include "common/shared.h"
#include "ui/forms.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;

namespace gk {

// The landscape and skin manager: loads landscapes (.lnd) and skins (.l3d), shows them, and
// installs them into the game with a backup of the file they replace.
class frmExtra : public QWidget {
    Q_OBJECT
public:
    static constexpr Form formId = Form::Extra;

    frmExtra();

    // The file name of the landscape last loaded in this run, also in an earlier instance.
    static QString landscapeFileName() { return LandscapeFileName; }

private:
    void createControls();
    void connectControls();
    // A kind of content this window handles: landscapes or skins.
    struct Content {
        const char* kindName; // "landscape", "skin", as the history records it
        QString extension;    // the only kind of file it takes: "lnd", "l3d"
        QString filter;       // file dialog filter
        QString notThisKind;  // says that the file %1 is not of this kind
        QString loadFirst;    // asks to load a file of this kind before it is installed
        QString gameFolder;   // below GameFolder
        QString backupFolder; // below ManagerFolder
        QPlainTextEdit* view = nullptr;
        NativePath path;  // the file last loaded in this window
        QByteArray bytes; // its content as loaded
    };

    // Loads a file of the kind; false when nothing was loaded.
    bool load(Content& content);
    void install(Content& content, const QString& name);
    void cmdLoadLand_Click();
    void cmdInstallLand_Click();
    void cmdLoadSkin_Click();
    void cmdInstallSkin_Click();
    void StoreLandscapeFileName(const NativePath& path);
    void setStatus(const QString& text);

    Content m_land;
    Content m_skin;
    QLabel* lblStatus = nullptr;
    NativePath m_dialogFileName;
    // The file name of the landscape last loaded with Load Landscape; Install Landscape
    // installs under it. It outlives the window.
    static inline Remembered<QString> LandscapeFileName;
};

} // namespace gk
