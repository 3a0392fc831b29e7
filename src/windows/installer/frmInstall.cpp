#include "frmInstall.h"

#include "base/fileio.h"
#include "base/paths.h"
#include "base/quoting.h"
#include "common/beside.h"
#include "common/commands.h"
#include "common/programs.h"
#include "common/shared.h"
#include "files/describe.h"
#include "files/fsys.h"
#include "installer/install.h"
#include "installer/wizard.h"
#include "platform/platform.h"
#include "ui/arrange.h"
#include "ui/fonts.h"
#include "ui/place.h"
#include "web/sites.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTreeWidget>

#include <cmath>

namespace gk {

frmInstall::frmInstall() {
    setObjectName(QStringLiteral("frmInstall"));
    setWindowTitle(tr("Grovekeep - Installer"));
    setFixedSize(574, 348);
    createControls();
    connectControls();
    addHelpKey(this);
}

void frmInstall::createControls() {
    Image1 = place<QLabel>(this, "Image1", QString(), Px{0, -40, 100, 400});
    Image1->setPixmap(installerBanner());
    Frame1 = place<QGroupBox>(this, "Frame1", tr("Choose an Option"), Px{104, 8, 465, 305});
    lblPath = place<QLabel>(Frame1, "lblPath", tr("No file selected"), Px{16, 32, 393, 17});
    cmdInstall =
        place<QPushButton>(Frame1, "cmdInstall", QStringLiteral("..."), Px{416, 32, 17, 17});
    op1 = place<QRadioButton>(Frame1, "op1", tr("Install a Black and White file"),
                              Px{8, 40, 169, 17});
    op2 = place<QRadioButton>(Frame1, "op2", tr("Create a Black a Grovekeep installation File"),
                              Px{8, 72, 297, 17});
    op3 =
        place<QRadioButton>(Frame1, "op3", tr("Check for Grovekeep Updates"), Px{8, 104, 305, 17});
    op4 = place<QRadioButton>(Frame1, "op4", tr("Browse the Web for Black and White files. "),
                              Px{8, 136, 297, 17});
    rtbFileNames = place<QTreeWidget>(Frame1, "rtbFileNames", Px{8, 64, 449, 137});
    cmdRemove = place<QPushButton>(Frame1, "cmdRemove", tr("&Remove"), Px{8, 208, 97, 25});
    lblType = place<QLabel>(Frame1, "lblType", tr("No file type set"), Px{8, 208, 449, 25});
    lblNote = place<QLabel>(Frame1, "lblNote", QString(), Px{8, 248, 449, 33});
    prg1 = place<QProgressBar>(Frame1, "prg1", QString(), Px{8, 280, 449, 17});
    cmdBack = place<QPushButton>(this, "cmdBack", tr("<< Back"), Px{328, 320, 73, 25});
    cmdNext = place<QPushButton>(this, "cmdNext", tr("Next >>"), Px{408, 320, 73, 25});
    cmdCancel = place<QPushButton>(this, "cmdCancel", tr("Cancel"), Px{488, 320, 81, 25});
    cmdHistory = place<QPushButton>(this, "cmdHistory", tr("History..."), Px{104, 320, 97, 25});
    cmdHistory->setToolTip(tr("What the installation changed, and the way to undo it"));
    cmdHistory->hide();

    op1->setChecked(true);
    // The web options need the browser window.
    op3->setEnabled(isRegistered(Form::Browser));
    op4->setEnabled(isRegistered(Form::Browser));
    lblPath->setTextFormat(Qt::PlainText);
    lblNote->setWordWrap(true);
    lblNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    rtbFileNames->setHeaderLabels({tr("File"), tr("Installs to")});
    rtbFileNames->setRootIsDecorated(false);
    rtbFileNames->setAllColumnsShowFocus(true);
    rtbFileNames->setColumnWidth(0, 130);
    rtbFileNames->setAccessibleName(tr("Files of the package"));
    cmdRemove->setToolTip(tr("Take the selected file out of the package"));
    cmdInstall->setAccessibleName(tr("Choose a file"));
    cmdInstall->setToolTip(tr("Choose a file"));
    Image1->setAccessibleName(tr("Grovekeep Installer"));
    cmdRemove->setEnabled(false);
    prg1->setRange(0, 100);
    prg1->setValue(0);
    prg1->setTextVisible(false);
}

void frmInstall::connectControls() {
    onClick(this, "cmdNext", &frmInstall::cmdNext_Click);
    onClick(this, "cmdBack", &frmInstall::cmdBack_Click);
    onClick(this, "cmdInstall", &frmInstall::cmdInstall_Click);
    onClick(this, "cmdCancel", &frmInstall::cmdCancel_Click);
    onClick(this, "cmdHistory", &frmInstall::cmdHistory_Click);
    onClick(this, "cmdRemove", &frmInstall::cmdRemove_Click);
    // The keyboard leads through the wizard: Enter is Next (or the button that has the focus),
    // Escape is Cancel.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        connect(new QShortcut(key, this), &QShortcut::activated, this, [this] {
            if (auto* focused = qobject_cast<QPushButton*>(focusWidget()); focused) {
                if (focused->isEnabled())
                    focused->click();
            } else if (cmdNext->isEnabled()) {
                cmdNext->click();
            }
        });
    }
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, cmdCancel,
            &QPushButton::click);
    connect(rtbFileNames, &QTreeWidget::currentItemChanged, this,
            [this] { cmdRemove->setEnabled(rtbFileNames->currentItem() != nullptr); });
}

