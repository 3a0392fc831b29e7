// Downloads from the web windows: where they go, that they go through the change store, and
// that a download that does not finish leaves nothing behind.

#include "web/webworld.h"

#include "files/store.h"
#include "web/download.h"
#include "web/frmUpdate.h"

#include <QCryptographicHash>
#include <QLabel>
#include <QMdiSubWindow>
#include <QProgressBar>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <utime.h>
#endif

using namespace gk;
using namespace gk::test;

namespace {

struct DownloadWorld : WebWorld {
    DownloadWorld() {
        shared().ManagerFolder = folder("manager");
        downloads = folder("downloads");
        browser = qobject_cast<frmBrowser*>(showForm(Form::Browser));
        page = browserPage();
    }
    // Temporary download folders left in Grovekeep's folder.
    QStringList leftovers() const {
        return QDir(path("manager")).entryList({".download-*"}, QDir::AllEntries | QDir::Hidden);
    }
    QWidget* bar() const { return child<QWidget>(browser, "fraDownload"); }
    // The strip's whole text (the label shows it shortened when it lacks room).
    QString barText() const { return child<QLabel>(browser, "lblDownload")->toolTip(); }

    QString downloads;
    frmBrowser* browser = nullptr;
    FakePage* page = nullptr;
};

// Gives a file or folder a modification time `days` ago.
void age(const QString& path, int days) {
#ifdef Q_OS_WIN
    // A folder's times are set through a handle of the folder itself.
    const HANDLE handle = CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()),
                                      FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    QVERIFY(handle != INVALID_HANDLE_VALUE);
    // 100-nanosecond ticks since 1601.
    const qint64 ticks =
        (QDateTime::currentDateTimeUtc().addDays(-days).toMSecsSinceEpoch() + 11644473600000LL) *
        10000;
    FILETIME then{DWORD(ticks), DWORD(ticks >> 32)};
    const bool set = SetFileTime(handle, nullptr, nullptr, &then);
    CloseHandle(handle);
    QVERIFY(set);
#else
    const time_t then = QDateTime::currentDateTime().addDays(-days).toSecsSinceEpoch();
    const utimbuf times{then, then};
    QVERIFY(::utime(QFile::encodeName(path).constData(), &times) == 0);
#endif
}

QString sha256(const QByteArray& bytes) {
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

} // namespace

class TestWebDownloads : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { applyGrovekeepStyle(); }
    void savedThroughTheStoreAndOfferedToInstall();
    void refusedOrCancelledWritesNothing();
    void failuresLeaveNothingAndSaySo();
    void oneAtATimeAndClosingAsks();
    void updatesWindowDownloadsToo();
};

