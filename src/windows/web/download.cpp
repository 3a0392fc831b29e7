#include "download.h"

#include "base/fileio.h"
#include "base/quoting.h"
#include "common/commands.h"
#include "installer/install.h"
#include "platform/platform.h"

#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>

namespace gk {

namespace {

// The name the server proposes, as a bare file name.
QString proposedName(const WebDownload& download) {
    QString name = bareFileName(download.suggestedFileName()).trimmed();
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        name = QStringLiteral("download");
    return name;
}

// Where the save dialog opens: the folder chosen last, else the user's download folder.
NativePath startFolder() {
    const NativePath last = DownloadBar::DownloadFolder;
    if (!last.isEmpty() && folderExists(last))
        return last;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return NativePath(QDir::toNativeSeparators(folder) + QDir::separator());
}

const QString kTemporaryPrefix = QStringLiteral(".download-");

// Removes what downloads of a run that was killed left in `folder`: temporary folders that
// hold nothing but the engine's files of one download, untouched for a day.
void removeAbandonedDownloads(const NativePath& folder) {
    const QDateTime dayAgo = QDateTime::currentDateTime().addDays(-1);
    const QFileInfoList found =
        QDir(folder.text())
            .entryInfoList({kTemporaryPrefix + QStringLiteral("??????")},
                           QDir::Dirs | QDir::Hidden | QDir::NoSymLinks | QDir::NoDotAndDotDot);
    for (const QFileInfo& candidate : found) {
        if (candidate.lastModified() > dayAgo)
            continue;
        const QFileInfoList inside = QDir(candidate.filePath())
                                         .entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                        QDir::System | QDir::NoDotAndDotDot);
        const bool abandoned = std::all_of(inside.begin(), inside.end(), [&](const QFileInfo& f) {
            return f.isFile() && !f.isSymLink() && f.lastModified() < dayAgo &&
                   f.fileName().startsWith(QLatin1String("download"));
        });
        if (abandoned)
            QDir(candidate.filePath()).removeRecursively();
    }
}

// A folder for the engine to write into: in Grovekeep's folder when it is known (usually on
// the same disk as the user's files), else in the system's temporary folder.
std::unique_ptr<QTemporaryDir> temporaryFolder() {
    if (!shared().ManagerFolder.isEmpty()) {
        const NativePath manager = managerFolder().native();
        if (folderExists(manager)) {
            auto dir = std::make_unique<QTemporaryDir>(
                manager.child(kTemporaryPrefix + QStringLiteral("XXXXXX")).text());
            if (dir->isValid())
                return dir;
        }
    }
    auto dir = std::make_unique<QTemporaryDir>();
    return dir->isValid() ? std::move(dir) : nullptr;
}

} // namespace

QString downloadFilter(const QString& fileName) {
    //: A file dialog's filter: keep "(*)" as it is
    const QString all = DownloadBar::tr("All files (*)") + QStringLiteral("|*");
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot > 0 ? fileName.mid(dot + 1) : QString();
    if (extension.isEmpty() || extension.contains(QLatin1Char(' ')))
        return all;
    //: A file dialog's filter: %1 is the downloaded file's extension ("vif"); keep "(*.%1)"
    //: as it is
    return DownloadBar::tr("%1 files (*.%1)").arg(extension) +
           QStringLiteral("|*.%1|").arg(extension) + all;
}