void frmInstall::Form_Load() {
    setStep(StepChoose);
    ShowStep();
}

void frmInstall::ShowStep() {
    if (step() == StepFinished) {
        closeWindow(this);
        return;
    }
    const auto layout = stepLayout(step());
    if (!layout)
        return;
    cmdHistory->hide();
    Frame1->setTitle(layout->frameCaption);
    cmdBack->setEnabled(layout->backEnabled);
    cmdNext->setEnabled(layout->nextEnabled);
    cmdInstall->setVisible(layout->browseShown);
    lblPath->setVisible(layout->pathShown);
    for (QRadioButton* op : {op1, op2, op3, op4})
        op->setVisible(layout->optionsShown);
    lblNote->setVisible(layout->noteShown);
    lblType->setVisible(layout->typeShown);
    prg1->setVisible(layout->progressShown);
    rtbFileNames->setVisible(layout->namesShown);
    cmdRemove->setVisible(layout->namesShown);
    // Files for a package: Next leads on as soon as there is one, and not before.
    if (step() == StepChooseFiles)
        cmdNext->setEnabled(m_compiler.entryCount() > 0);
    if (layout->pathText)
        lblPath->setText(*layout->pathText);
    if (layout->noteText)
        lblNote->setText(*layout->noteText);
    // The keyboard starts where the step's work is: the options (arrows choose, Enter goes
    // on), else the "..." button.
    if (layout->optionsShown) {
        for (QRadioButton* op : {op1, op2, op3, op4}) {
            if (op->isChecked())
                op->setFocus();
        }
    } else if (layout->browseShown) {
        cmdInstall->setFocus();
    }
    // What shows in this step gets the room its captions need (a note that needs more lines
    // later gets them as it is shown).
    arrangeControls(this);
    if (step() == StepSaving)
        SavePackage();
}

void frmInstall::cmdNext_Click() {
    switch (step()) {
    case StepChoose:
        if (op1->isChecked()) {
            setStep(StepChooseFile);
            ShowStep();
        } else if (op2->isChecked()) {
            setStep(StepChooseFiles);
            ShowStep();
        } else if (op3->isChecked() || op4->isChecked()) {
            openInBrowser(op3->isChecked()
                              ? sites::http(sites::MakerHost, QStringLiteral("/manager/update"))
                              : sites::http(sites::FanSiteHost, QStringLiteral("/fernlow")));
            closeWindow(this);
        }
        break;
    case StepChooseFile:
        InstallChosenFile();
        break;
    case StepChooseFiles:
        setStep(StepChoosePackage);
        ShowStep();
        break;
    case StepReadyToSave:
        setStep(StepSaving);
        ShowStep();
        break;
    case StepFinished:
        // Files offered from outside wait: Next goes on with the next one.
        if (!shared().InstallerFiles.isEmpty())
            takeOfferedFile();
        else
            ShowStep();
        break;
    default:
        break;
    }
}

