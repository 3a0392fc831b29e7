#pragma once

#include "base/paths.h"
#include "common/shared.h"
#include "files/store.h"
#include "managers/content.h"
#include "ui/anchors.h"
#include "ui/forms.h"
#include "ui/largetextedit.h"

#include <QWidget>

class QFrame;
class QLabel;
class QMenu;

namespace gk {

// The map manager: open a map script, edit it, save it, install it into the game's
// playground folder and try it in the game.
class frmMap : public QWidget, public ChildMenus {
    Q_OBJECT
public:
    static constexpr Form formId = Form::Map;

    frmMap();
    QList<QMenu*> childMenus() const override { return m_menus; }

    // The text the save and install commands write.
    QString mapText() const;
    // A map is being read (a large one is read beside the window, which stays usable).
    bool isLoading() const { return m_loading; }
    // The file name of the map last opened in this run, also in an earlier instance.
    static QString mapFileName() { return MapFileName; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createMenus();
    void connectControls();
    void LoadMapText();
    bool SaveMapText();
    void InstallMapText();
    void StoreMapFileName(const QString& path);
    void Form_Resize();

    void cmdTown_Click();
    void cmdEdit_Click();
    void cmdReadme_Click();
    void cmdTest_Click();

    // Encodes the text for writing; asks first when characters would be lost.
    bool encodeForWriting(QByteArray& bytes);
    // Before the text is replaced or the window closes: asks about unsaved changes; true
    // when the text may go (saved, or the user lets it go).
    bool keepOrSaveEdits();
    // Reads the map at `path` and shows it; `again`: the file shown, read again because it
    // changed on disk.
    void readMap(const NativePath& path, bool again);
    // Shows a map read from `path`; `lines`, when given, hold its text, made beside the window.
    void showMap(const NativePath& path, const MapText& map, TextLines* lines, bool again);
    void setLoading(bool loading, const NativePath& path);
    // After the change store changed the file shown: reads it again, or, over unsaved edits
    // (or when it is gone), marks the text unsaved and says so.
    void showDiskChanges(const Announcement& announcement);

    LargeTextEdit* rtbMap = nullptr; // fluid with maps of megabytes, and lines of megabytes
    QList<Anchored> m_anchored;      // how each control follows the window's size
    QLabel* lblDirectory = nullptr;
    QLabel* lblCurrentDirectory = nullptr;
    QLabel* lblMessage = nullptr;
    QLabel* lblWelcomeMessage = nullptr;
    QFrame* ln1 = nullptr;
    QList<QMenu*> m_menus;
    NativePath m_dialogFileName; // the file dialog's current file name, shared by load and save
    NativePath m_loadedPath;     // the map loaded in this window (empty: none yet)
    NativePath m_diskPath;       // the file whose text the window shows: loaded or saved last
    bool m_writing = false;      // the window is writing its text
    MapText m_loaded;            // as it was read: its bytes, line ends and text
    bool m_loading = false;
    // The file name of the map last opened with Load Map; Install this Map writes under it.
    // It outlives the window: a map window opened again still installs under that name.
    static inline Remembered<QString> MapFileName;
};

} // namespace gk
