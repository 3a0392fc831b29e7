#include "platform.h"

#include "base/quoting.h"
#include "system/launch.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace gk {

namespace {

// A program Grovekeep starts gets none of Grovekeep's open files but its standard ones. The web
// engine's helper processes end when the sockets to their parent close; a program that kept a
// copy of them (the help viewer, the game, the web browser an address opens in) would keep them
// running after Grovekeep ended. They are marked close-on-exec here, just before a start,
// because neither QProcess nor the desktop's opener closes what it does not know of. On
// Windows a handle is inherited only when it was made inheritable, which Grovekeep's are not.
void keepFilesFromPrograms() {
#ifndef Q_OS_WIN
    const auto closeOnExec = [](int fd) {
        const int flags = fcntl(fd, F_GETFD);
        if (flags >= 0 && !(flags & FD_CLOEXEC))
            fcntl(fd, F_SETFD, flags | FD_CLOEXEC);
    };
    if (DIR* dir = opendir("/proc/self/fd")) {
        while (const dirent* entry = readdir(dir)) {
            char* end = nullptr;
            const long fd = std::strtol(entry->d_name, &end, 10);
            if (end != entry->d_name && *end == '\0' && fd > STDERR_FILENO)
                closeOnExec(int(fd));
        }
        closedir(dir);
        return;
    }
    // Without /proc: every descriptor the limit allows.
    rlimit limit{};
    const rlim_t last = getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY
                            ? std::min<rlim_t>(limit.rlim_cur, 65536)
                            : 4096;
    for (int fd = STDERR_FILENO + 1; rlim_t(fd) < last; ++fd)
        closeOnExec(fd);
#endif
}

// The desktop implementation.
class QtPlatform : public Platform {
public:
    std::optional<NativePath> openFileName(QWidget* parent, const QString& filter,
                                           const NativePath& currentName) override;
    std::optional<NativePath> saveFileName(QWidget* parent, const QString& filter,
                                           const NativePath& currentName,
                                           const QString& title) override;
    void message(QWidget* parent, const QString& text) override;
    Answer ask(QWidget* parent, const QString& text, bool withCancel, Answer preferred) override;
    bool confirm(QWidget* parent, const QString& text, const QString& proceedCaption) override;
    std::optional<int> choose(QWidget* parent, const QString& text,
                              const QStringList& items) override;
    int exec(QDialog* dialog) override;
    Status startProgram(const NativePath& program, const WineStart& wine) override;
    Status openAddress(const QString& address) override;
    std::unique_ptr<Wait> wait(QWidget* parent, const QString& text) override;
};

// The title of every box of the platform layer: the program's name.
QString title() { return QCoreApplication::translate("Platform", "Grovekeep"); }

QString okCaption() { return QCoreApplication::translate("Platform", "OK"); }
QString cancelCaption() { return QCoreApplication::translate("Platform", "Cancel"); }

// A message box's standard button keeps the caption Qt and the desktop give it ("&Yes", or
// "&OK" on some desktops) unless Grovekeep's translation has one of its own.
void translateCaption(QAbstractButton* button, const char* english) {
    const QString translated = QCoreApplication::translate("Platform", english);
    if (translated != QLatin1String(english))
        button->setText(translated);
}

// A busy bar with Cancel, shown once the wait has lasted half a second.
class DesktopWait : public Platform::Wait {
public:
    DesktopWait(QWidget* parent, const QString& text)
        : m_dialog(text, cancelCaption(), 0, 0, parent) {
        m_dialog.setWindowTitle(title());
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setMinimumDuration(500);
        m_dialog.setAutoClose(false);
        m_dialog.setAutoReset(false);
        m_dialog.setValue(0);
    }
    bool keepWaiting() override {
        m_dialog.setValue(0);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        return !m_dialog.wasCanceled();
    }

private:
    QProgressDialog m_dialog;
};

Platform* g_installed = nullptr;

QtPlatform& desktop() {
    static QtPlatform p;
    return p;
}

// A box with a short text would be narrower than its title bar needs: a row below the text
// keeps it at least as wide as the title, its buttons and a margin.
void keepTitleReadable(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) + 160;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

std::optional<NativePath> runFileDialog(QWidget* parent, const QString& filter,
                                        const NativePath& currentName, bool save,
                                        const QString& title = QString()) {
    QFileDialog dialog(parent);
    if (!title.isEmpty())
        dialog.setWindowTitle(title);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Windows that save over a file ask about it themselves.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QString qtFilter = toQtFilter(filter);
    if (!qtFilter.isEmpty())
        dialog.setNameFilters(qtFilter.split(QStringLiteral(";;")));
    if (!currentName.isEmpty()) {
        const QString native = QDir::fromNativeSeparators(currentName.text());
        const QFileInfo info(native);
        if (native.contains(QLatin1Char('/')) && info.dir().exists())
            dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return NativePath(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
}

} // namespace

Platform& platform() { return g_installed ? *g_installed : desktop(); }

void setPlatform(Platform* p) { g_installed = p; }

Platform& desktopPlatform() { return desktop(); }

std::optional<NativePath> QtPlatform::openFileName(QWidget* parent, const QString& filter,
                                                   const NativePath& currentName) {
    return runFileDialog(parent, filter, currentName, false);
}

std::optional<NativePath> QtPlatform::saveFileName(QWidget* parent, const QString& filter,
                                                   const NativePath& currentName,
                                                   const QString& title) {
    return runFileDialog(parent, filter, currentName, true, title);
}

void QtPlatform::message(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title(), text, QMessageBox::Ok, parent);
    translateCaption(box.button(QMessageBox::Ok), QT_TRANSLATE_NOOP("Platform", "OK"));
    keepTitleReadable(box);
    box.exec();
}

Answer QtPlatform::ask(QWidget* parent, const QString& text, bool withCancel, Answer preferred) {
    auto buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel)
        buttons |= QMessageBox::Cancel;
    QMessageBox box(QMessageBox::Question, title(), text, buttons, parent);
    translateCaption(box.button(QMessageBox::Yes), QT_TRANSLATE_NOOP("Platform", "&Yes"));
    translateCaption(box.button(QMessageBox::No), QT_TRANSLATE_NOOP("Platform", "&No"));
    if (withCancel)
        translateCaption(box.button(QMessageBox::Cancel), QT_TRANSLATE_NOOP("Platform", "Cancel"));
    keepTitleReadable(box);
    box.setDefaultButton(preferred == Answer::Yes  ? QMessageBox::Yes
                         : preferred == Answer::No ? QMessageBox::No
                                                   : QMessageBox::Cancel);
    box.setEscapeButton(withCancel ? QMessageBox::Cancel : QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return withCancel ? Answer::Cancel : Answer::No;
    }
}