void frmInstall::cmdBack_Click() {
    switch (step()) {
    case StepChooseFile:
    case StepChooseFiles:
        setStep(StepChoose);
        ShowStep();
        break;
    case StepChoosePackage:
        setStep(StepChooseFiles);
        ShowStep();
        break;
    case StepReadyToSave:
        setStep(StepChoosePackage);
        ShowStep();
        break;
    case StepFinished:
        if (m_finishedBySave) {
            // Back to the saved package: Next saves it again to the same file.
            setStep(StepReadyToSave);
        } else {
            // After an installation there is no package to save: choose another file.
            setStep(StepChooseFile);
            ShowStep();
        }
        break;
    default:
        break;
    }
}

void frmInstall::cmdInstall_Click() {
    switch (step()) {
    case StepFinished:
        if (m_finishedBySave)
            break;
        // After an installation: another file to install.
        [[fallthrough]];
    case StepChooseFile:
        if (const auto path = platform().openFileName(this, m_dio1Filter, m_dio1Name);
            path && !path->isEmpty())
            chooseFile(*path);
        break;
    case StepChooseFiles:
        AddPackFile();
        break;
    case StepChoosePackage:
        choosePackageFile();
        break;
    default:
        break;
    }
}

bool frmInstall::chooseFile(const NativePath& path) {
    // A package is read piece by piece when it is installed, never held whole; any other
    // file is installed as it was read now.
    QByteArray contents;
    if (installKindFor(path.text()) == InstallKind::Package) {
        if (const auto readable = fs::File::openForReading(path); !readable) {
            platform().message(this, readable.error());
            return false;
        }
    } else {
        auto bytes = readFileBytes(path);
        if (!bytes) {
            platform().message(this, bytes.error());
            return false;
        }
        contents = std::move(*bytes);
    }
    m_dio1Name = path;
    m_chosenFile = path;
    setStep(StepChooseFile);
    m_chosenContents = std::move(contents);
    lblPath->setText(path.text());
    ShowFileType();
    // A new file: nothing of the last installation is said of it, and Enter installs it.
    cmdHistory->hide();
    prg1->setValue(0);
    if (const auto layout = stepLayout(StepChooseFile); layout && layout->noteText)
        lblNote->setText(*layout->noteText);
    cmdNext->setEnabled(true);
    cmdNext->setFocus();
    return true;
}

bool frmInstall::event(QEvent* event) {
    if (event->type() == formShownEvent())
        takeOfferedFile();
    return QWidget::event(event);
}

bool frmInstall::offeredFileWaiting() const {
    return !m_offeredFile.isEmpty() && step() == StepChooseFile && m_chosenFile == m_offeredFile &&
           m_lastOperation == m_operationBeforeOffer;
}

void frmInstall::takeOfferedFile() {
    // The next file offered from outside (dropped, given on the command line, downloaded): the
    // first install step with it chosen. A package being compiled stays in its buffer. A file
    // offered before that is still chosen and not installed keeps its place; the new ones
    // wait behind it.
    while (!offeredFileWaiting() && !shared().InstallerFiles.isEmpty()) {
        const NativePath offered = shared().InstallerFiles.takeFirst();
        setStep(StepChooseFile);
        ShowStep();
        if (chooseFile(offered)) {
            m_offeredFile = offered;
            m_operationBeforeOffer = m_lastOperation;
            cmdNext->setFocus();
        }
    }
    const auto waiting = shared().InstallerFiles.size();
    setWindowTitle(
        waiting == 0 ? tr("Grovekeep - Installer")
                     : tr("Grovekeep - Installer (%n more files waiting)", nullptr, int(waiting)));
}

void frmInstall::cmdCancel_Click() {
    // While a package is installed, Cancel stops it; the window stays to say so.
    if (m_working) {
        stopWork();
        return;
    }
    closeWindow(this);
}

void frmInstall::ShowFileType() { lblType->setText(fileTypeLabel(m_chosenFile.text())); }

void frmInstall::InstallChosenFile() {
    const InstallKind kind = installKindFor(m_chosenFile.text());
    switch (kind) {
    case InstallKind::Package:
        InstallPackage();
        break;
    case InstallKind::Map:
    case InstallKind::Landscape:
    case InstallKind::Skin:
        installSingle(static_cast<int>(kind));
        break;
    case InstallKind::Tattoo:
        InstallTattoo();
        break;
    case InstallKind::Unknown:
        platform().message(this, tr("please select a valid filetype or create a '.vif' to "
                                    "inmstall these files automatically"));
        break;
    }
}

