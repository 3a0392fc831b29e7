#pragma once

#include "base/paths.h"
#include "common/shared.h"
#include "files/store.h"
#include "ui/webpage.h"

#include <QFrame>

#include <memory>
#include <optional>

class QLabel;
class QProgressBar;
class QPushButton;
class QTemporaryDir;

namespace gk {

// The downloads of a web window, shown as a strip below its page. A download is saved where
// the user chooses; the engine writes it into a temporary folder, and the finished file is put
// in place through the change store, so a file it replaces stays in the history. One download
// runs at a time.
class DownloadBar : public QFrame {
    Q_OBJECT
public:
    explicit DownloadBar(QWidget* window);
    ~DownloadBar() override;

    // Takes a download the page requested: asks where to save it and starts it, or refuses it.
    void take(std::unique_ptr<WebDownload> download);
    bool isRunning() const { return m_download != nullptr; }
    // Before the window closes: true when no download runs, or the user agrees to stop it.
    bool mayClose();
    // Places the strip at the bottom of the page area `page` while it is shown, and returns
    // what is left of the page area.
    QRect place(const QRect& page);

    // The folder the save dialog opens in: the one chosen last in this run.
    static inline Remembered<NativePath> DownloadFolder;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // The strip appeared or went away: the window lays itself out again.
    void shownChanged();

private:
    void cmdCancelDownload_Click();
    void cmdHideDownload_Click();
    void showProgress(qint64 received, qint64 total);
    void end(DownloadEnd how, const QString& reason);
    // Puts the finished file in place; false (after saying why) when it could not be.
    bool putInPlace();
    void showResult(const QString& text);
    // The strip's text, shortened in the middle to the room it has.
    void setText(const QString& text);
    void showText();
    void setShown(bool shown);

    QWidget* m_window;
    QLabel* lblDownload = nullptr;
    QProgressBar* prgDownload = nullptr;
    QPushButton* cmdCancelDownload = nullptr;
    QPushButton* cmdHideDownload = nullptr;
    QString m_text;

    // The running download, what it is written into, and where it goes.
    std::unique_ptr<QTemporaryDir> m_temp;
    std::unique_ptr<WebDownload> m_download;
    NativePath m_partial;
    NativePath m_target;
    std::optional<ChangeStore> m_store;
    bool m_replaces = false;
    bool m_choosing = false; // a save dialog of this bar is open
};

// The save dialog's filter for a file name: its own extension first, then every file.
QString downloadFilter(const QString& fileName);

} // namespace gk