bool QtPlatform::confirm(QWidget* parent, const QString& text, const QString& proceedCaption) {
    QMessageBox box(QMessageBox::Warning, title(), text, QMessageBox::NoButton, parent);
    keepTitleReadable(box);
    QPushButton* proceed = box.addButton(proceedCaption, QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    cancel->setText(cancelCaption());
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == proceed;
}

std::optional<int> QtPlatform::choose(QWidget* parent, const QString& text,
                                      const QStringList& items) {
    // Every choice in view at once, long paths included: a list, not a drop-down, as wide as
    // its longest choice where the screen allows.
    QDialog dialog(parent);
    dialog.setWindowTitle(title());
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(text, &dialog);
    label->setWordWrap(true);
    layout->addWidget(label);
    auto* list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("lstChoices"));
    list->addItems(items);
    list->setCurrentRow(0);
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(okCaption());
    buttons->button(QDialogButtonBox::Cancel)->setText(cancelCaption());
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int rows = std::min(int(items.size()), 12);
    list->setMinimumSize(
        std::min(list->sizeHintForColumn(0) + 2 * list->frameWidth() + 24, room.width() * 9 / 10),
        std::min(rows * list->sizeHintForRow(0) + 2 * list->frameWidth() + 4, room.height() / 2));
    if (dialog.exec() != QDialog::Accepted || list->currentRow() < 0)
        return std::nullopt;
    return list->currentRow();
}

int QtPlatform::exec(QDialog* dialog) { return dialog->exec(); }