DownloadBar::DownloadBar(QWidget* window)
    : QFrame(window)
    , m_window(window) {
    setObjectName(QStringLiteral("fraDownload"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    lblDownload = new QLabel(this);
    lblDownload->setObjectName(QStringLiteral("lblDownload"));
    lblDownload->setTextFormat(Qt::PlainText);
    lblDownload->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lblDownload->installEventFilter(this);
    prgDownload = new QProgressBar(this);
    prgDownload->setObjectName(QStringLiteral("prgDownload"));
    prgDownload->setAccessibleName(tr("Download progress"));
    prgDownload->setFixedWidth(160);
    prgDownload->setTextVisible(false);
    cmdCancelDownload = new QPushButton(tr("Cancel"), this);
    cmdCancelDownload->setObjectName(QStringLiteral("cmdCancelDownload"));
    cmdCancelDownload->setAccessibleName(tr("Cancel the download"));
    cmdHideDownload = new QPushButton(tr("Hide"), this);
    cmdHideDownload->setObjectName(QStringLiteral("cmdHideDownload"));
    cmdHideDownload->setAccessibleName(tr("Hide the download bar"));
    for (QPushButton* b : {cmdCancelDownload, cmdHideDownload}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(75);
    }
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 3, 6, 3);
    row->addWidget(lblDownload, 1);
    row->addWidget(prgDownload);
    row->addWidget(cmdCancelDownload);
    row->addWidget(cmdHideDownload);
    connect(cmdCancelDownload, &QPushButton::clicked, this, &DownloadBar::cmdCancelDownload_Click);
    connect(cmdHideDownload, &QPushButton::clicked, this, &DownloadBar::cmdHideDownload_Click);
    hide();
}

// The running download is cancelled (by dropping it) before its folder is removed.
DownloadBar::~DownloadBar() = default;

void DownloadBar::take(std::unique_ptr<WebDownload> download) {
    if (!download)
        return;
    const QString name = proposedName(*download);
    if (m_download || m_choosing) {
        // (A page may start another download while the save dialog of one is open.)
        platform().message(
            m_window,
            m_download
                //: %1 is the file being downloaded, %2 the one refused, both in quotes
                ? tr("Please wait until %1 has been downloaded, or cancel that download "
                     "first.\n%2 was not downloaded.")
                      .arg(quotedName(m_target.fileName()), quotedName(name))
                //: %1 is the file refused, in quotes
                : tr("Please wait until the file being saved has been downloaded, or cancel "
                     "that download first.\n%1 was not downloaded.")
                      .arg(quotedName(name)));
        return;
    }
    const QScopedValueRollback<bool> choosing(m_choosing, true);
    if (!shared().ManagerFolder.isEmpty())
        removeAbandonedDownloads(managerFolder().native());
    const auto target =
        platform().saveFileName(m_window, downloadFilter(name), startFolder().child(name),
                                //: The title of the file dialog that saves a download
                                tr("Save Download As"));
    if (!target || target->isEmpty())
        return;
    DownloadFolder = target->folder();

    // A file the user has is replaced only where the history can keep what it holds now.
    const bool replaces = fileExists(*target);
    if (replaces && shared().ManagerFolder.isEmpty()) {
        platform().message(m_window,
                           tr("%1 already exists. Grovekeep replaces a file only when it can keep "
                              "its present contents in its history, and it does not know where its "
                              "own folder is yet.\nChoose another name, or set Grovekeep's folder "
                              "first (Tools > Options). Nothing was downloaded.")
                               .arg(quotedPath(*target)));
        return;
    }
    if (!confirmReplace(m_window, *target))
        return;
    std::optional<ChangeStore> store;
    if (!shared().ManagerFolder.isEmpty()) {
        store = storeOrSay(m_window);
        if (!store)
            return;
    }
    auto temp = temporaryFolder();
    if (!temp) {
        platform().message(m_window, tr("%1 cannot be downloaded: no temporary folder could be "
                                        "made for it. Nothing was downloaded.")
                                         .arg(quotedName(name)));
        return;
    }

    m_temp = std::move(temp);
    m_partial = NativePath(m_temp->filePath(QStringLiteral("download")));
    m_target = *target;
    m_store = std::move(store);
    m_replaces = replaces;
    download->progressed = [this](qint64 received, qint64 total) { showProgress(received, total); };
    download->finished = [this](DownloadEnd how, const QString& reason) { end(how, reason); };
    m_download = std::move(download);

    prgDownload->show();
    cmdCancelDownload->show();
    cmdHideDownload->hide();
    showProgress(0, -1);
    setShown(true);
    m_download->accept(m_partial.text());
}

void DownloadBar::showProgress(qint64 received, qint64 total) {
    const QLocale locale;
    QString text;
    if (total > 0) {
        //: %1 is the file's name, %2 the size received so far, %3 the whole size
        text = tr("Downloading %1: %2 of %3")
                   .arg(quotedName(m_target.fileName()), locale.formattedDataSize(received),
                        locale.formattedDataSize(total));
        prgDownload->setRange(0, 1000);
        prgDownload->setValue(static_cast<int>(std::min(received, total) * 1000 / total));
    } else {
        //: %1 is the file's name, %2 the size received so far
        text = tr("Downloading %1: %2")
                   .arg(quotedName(m_target.fileName()), locale.formattedDataSize(received));
        prgDownload->setRange(0, 0); // busy: the size is not known
    }
    setText(text);
}

void DownloadBar::cmdCancelDownload_Click() { end(DownloadEnd::Cancelled, QString()); }

void DownloadBar::cmdHideDownload_Click() { setShown(false); }

bool DownloadBar::mayClose() {
    if (!m_download)
        return true;
    if (platform().ask(m_window,
                       tr("%1 is still being downloaded.\nStop the download and close "
                          "the window?")
                           .arg(quotedName(m_target.fileName())),
                       false, Answer::No) != Answer::Yes)
        return false;
    end(DownloadEnd::Cancelled, QString());
    return true;
}

void DownloadBar::end(DownloadEnd how, const QString& reason) {
    std::unique_ptr<WebDownload> download = std::move(m_download);
    if (!download)
        return;
    download->progressed = nullptr;
    download->finished = nullptr;
    if (how != DownloadEnd::Completed)
        download->cancel();
    const bool saved = how == DownloadEnd::Completed && putInPlace();
    // The engine lets go of the file before its folder goes.
    download.reset();
    m_temp.reset();
    m_store.reset();

    const QString name = quotedName(m_target.fileName());
    switch (how) {
    case DownloadEnd::Completed:
        if (!saved) {
            setShown(false);
            return;
        }
        //: %1 is the file's name, %2 its folder
        showResult(m_replaces ? tr("%1 was saved in %2. The file it replaced is kept in "
                                   "Grovekeep's history.")
                                    .arg(name, m_target.folder().shown())
                              : tr("%1 was saved in %2.").arg(name, m_target.folder().shown()));
        if (offeredToInstaller(installKindFor(m_target.text())) &&
            platform().ask(m_window,
                           tr("%1 has been downloaded.\nDo you want to install it now?").arg(name),
                           false) == Answer::Yes)
            offerToInstall(m_target);
        return;
    case DownloadEnd::Cancelled:
        showResult(tr("The download of %1 was cancelled. Nothing was saved.").arg(name));
        return;
    case DownloadEnd::Failed:
        setShown(false);
        //: %1 is the file's name, %2 why the download failed
        platform().message(m_window, tr("The download of %1 failed (%2).\nNothing was "
                                        "saved.")
                                         .arg(name, reason));
        return;
    }
}

bool DownloadBar::putInPlace() {
    const QFileInfo partial(m_partial.text());
    if (!partial.isFile()) {
        platform().message(m_window, tr("The download of %1 ended, but the file it "
                                        "was written to is missing.\nNothing was "
                                        "saved.")
                                         .arg(quotedName(m_target.fileName())));
        return false;
    }
    Contents contents;
    contents.add(m_partial, 0, partial.size());
    const FileChange change(fs::Location::below(m_target.folder(), m_target.fileName()),
                            std::move(contents));
    // Without Grovekeep's folder only a new file is written (a name taken meanwhile fails).
    const Status written = saveFiles(m_store ? &*m_store : nullptr,
                                     savedAs(QStringLiteral("Download"), m_target), {change});
    if (!written) {
        platform().message(m_window,
                           //: %1 is the file's name, %2 why it could not be saved
                           tr("%1 was downloaded, but could not be saved:\n%2")
                               .arg(quotedName(m_target.fileName()), written.error()));
        return false;
    }
    return true;
}

void DownloadBar::setText(const QString& text) {
    m_text = text;
    lblDownload->setToolTip(text);
    lblDownload->setAccessibleName(text);
    showText();
}

void DownloadBar::showText() {
    lblDownload->setText(
        lblDownload->fontMetrics().elidedText(m_text, Qt::ElideMiddle, lblDownload->width()));
}

bool DownloadBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblDownload && event->type() == QEvent::Resize)
        showText();
    return QFrame::eventFilter(watched, event);
}

void DownloadBar::showResult(const QString& text) {
    setText(text);
    prgDownload->hide();
    cmdCancelDownload->hide();
    cmdHideDownload->show();
    setShown(true);
}

void DownloadBar::setShown(bool shown) {
    if (shown == !isHidden())
        return;
    setVisible(shown);
    emit shownChanged();
}

QRect DownloadBar::place(const QRect& page) {
    if (isHidden())
        return page;
    const int height = std::min(page.height(), std::max(sizeHint().height(), 30));
    setGeometry(page.left(), page.bottom() + 1 - height, page.width(), height);
    raise();
    return QRect(page.left(), page.top(), page.width(), page.height() - height);
}

} // namespace gk
