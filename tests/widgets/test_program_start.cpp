// A program started through the desktop platform layer gets none of Grovekeep's open files but
// the standard ones: a program that kept them (the help viewer, the game) would keep alive
// whatever waits for them to close, such as the web engine's helper processes. (Opening an
// address has the same guard, but offscreen there is no desktop to open it.)

#include "platform/platform.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <unistd.h>
#endif

class TestProgramStart : public QObject {
    Q_OBJECT
private slots:
    void startedProgramsGetNoOpenFiles();
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

QTEST_MAIN(TestProgramStart)
#include "test_program_start.moc"