Status QtPlatform::startProgram(const NativePath& program, const WineStart& wine) {
    const QString shown = quotedPath(program);
    if (program.isEmpty() || !QFileInfo(program.text()).isFile())
        return Status::failure(ErrorKind::NotFound,
                               //: %1 is the program's path, in quotes
                               QCoreApplication::translate(
                                   "Platform", "Could not start %1: the program does not exist.")
                                   .arg(shown));
    const LaunchPlan plan = planLaunch(program, wine);
    QProcess process;
    process.setProgram(plan.program);
    process.setArguments(plan.arguments);
    process.setWorkingDirectory(plan.workingDirectory);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (plan.wine) {
#ifndef Q_OS_WIN
        if (QStandardPaths::findExecutable(plan.program).isEmpty())
            return Status::failure(
                ErrorKind::NotFound,
                QCoreApplication::translate("Platform",
                                            "Could not start %1: Windows programs need Wine, and "
                                            "Wine is not installed.")
                    .arg(shown));
#endif
        auto env = QProcessEnvironment::systemEnvironment();
        // Wine would make a new prefix where none is: say so instead of starting the program
        // somewhere the game is not.
        const QString prefix =
            effectiveWinePrefix(plan, env.value(QStringLiteral("WINEPREFIX")), QDir::homePath());
        if (!QFileInfo(prefix).isDir())
            return Status::failure(
                ErrorKind::NotFound,
                //: %1 is the program's path, %2 the Wine prefix's folder, both in quotes
                QCoreApplication::translate("Platform",
                                            "Could not start %1: the Wine prefix %2 does not "
                                            "exist. Create it (run winecfg once) or install the "
                                            "program into a prefix.")
                    .arg(shown, quotedPath(NativePath(prefix))));
        // A launcher's command keeps its prefixes itself; a Wine build started in a prefix
        // another build keeps would update the prefix for itself.
        if (wine.kind != WineStart::Kind::Command) {
            const auto foreign = foreignWine(prefix, QStandardPaths::findExecutable(plan.program));
            if (foreign &&
                !platform().confirm(
                    QApplication::activeWindow(),
                    //: %1 is the Wine prefix's folder, %2 the Wine that last updated it, %3 the
                    //: program and %4 the Wine that would start it
                    QCoreApplication::translate(
                        "Platform", "The Wine prefix %1 was last updated by another Wine: %2. "
                                    "Starting %3 with %4 would update the prefix for that Wine, "
                                    "and the launcher that keeps it may then no longer start "
                                    "its games.")
                        .arg(quotedPath(NativePath(prefix)), foreign->prefixWine, shown,
                             quotedPath(NativePath(foreign->wine))),
                    QCoreApplication::translate("Platform", "Start anyway")))
                return Status::failure(
                    ErrorKind::Cancelled,
                    QCoreApplication::translate(
                        "Platform", "%1 was not started: its Wine prefix belongs to another Wine.")
                        .arg(shown));
        }
        if (!plan.winePrefix.isEmpty())
            env.insert(QStringLiteral("WINEPREFIX"), plan.winePrefix);
        env.insert(QStringLiteral("WINEDLLOVERRIDES"),
                   wineDllOverrides(env.value(QStringLiteral("WINEDLLOVERRIDES"))));
        process.setProcessEnvironment(env);
    }
#ifdef Q_OS_WIN
    process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* args) {
        args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        args->startupInfo->wShowWindow = SW_SHOWMINIMIZED;
    });
#endif
    keepFilesFromPrograms();
    if (!process.startDetached())
        return Status::failure(ErrorKind::Failed,
                               //: %1 is the program's path, %2 why the system could not start it
                               QCoreApplication::translate("Platform", "Could not start %1: %2.")
                                   .arg(shown, process.errorString()));
    return Status::success();
}

Status QtPlatform::openAddress(const QString& address) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // The desktop's opener says by its exit whether anything opened the address (a system
    // without a browser, or without a mail program for a mailto: address, opens nothing);
    // whether it merely started is all that QDesktopServices tells.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return Status::failure(ErrorKind::NotFound,
                               //: %1 is a web address or a folder's address
                               QCoreApplication::translate(
                                   "Platform", "Could not open \"%1\": this system has no program "
                                               "that opens addresses (xdg-open, of the xdg-utils "
                                               "package, is not installed).")
                                   .arg(address));
    const QString shown = QUrl::fromUserInput(address).toString();
    keepFilesFromPrograms();
    auto* process = new QProcess(qApp);
    QPointer<QWidget> parent = QApplication::activeWindow();
    QObject::connect(process, &QProcess::finished, process,
                     [process, parent, shown](int code, QProcess::ExitStatus status) {
                         process->deleteLater();
                         if (status == QProcess::NormalExit && code == 0)
                             return;
                         platform().message(
                             parent,
                             //: %1 is the address, %2 the exit code of xdg-open
                             QCoreApplication::translate(
                                 "Platform", "Could not open \"%1\": no program on this system "
                                             "opens it (xdg-open ended with code %2). Please open "
                                             "it yourself.")
                                 .arg(shown)
                                 .arg(code));
                     });
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(opener, {shown});
    if (!process->waitForStarted()) {
        const QString why = process->errorString();
        delete process;
        return Status::failure(ErrorKind::Failed,
                               //: %1 is the address, %2 why the system could not open it
                               QCoreApplication::translate("Platform", "Could not open \"%1\": %2.")
                                   .arg(address, why));
    }
    return Status::success();
#else
    keepFilesFromPrograms();
    if (!QDesktopServices::openUrl(QUrl::fromUserInput(address)))
        return Status::failure(ErrorKind::Failed,
                               QCoreApplication::translate("Platform",
                                                           "Could not open \"%1\": no program "
                                                           "on this system opens it.")
                                   .arg(address));
    return Status::success();
#endif
}

std::unique_ptr<Platform::Wait> QtPlatform::wait(QWidget* parent, const QString& text) {
    return std::make_unique<DesktopWait>(parent, text);
}

} // namespace gk
