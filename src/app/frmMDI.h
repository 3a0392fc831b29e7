#pragma once

#include "ui/forms.h"

#include <QMainWindow>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QStatusBar;

namespace gk {

// Grovekeep's main window: the child windows live in its work area; its menu bar leads to
// every other window.
class frmMDI : public QMainWindow {
    Q_OBJECT
public:
    static constexpr Form formId = Form::MDI;

    frmMDI();
    ~frmMDI() override;

    // Start-up: the splash (with the settings), then the status text and the browser's
    // default address.
    void MDIForm_Load();

    QMdiSubWindow* addChild(QWidget* child);
    QMdiArea* area() const { return m_area; }
    QString statusText() const;
    QList<QMenu*> mainMenus() const { return m_menus; }

    // Picks the menu bar of the active child window, or the main window's own.
    void updateMenuBar();

    // Files from outside (dropped, given on the command line, handed over by a second start):
    // those the installer takes are offered to it one after another; the others are named, and
    // why they are not taken.
    void offerFiles(const QStringList& files);

protected:
    void closeEvent(QCloseEvent* event) override;
    // A package, map, landscape or skin dropped on the window opens the installer with it
    // chosen; nothing is installed before the user presses Next.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createControls();
    void createMenus();
    void openPage(const QString& address);

    void mnuMarrowby_Click();
    void mnuFernlow_Click();
    void mnuExit_Click();
    void mnuMap_Click();
    void mnuLandscape_Click();
    void mnuSkin_Click();
    void mnuTattoo_Click();
    void mnuReadme_Click();
    void mnuBrowser_Click();
    void mnuInstall_Click();
    void mnuOptions_Click();
    void mnuContents_Click();
    void mnuUpdates_Click();
    void mnuBugReport_Click();
    void mnuComments_Click();
    void mnuOfficialForums_Click();
    void mnuAbout_Click();

    QMdiArea* m_area = nullptr;
    QStatusBar* stat1 = nullptr;
    QLabel* m_panel1 = nullptr;
    QList<QMenu*> m_menus;
    QList<QMenu*> m_shownMenus;
};

} // namespace gk