void frmInstall::installSingle(int kindValue) {
    if (!settingsFoldersKnown(this))
        return;
    auto store = storeOrSay(this);
    if (!store)
        return;
    const auto kind = static_cast<InstallKind>(kindValue);
    const SingleInstall plan =
        planSingleInstall(kind, m_chosenFile.text(), gameFolder(), managerFolder());
    prg1->setValue(0);
    lblNote->setText(tr("Backing up file"));
    OperationInfo info;
    info.kind = QStringLiteral("file");
    info.what = QStringLiteral("File %1").arg(quotedName(m_chosenFile.fileName()));
    const auto installed = installSingleFile(*store, plan, m_chosenContents, info);
    if (!installed) {
        lblNote->setText(tr("The file was not installed."));
        platform().message(this, installed.error());
        return;
    }
    prg1->setValue(50);
    lblNote->setText(tr("Installing Script"));
    prg1->setValue(100);
    lblNote->setText(installedNote(*installed));
    offerHistory(installed->operation);
    finishInstall();
}

void frmInstall::finishInstall() {
    m_finishedBySave = false;
    setStep(StepFinished);
    // Enter finishes: the keyboard is on Next, never on Cancel.
    cmdNext->setEnabled(true);
    cmdNext->setFocus();
}

namespace {

// What a package installation beside the window came to.
struct PackageOutcome {
    Status refused;       // the package could not be opened or planned
    QStringList problems; // entries that cannot be installed: nothing was
    Result<Applied> applied = Status::failure(ErrorKind::Failed, QString());
    qsizetype entries = 0;
};

} // namespace

void frmInstall::InstallPackage() {
    if (!settingsFoldersKnown(this))
        return;
    auto store = storeOrSay(this);
    if (!store)
        return;
    prg1->setValue(0);
    setWorking(true);
    store->setWaiting(waitBeside(this, m_stop));
    const NativePath file = m_chosenFile;
    const ComposedPath game = gameFolder();
    const ComposedPath manager = managerFolder();
    // Reading, checking and writing a package of gigabytes takes a while: it is done beside the
    // window, which shows the progress in bytes, and whose Cancel stops it.
    const PackageOutcome outcome = runBeside([&] {
        PackageOutcome out;
        const auto package = vif::PackageText::open(file);
        if (!package) {
            out.refused = package.status();
            return out;
        }
        auto plan = planPackageInstall(*package, game, manager);
        if (!plan) {
            out.refused = plan.status();
            return out;
        }
        if (!plan->ok()) {
            out.problems = plan->problems;
            return out;
        }
        plan->text.forgetMarkers(); // every entry is read: a large package holds no more
        out.entries = plan->entries.size();
        int shown = 0;
        out.applied = applyPackagePlan(
            *store, *plan, manager, packageOperation(file.fileName(), *package),
            [&](double value) {
                const int percent = std::min(100, static_cast<int>(std::lround(value)));
                if (percent != std::exchange(shown, percent))
                    onInterfaceThread(this, [this, percent] {
                        if (prg1->value() == 0 && !m_stop)
                            lblNote->setText(tr("Installing... Cancel stops the "
                                                "installation and changes nothing."));
                        prg1->setValue(percent);
                    });
            },
            false, [this] { return m_stop.load(); });
        return out;
    });
    setWorking(false);
    if (!outcome.refused) {
        platform().message(this, outcome.refused.error());
        return;
    }
    if (!outcome.problems.isEmpty()) {
        lblNote->setText(tr("Nothing was installed."));
        platform().message(this, tr("Nothing was installed: this package has entries that "
                                    "cannot be installed.\n\n%1")
                                     .arg(outcome.problems.join(QLatin1Char('\n'))));
        return;
    }
    const Result<Applied>& applied = outcome.applied;
    if (!applied) {
        prg1->setValue(0);
        if (applied.kind() == ErrorKind::Cancelled) {
            lblNote->setText(tr("Cancelled. Nothing was changed."));
            closeAfterWork();
            return;
        }
        lblNote->setText(tr("Nothing was installed."));
        platform().message(
            //: %1 says why
            this, tr("The package was not installed. %1").arg(applied.error()));
        return;
    }
    prg1->setValue(100);
    offerHistory(applied->operation);
    // Installed: Next finishes (it does not install it again); another file ("..."), the
    // history and Back lead on.
    finishInstall();
    lblNote->setText(tr("The package was installed: %n files. What every replaced file held is "
                        "kept in the history. Choose another file with \"...\" to install it.",
                        nullptr, int(outcome.entries)));
    if (!applied->conflicts.isEmpty()) {
        QStringList lines;
        for (const Conflict& conflict : applied->conflicts)
            //: %1 is a file's path, %2 says which installation wrote it
            lines << tr("%1 (%2)").arg(conflict.path.shown(), installedByText(conflict));
        platform().message(this, tr("The package was installed. It replaced files "
                                    "that earlier installations wrote:\n\n%1")
                                     .arg(lines.join(QLatin1Char('\n'))));
    }
    closeAfterWork();
}