void TestWebDownloads::savedThroughTheStoreAndOfferedToInstall() {
    DownloadWorld w;
    const QString target = w.downloads + "river.vif";
    const QByteArray first = "###Begin_VIF### first";

    // The save dialog proposes the server's name, with its kind first in the filter.
    w.platform->answerFile(target);
    w.platform->answers = {Answer::No}; // not installed now
    auto transfer = w.page->startDownload("river.vif");
    QCOMPARE(w.platform->fileRequests.size(), 1);
    QVERIFY(w.platform->fileRequests[0].save);
    QCOMPARE(w.platform->fileRequests[0].title, "Save Download As");
    QVERIFY(w.platform->fileRequests[0].currentName.endsWith("river.vif"));
    QVERIFY(w.platform->fileRequests[0].filter.startsWith("vif files (*.vif)|*.vif|"));
    QVERIFY(transfer->alive());
    // The engine writes into Grovekeep's folder, not over the user's file.
    QVERIFY(transfer->accepted.startsWith(w.path("manager/.download-")));
    QVERIFY(!QFile::exists(target));

    // Progress shows in the strip below the page, which makes room for it.
    QVERIFY(w.bar()->isVisible());
    QWidget* web1 = child<QWidget>(w.browser, "web1");
    QCOMPARE(web1->geometry().bottom() + 1, w.bar()->geometry().top());
    transfer->receive(first.left(10), first.size());
    QCOMPARE(child<QProgressBar>(w.browser, "prgDownload")->value(), 10 * 1000 / first.size());
    QVERIFY(w.barText().contains("river.vif"));
    transfer->receive(first.mid(10), first.size());
    transfer->finish(DownloadEnd::Completed);

    QCOMPARE(fileBytes(target), first);
    QVERIFY(!transfer->alive());
    QVERIFY(w.leftovers().isEmpty());
    QVERIFY(w.barText().contains("was saved in"));
    QCOMPARE(w.platform->questions.size(), 1);
    QVERIFY(w.platform->questions[0].contains("install it now?"));
    QVERIFY(!existingForm(Form::Install));
    auto store = ChangeStore::open(NativePath(w.path("manager")));
    QVERIFY(store);
    QCOMPARE(store->history()->size(), 1);

    // Again over the same file: asked first, and the file it replaces stays in the history.
    // The dialog opens where the last file went. Yes to install opens the installer with it.
    w.platform->answerFile(target);
    w.platform->answers = {Answer::Yes, Answer::Yes};
    transfer = w.page->startDownload("river.vif");
    QCOMPARE(w.platform->fileRequests[1].currentName, NativePath(target).text());
    QVERIFY(w.platform->questions[1].contains("already exists"));
    transfer->receive("###Begin_VIF### second");
    QCOMPARE(fileBytes(target), first); // untouched until the download is complete
    transfer->finish(DownloadEnd::Completed);
    QCOMPARE(fileBytes(target), QByteArray("###Begin_VIF### second"));
    QVERIFY(w.barText().contains("kept in Grovekeep's history"));
    QWidget* install = existingForm(Form::Install);
    QVERIFY(install);
    QCOMPARE(child<QLabel>(install, "lblPath")->text(), target);

    const QList<OperationRecord> history = store->history().value();
    QCOMPARE(history.size(), 2);
    const OperationRecord latest = store->operation(history[0].id).value();
    QCOMPARE(latest.files.size(), 1);
    QVERIFY(latest.files[0].before);
    QCOMPARE(latest.files[0].before->sha256.hex(), sha256(first));
    // The downloads folder is no folder the history changes files in: the undo is refused,
    // naming it and where the first download is kept.
    const auto undone = store->undo(history[0].id, false);
    QVERIFY(!undone);
    QVERIFY2(undone.error().contains(native(QDir::cleanPath(w.downloads))) &&
                 undone.error().contains(native("History/objects/")),
             qPrintable(undone.error()));
    QCOMPARE(fileBytes(target), QByteArray("###Begin_VIF### second"));
    const QString sha = sha256(first);
    QCOMPARE(fileBytes(w.path("manager/History/objects/") + sha.left(2) + '/' + sha), first);
    QVERIFY(w.leftovers().isEmpty());

    // An empty file is a file too.
    w.platform->answerFile(w.downloads + "empty.txt");
    w.platform->answers = {Answer::No};
    transfer = w.page->startDownload("empty.txt");
    transfer->finish(DownloadEnd::Completed);
    QVERIFY(QFileInfo(w.downloads + "empty.txt").isFile());
    QCOMPARE(fileBytes(w.downloads + "empty.txt"), QByteArray());

    // Hide puts the strip away and gives the page its room back.
    click(w.browser, "cmdHideDownload");
    QVERIFY(!w.bar()->isVisible());
    QVERIFY(web1->geometry().bottom() > w.bar()->geometry().top());
}

