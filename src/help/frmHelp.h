#pragma once

#include "help/navigation.h"

#include <QMainWindow>
#include <QUrl>

class QListWidget;
class QMenu;
class QTextBrowser;
class QToolButton;

namespace gk::help {

// The help viewer's window: the help pages of the folder "HelpFiles" in a file list on the
// left, the page opened from it on the right, and Back and Forward over the viewer's own
// history of the pages opened from the list.
class frmHelp : public QMainWindow {
    Q_OBJECT
public:
    // `helpFolder` empty: the folder "HelpFiles" beside the program.
    explicit frmHelp(const QString& helpFolder = QString(), QWidget* parent = nullptr);

    // The folder the pages are read from, with its trailing separator.
    const QString& HelpFolder() const { return m_helpFolder; }
    const History& history() const { return m_history; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void createMenus();
    void connectControls();
    void Form_Load();
    void fl1_Open(); // double-click or Enter on a file of the list
    void cmdBack_Click();
    void cmdForward_Click();
    void cmdRefresh_Click();
    void cmdStop_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mnuExit_Click();

    // Shows a plain file path: a page, the help folder's list of pages, or a page saying
    // why there is nothing to show.
    void navigate(const QString& address);
    QUrl inLanguage(const QUrl& page) const;
    void showLocal(const QUrl& url, bool reload = false);
    void web1_AnchorClicked(const QUrl& link);
    void fillFileList();
    // No control characters but line ends and tabs in the first few kilobytes.
    static bool looksLikeText(const QString& path);
    void showGenerated(const QString& title, const QString& body);
    void showEmptyAddress();
    void showFolder(const QString& folder);
    void showMissingFolder();
    void showMissingPage(const QString& path);
    void openExternal(const QUrl& address);

    QToolButton* cmdBack = nullptr;
    QToolButton* cmdStop = nullptr;
    QToolButton* cmdForward = nullptr;
    QToolButton* cmdRefresh = nullptr;
    QListWidget* fl1 = nullptr;
    QTextBrowser* web1 = nullptr;
    QList<QMenu*> m_menus;

    QString m_helpFolder;
    History m_history;
    // What the page area shows: an address (a local page, with its fragment), or none for
    // the page of an empty address.
    QUrl m_shown;
    bool m_generated = false; // the page area holds a page made by the viewer
    bool m_loaded = false;    // Form_Load has run
};

} // namespace gk::help