void frmInstall::setWorking(bool working) {
    m_working = working;
    if (working) {
        m_stop = false;
        m_closeAfterWork = false;
        m_enabledBeforeWork.clear();
        for (QPushButton* button : {cmdInstall, cmdBack, cmdNext, cmdHistory, cmdRemove}) {
            if (button->isEnabled())
                m_enabledBeforeWork << button;
            button->setEnabled(false);
        }
        lblNote->setText(tr("Checking the package... Cancel stops the installation "
                            "and changes nothing."));
        setCursor(Qt::BusyCursor);
        cmdCancel->setFocus();
        return;
    }
    for (QPushButton* button : std::as_const(m_enabledBeforeWork))
        button->setEnabled(true);
    cmdCancel->setEnabled(true);
    unsetCursor();
    if (cmdNext->isEnabled())
        cmdNext->setFocus();
}

void frmInstall::closeAfterWork() {
    if (std::exchange(m_closeAfterWork, false))
        closeWindow(this);
}

void frmInstall::closeEvent(QCloseEvent* event) {
    if (!m_working) {
        // A package being made is not dropped unasked (Escape is Cancel).
        const bool compiling =
            step() == StepChooseFiles || step() == StepChoosePackage || step() == StepReadyToSave;
        if (compiling && m_compiler.entryCount() > 0 &&
            platform().ask(this,
                           tr("The package being made lists %n files. Close the installer and "
                              "drop the list?",
                              nullptr, int(m_compiler.entryCount())),
                           false, Answer::No) != Answer::Yes) {
            event->ignore();
            return;
        }
        event->accept();
        return;
    }
    // The window stays while the work runs; asked to close, it stops the work (which changes
    // nothing then) and closes once that is done.
    event->ignore();
    if (m_stop)
        return;
    if (platform().ask(this,
                       tr("A package is being installed. Cancel the installation? "
                          "Nothing will be changed."),
                       false) != Answer::Yes)
        return;
    m_closeAfterWork = true;
    stopWork();
}

void frmInstall::stopWork() {
    m_stop = true;
    cmdCancel->setEnabled(false);
    lblNote->setText(tr("Cancelling..."));
}

void frmInstall::offerHistory(int operation) {
    m_lastOperation = operation;
    cmdHistory->setVisible(isRegistered(Form::History));
    arrangeControls(this);
}

void frmInstall::cmdHistory_Click() {
    shared().HistoryOperation = m_lastOperation;
    showForm(Form::History);
}

void frmInstall::InstallTattoo() {
    platform().message(this, tr("To install tattoos you must use the tatto manager..Follow the "
                                "instructions at the bottom of the screen to install and "
                                "manage them"));
    showForm(Form::Tattoo);
}

void frmInstall::AddPackFile() {
    const auto file = platform().openFileName(this, m_dio1Filter, m_dio1Name);
    if (!file || file->isEmpty())
        return;
    m_dio1Name = *file;
    const NativePath suggested =
        PackageCompiler::proposedInstallPath(*file, gameFolder(), m_dio2Name);
    const auto installPath = platform().saveFileName(
        this, QString(), suggested,
        //: The title of the file dialog that asks where a file of a new package goes; %1 is
        //: the file's name
        tr("Where should %1 be installed in the game?").arg(file->fileName()));
    if (!installPath || installPath->isEmpty())
        return;
    m_dio2Name = *installPath;
    const Status added = m_compiler.AddPackFile(*file, *installPath, gameFolder());
    if (!added) {
        platform().message(this, added.error());
        return;
    }
    showPackageFiles();
    rtbFileNames->setCurrentItem(rtbFileNames->topLevelItem(rtbFileNames->topLevelItemCount() - 1));
}