void TestWebDownloads::refusedOrCancelledWritesNothing() {
    DownloadWorld w;
    const QString existing = w.downloads + "hills.lnd";
    QVERIFY(putFile(existing, "old hills"));
    const auto before = snapshot(w.downloads);

    // The save dialog cancelled: refused, nothing written anywhere.
    w.platform->cancelFile();
    auto transfer = w.page->startDownload("hills.lnd");
    QVERIFY(!transfer->alive());
    QVERIFY(transfer->accepted.isEmpty());
    QVERIFY(!w.bar()->isVisible());

    // The user keeps the existing file.
    w.platform->answerFile(existing);
    w.platform->answers = {Answer::No};
    transfer = w.page->startDownload("hills.lnd");
    QVERIFY(!transfer->alive());
    QVERIFY(transfer->accepted.isEmpty());

    // Cancelled midway: the engine is stopped and nothing is kept.
    w.platform->answerFile(w.downloads + "skin.l3d");
    transfer = w.page->startDownload("skin.l3d");
    transfer->receive("half a sk");
    click(w.browser, "cmdCancelDownload");
    QVERIFY(transfer->cancelled);
    QVERIFY(!transfer->alive());
    QVERIFY(!QFile::exists(transfer->accepted));
    QVERIFY(w.barText().contains("cancelled. Nothing was saved."));
    QCOMPARE(snapshot(w.downloads), before);
    QVERIFY(w.leftovers().isEmpty());
    QVERIFY(withoutHistory(snapshot(w.path("manager"))).isEmpty());
    QVERIFY(w.platform->messages.isEmpty());

    // Without Grovekeep's folder an existing file is not replaced (the history could not keep
    // it) and the user is told why; a new file is written, and only a content file is offered
    // to the installer.
    shared().ManagerFolder.clear();
    w.platform->answerFile(existing);
    w.platform->questions.clear();
    transfer = w.page->startDownload("hills.lnd");
    QVERIFY(!transfer->alive());
    QVERIFY(w.platform->questions.isEmpty()); // not asked to replace what it will not replace
    QCOMPARE(w.platform->messages.size(), 1);
    QVERIFY(w.platform->messages[0].contains("already exists"));
    QVERIFY(w.platform->messages[0].contains("Nothing was downloaded"));
    QCOMPARE(fileBytes(existing), QByteArray("old hills"));

    w.platform->answerFile(w.downloads + "readme.zip");
    w.platform->questions.clear();
    transfer = w.page->startDownload("readme.zip");
    QVERIFY(transfer->accepted.startsWith(QDir::tempPath()));
    transfer->receive("PK zip");
    transfer->finish(DownloadEnd::Completed);
    QCOMPARE(fileBytes(w.downloads + "readme.zip"), QByteArray("PK zip"));
    QVERIFY(!QFileInfo::exists(QFileInfo(transfer->accepted).path()));
    QVERIFY(w.platform->questions.isEmpty());
}

void TestWebDownloads::failuresLeaveNothingAndSaySo() {
    DownloadWorld w;
    const auto before = snapshot(w.downloads);

    // The network fails midway.
    w.platform->answerFile(w.downloads + "river.vif");
    auto transfer = w.page->startDownload("river.vif");
    transfer->receive("###Begin_VIF###", 400);
    transfer->finish(DownloadEnd::Failed, "Network error");
    QCOMPARE(w.platform->messages.size(), 1);
    QVERIFY(w.platform->messages[0].contains("failed (Network error)"));
    QVERIFY(w.platform->messages[0].contains("Nothing was saved"));
    QVERIFY(!w.bar()->isVisible());
    QCOMPARE(snapshot(w.downloads), before);
    QVERIFY(w.leftovers().isEmpty());
    QVERIFY(w.platform->questions.isEmpty());

    // What a killed run left behind is removed with the next download; a folder that is
    // recent, or holds anything but a download, stays.
    const QString manager = w.path("manager/");
    for (const char* name : {"download", "download.download"})
        QVERIFY(putFile(manager + ".download-Killed/" + QLatin1String(name), "partial"));
    QVERIFY(putFile(manager + ".download-Recent/download", "partial"));
    QVERIFY(putFile(manager + ".download-Others/notes.txt", "mine"));
    for (const char* path : {".download-Killed/download", ".download-Killed/download.download",
                             ".download-Killed", ".download-Others/notes.txt", ".download-Others"})
        age(manager + QLatin1String(path), 2);
    w.platform->cancelFile(); // the dialog is cancelled: nothing of this download is written
    w.page->startDownload("river.vif");
    QCOMPARE(w.leftovers(), (QStringList{".download-Others", ".download-Recent"}));
    QDir(manager + ".download-Others").removeRecursively();
    QDir(manager + ".download-Recent").removeRecursively();

    // The download completes but its folder went away meanwhile: said, and nothing is left.
    w.platform->answerFile(w.path("gone/river.vif"));
    QDir().mkpath(w.path("gone"));
    transfer = w.page->startDownload("river.vif");
    transfer->receive("###Begin_VIF###");
    QDir(w.path("gone")).removeRecursively();
    transfer->finish(DownloadEnd::Completed);
    QCOMPARE(w.platform->messages.size(), 2);
    QVERIFY(w.platform->messages[1].contains("was downloaded, but could not be saved"));
    QVERIFY(!QFile::exists(w.path("gone/river.vif")));
    QVERIFY(w.leftovers().isEmpty());
    QVERIFY(w.platform->questions.isEmpty());
    QVERIFY(!existingForm(Form::Install));
}

