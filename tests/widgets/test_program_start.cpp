// The desktop platform layer. A program started through it gets none of Grovekeep's open files but
// the standard ones: a program that kept them (the help viewer, the game) would keep alive
// whatever waits for them to close, such as the web engine's helper processes. (Opening an
// address has the same guard, but offscreen there is no desktop to open it.)

#include "platform/platform.h"
#include "support/fakeplatform.h"
#include "support/files.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <unistd.h>
#endif

class TestProgramStart : public QObject {
    Q_OBJECT
private slots:
    void startedProgramsGetNoOpenFiles();
    void foreignWineIsAskedAboutFirst();
    void choicesAreListedWhole();
};

void TestProgramStart::startedProgramsGetNoOpenFiles() {
#ifdef Q_OS_WIN
    QSKIP("Windows passes a handle to a started program only when it was made inheritable");
#else
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // A file held open as the engine holds its sockets: without close-on-exec.
    const QString marker = dir.filePath(QStringLiteral("held-open"));
    QVERIFY(QFile(marker).open(QIODevice::WriteOnly));
    const int held = ::open(QFile::encodeName(marker).constData(), O_RDONLY);
    QVERIFY(held > STDERR_FILENO);

    // The program writes down what its descriptors lead to.
    const QString program = dir.filePath(QStringLiteral("program"));
    QFile script(program);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nls -l /proc/$$/fd >\"$0.tmp\"; mv \"$0.tmp\" \"$0.out\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QVERIFY(gk::platform().startProgram(gk::NativePath(program)));
    QFile out(program + QStringLiteral(".out"));
    QTRY_VERIFY_WITH_TIMEOUT(out.exists(), 20000);
    QVERIFY(out.open(QIODevice::ReadOnly));
    const QByteArray descriptors = out.readAll();
    QVERIFY2(descriptors.contains("/dev/null") && !descriptors.contains("held-open"),
             descriptors.constData());

    ::close(held);
#endif
}

// Wine starting in a prefix that another Wine build last updated would update it for itself:
// the user is asked before any Wine runs, Cancel starts nothing, and a prefix of the same
// build, or one whose updates are off, starts without a question.
void TestProgramStart::foreignWineIsAskedAboutFirst() {
#ifdef Q_OS_WIN
    QSKIP("Windows programs start as they are on Windows");
#else
    using gk::test::putFile;
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // A Wine build (bin/wine, share/wine/wine.inf) whose wine writes down each start.
    const QString build = dir.filePath(QStringLiteral("wine-build"));
    const QString wine = build + QStringLiteral("/bin/wine");
    const QString calls = dir.filePath(QStringLiteral("calls"));
    QVERIFY(putFile(wine, "#!/bin/sh\necho \"$WINEPREFIX|$*\" >>\"" + calls.toUtf8() + "\"\n"));
    QFile(wine).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(putFile(build + QStringLiteral("/share/wine/wine.inf"), "[version]\n"));
    const qint64 ours =
        QFileInfo(build + QStringLiteral("/share/wine/wine.inf")).lastModified().toSecsSinceEpoch();
    // A Proton prefix as Steam keeps it, last updated by Proton's own build.
    const QString prefix = dir.filePath(QStringLiteral("compatdata/42/pfx"));
    const QString game = prefix + QStringLiteral("/drive_c/Games/BW/runblack.exe");
    QVERIFY(putFile(game, "MZ"));
    QVERIFY(putFile(prefix + QStringLiteral("/../version"), "9.0-203\n"));
    QVERIFY(putFile(prefix + QStringLiteral("/.update-timestamp"),
                    QByteArray::number(ours - 86400) + "\n"));

    gk::ScopedFakePlatform fake;
    const gk::WineStart build_{gk::WineStart::Kind::Build, wine};
    const gk::Status cancelled = gk::desktopPlatform().startProgram(gk::NativePath(game), build_);
    QCOMPARE(cancelled.kind(), gk::ErrorKind::Cancelled);
    QCOMPARE(fake->questions.size(), 1);
    QCOMPARE(fake->preferred.constFirst(), gk::Answer::Cancel);
    QVERIFY(fake->log.constFirst().startsWith(QStringLiteral("confirm:Start anyway:")));
    const QString question = fake->questions.constFirst();
    QVERIFY2(question.contains(QStringLiteral("Proton 9.0-203")) && question.contains(wine) &&
                 question.contains(QStringLiteral("pfx")),
             qPrintable(question));
    QTest::qWait(300);
    QVERIFY(!QFile::exists(calls));

    // Start anyway: Wine runs in the prefix.
    fake->answers << gk::Answer::Yes;
    QVERIFY(gk::desktopPlatform().startProgram(gk::NativePath(game), build_));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(calls), 20000);
    QTRY_VERIFY(gk::test::fileBytes(calls).contains(QFile::encodeName(prefix) + "|" +
                                                    QFile::encodeName(game)));

    // Updated by this build, or with updates switched off: no question.
    for (const QByteArray& stamp : {QByteArray::number(ours), QByteArray("disable")}) {
        QVERIFY(putFile(prefix + QStringLiteral("/.update-timestamp"), stamp + "\n"));
        QVERIFY(gk::desktopPlatform().startProgram(gk::NativePath(game), build_));
    }
    QCOMPARE(fake->questions.size(), 2);
    QTRY_COMPARE_WITH_TIMEOUT(gk::test::fileBytes(calls).count('\n'), 3, 20000);
#endif
}

// The desktop's list of choices shows every choice at once and whole (a path longer than the
// screen allows scrolls), and tells which one was taken; closing it takes none.
void TestProgramStart::choicesAreListedWhole() {
    const QStringList places{
        QStringLiteral("/home/player/.wine/drive_c/Program Files/Black & White/  (Wine)"),
        QStringLiteral("/home/player/SteamLibrary/steamapps/compatdata/31415/pfx/drive_c/BW/  "
                       "(Steam, Proton 9.0)"),
        QStringLiteral("/home/player/Games/bw/drive_c/GOG Games/Black and White/  (Lutris)")};
    for (const bool take : {true, false}) {
        int shown = -1, needed = 0, whole = 0, current = -1;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            auto* list =
                dialog ? dialog->findChild<QListWidget*>(QStringLiteral("lstChoices")) : nullptr;
            if (!list) {
                if (dialog)
                    dialog->close();
                return;
            }
            // Shown and laid out first (under Wine the dialog comes up a little later).
            if (!QTest::qWaitForWindowExposed(dialog)) {
                dialog->close();
                return;
            }
            QCoreApplication::processEvents();
            shown = list->count();
            current = list->currentRow();
            needed = list->sizeHintForColumn(0);
            for (int row = 0; row < list->count(); ++row)
                whole += list->viewport()->rect().contains(list->visualItemRect(list->item(row)));
            list->setCurrentRow(1);
            QTest::keyClick(take ? static_cast<QWidget*>(list) : dialog,
                            take ? Qt::Key_Return : Qt::Key_Escape);
        });
        const auto chosen =
            gk::desktopPlatform().choose(nullptr, QStringLiteral("Which one?"), places);
        QCOMPARE(shown, places.size());
        QCOMPARE(current, 0);
        QVERIFY2(needed > 400, "the longest choice is wider than a list's default width");
        QCOMPARE(whole, places.size());
        QCOMPARE(chosen, take ? std::optional<int>(1) : std::nullopt);
    }
}

QTEST_MAIN(TestProgramStart)
#include "test_program_start.moc"