void frmInstall::cmdRemove_Click() {
    const int index = rtbFileNames->indexOfTopLevelItem(rtbFileNames->currentItem());
    if (index < 0)
        return;
    m_compiler.removeEntry(index);
    showPackageFiles();
    if (rtbFileNames->topLevelItemCount() > 0)
        rtbFileNames->setCurrentItem(
            rtbFileNames->topLevelItem(std::min(index, rtbFileNames->topLevelItemCount() - 1)));
}

void frmInstall::showPackageFiles() {
    rtbFileNames->clear();
    const QList<NativePath> sources = m_compiler.sources();
    const QStringList paths = m_compiler.installPaths();
    for (qsizetype k = 0; k < sources.size(); ++k) {
        auto* item = new QTreeWidgetItem(rtbFileNames, {sources.at(k).fileName(), paths.at(k)});
        item->setToolTip(0, sources.at(k).shown());
        item->setToolTip(1, paths.at(k));
    }
    cmdRemove->setEnabled(rtbFileNames->currentItem() != nullptr);
    if (step() == StepChooseFiles)
        cmdNext->setEnabled(m_compiler.entryCount() > 0);
}

void frmInstall::choosePackageFile() {
    m_dio1Filter = packageFilter();
    // Proposed: the package saved last, else a package named after the first file, beside it.
    NativePath proposed = m_packagePath;
    if (proposed.isEmpty() && m_compiler.entryCount() > 0) {
        const NativePath first = m_compiler.sources().constFirst();
        proposed = first.folder().child(QFileInfo(first.fileName()).completeBaseName() +
                                        QStringLiteral(".vif"));
    }
    const auto chosen = platform().saveFileName(this, m_dio1Filter, proposed);
    if (!chosen || chosen->isEmpty())
        return;
    // Said before the replace question; saving refuses it too.
    if (const QString problem = m_compiler.savingProblem(*chosen); !problem.isEmpty()) {
        platform().message(this, problem);
        return;
    }
    if (!confirmReplace(this, *chosen))
        return;
    m_dio1Name = *chosen;
    m_packagePath = *chosen;
    setStep(StepReadyToSave);
    lblPath->setText(chosen->text());
    cmdNext->setEnabled(true);
}

void frmInstall::SavePackage() {
    lblNote->setText(tr("Saving file to directory"));
    prg1->setValue(0);
    auto backToReady = [this](const QString& note) {
        lblPath->setText(m_packagePath.text());
        lblNote->setText(note);
        setStep(StepReadyToSave);
    };
    if (!settingsFoldersKnown(this, false)) {
        backToReady(tr("The package was not saved."));
        return;
    }
    auto store = storeOrSay(this);
    if (!store) {
        backToReady(tr("The package was not saved."));
        return;
    }
    const auto saved = m_compiler.SavePackage(*store, m_packagePath, managerFolder());
    if (!saved) {
        backToReady(tr("The package was not saved."));
        platform().message(this, saved.error());
        return;
    }
    prg1->setValue(50);
    lblNote->setText(tr("Backing up file"));
    prg1->setValue(100);
    lblNote->setText(tr("Your file was saved and Backed up!"));
    m_finishedBySave = true;
    setStep(StepFinished);
}

QPixmap installerBanner() {
    QPixmap pix(100, 400);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 400);
    g.setColorAt(0, QColor(16, 52, 30));
    g.setColorAt(0.6, QColor(34, 96, 52));
    g.setColorAt(1, QColor(10, 30, 18));
    p.fillRect(pix.rect(), g);
    // A row of young trees down the left edge.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        const double y = 70 + i * 52;
        p.setBrush(QColor(70, 48, 26));
        p.drawRect(QRectF(20, y + 10, 4, 14));
        p.setBrush(QColor(70 + i * 10, 150 + i * 8, 80, 220));
        p.drawEllipse(QPointF(22, y), 12, 15);
    }
    // The title, read from the bottom up, in the right-hand part of the banner.
    p.translate(76, 372);
    p.rotate(-90);
    const QFont f = installerBannerFont();
    p.setFont(f);
    p.setPen(QColor(232, 222, 180));
    p.drawText(QPointF(0, 0), QFontMetrics(f).elidedText(frmInstall::tr("Grovekeep Installer"),
                                                         Qt::ElideRight, kBannerTitleLength));
    return pix;
}

QFont installerBannerFont() {
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(24);
    f.setBold(true);
    return fontToFit(f, {frmInstall::tr("Grovekeep Installer")}, kBannerTitleLength, 12);
}

} // namespace gk