void TestWebDownloads::oneAtATimeAndClosingAsks() {
    DownloadWorld w;
    w.platform->answerFile(w.downloads + "one.txt");
    auto first = w.page->startDownload("one.txt");
    QVERIFY(first->alive());

    // A second download while one runs is refused, with the reason.
    auto second = w.page->startDownload("two.txt");
    QVERIFY(!second->alive());
    QCOMPARE(w.platform->fileRequests.size(), 1);
    QVERIFY(w.platform->messages.value(0).contains("Please wait until \"one.txt\""));

    // Closing the window asks; No keeps it and its download.
    w.platform->answers = {Answer::No};
    QVERIFY(!closeWindow(w.browser));
    QVERIFY(existingForm(Form::Browser));
    QVERIFY(first->alive());
    const QString partial = first->accepted;
    w.platform->answers = {Answer::Yes};
    QVERIFY(closeWindow(w.browser));
    QTRY_VERIFY(!existingForm(Form::Browser));
    QVERIFY(first->cancelled);
    QVERIFY(!first->alive());
    QVERIFY(!QFile::exists(partial));
    QVERIFY(w.leftovers().isEmpty());
    QVERIFY(!QFile::exists(w.downloads + "one.txt"));

    // One that starts while the save dialog of another is open is refused too; the first
    // goes on as chosen.
    std::shared_ptr<Transfer> during;
    w.platform->whileFileDialogOpen = [&] { during = w.page->startDownload("during.txt"); };
    w.platform->answerFile(w.downloads + "three.txt");
    w.browser = qobject_cast<frmBrowser*>(showForm(Form::Browser));
    w.page = w.browserPage();
    auto third = w.page->startDownload("three.txt");
    QVERIFY(during && !during->alive());
    QVERIFY(third->alive());
    QVERIFY(w.platform->messages.last().contains("\"during.txt\" was not downloaded"));
    third->receive("three");
    third->finish(DownloadEnd::Completed);
    QCOMPARE(fileBytes(w.downloads + "three.txt"), QByteArray("three"));
    QVERIFY(w.leftovers().isEmpty());
}

void TestWebDownloads::updatesWindowDownloadsToo() {
    DownloadWorld w;
    child<QAction>(w.mdi, "mnuUpdates")->trigger();
    auto* update = existingFormAs<frmUpdate>();
    auto* page = static_cast<FakePage*>(update->page());
    QWidget* web1 = child<QWidget>(update, "web1");
    const int pageHeight = web1->height();

    w.platform->answerFile(w.downloads + "grovekeep-0.91.zip");
    auto transfer = page->startDownload("grovekeep-0.91.zip");
    QWidget* bar = child<QWidget>(update, "fraDownload");
    QVERIFY(bar->isVisible());
    QCOMPARE(web1->geometry().bottom() + 1, bar->geometry().top());
    QVERIFY(web1->height() < pageHeight);
    transfer->receive("new version");
    transfer->finish(DownloadEnd::Completed);
    QCOMPARE(fileBytes(w.downloads + "grovekeep-0.91.zip"), QByteArray("new version"));
    QVERIFY(w.leftovers().isEmpty());

    // Escape with a download under way asks first.
    w.platform->answerFile(w.downloads + "again.zip");
    transfer = page->startDownload("again.zip");
    w.platform->answers = {Answer::No};
    QVERIFY(!closeWindow(update));
    QVERIFY(transfer->alive());
    QVERIFY(w.platform->questions.last().contains("still being downloaded"));

    // Quitting from the main window asks too, and a No keeps Grovekeep and the download.
    const qsizetype asked = w.platform->questions.size();
    w.platform->answers = {Answer::No};
    QVERIFY(!w.mdi->close());
    QCOMPARE(w.platform->questions.size(), asked + 1);
    QVERIFY(transfer->alive());
    w.platform->answers = {Answer::Yes};
    QVERIFY(w.mdi->close());
    QVERIFY(!transfer->alive());
    QVERIFY(w.leftovers().isEmpty());
}

QTEST_MAIN(TestWebDownloads)
#include "test_web_downloads.moc"
