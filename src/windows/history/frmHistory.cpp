#include "frmHistory.h"

#include "base/quoting.h"
#include "common/beside.h"
#include "common/changes.h"
#include "common/commands.h"
#include "common/shared.h"
#include "files/describe.h"
#include "platform/platform.h"
#include "ui/place.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace gk {

namespace {

QString timeText(const QDateTime& time) {
    return time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QTreeWidget* table(QWidget* parent, const char* name, const QStringList& columns) {
    auto* tree = new QTreeWidget(parent);
    tree->setObjectName(QString::fromLatin1(name));
    tree->setHeaderLabels(columns);
    tree->setRootIsDecorated(false);
    tree->setUniformRowHeights(true);
    tree->setAllColumnsShowFocus(true);
    tree->setAccessibleName(columns.join(QStringLiteral(", ")));
    return tree;
}

} // namespace

frmHistory::frmHistory() {
    setObjectName(QStringLiteral("frmHistory"));
    setWindowTitle(tr("Grovekeep - History"));
    resize(720, 460);
    createControls();
    connectControls();
    // A change made in another window (an install, a save) is listed as soon as it is done.
    connect(&StoreChanges::instance(), &StoreChanges::changed, this, [this] {
        if (isVisible())
            refresh();
    });
}

void frmHistory::createControls() {
    lstOperations = table(this, "lstOperations",
                          {//: A column of the list of operations: when each was made
                           tr("Time"),
                           //: A column of the list of operations: what each did
                           tr("What"),
                           //: A column of the list of operations: how many files each wrote
                           tr("Files"),
                           //: A column of the list of operations: complete, undone...
                           tr("State")});
    lstFiles = table(this, "lstFiles",
                     {//: A column of the list of an operation's files: the file's path
                      tr("File"),
                      //: A column of the list of an operation's files: added, replaced, removed
                      tr("Change"),
                      //: A column of the list of an operation's files: what Verify found the
                      //: file to be now
                      tr("Now")});
    lblSummary = new QLabel(this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setTextFormat(Qt::PlainText);
    lblSummary->setWordWrap(true);
    auto button = [this](const char* name, const QString& caption, const QString& tip) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(tip);
        return b;
    };
    cmdUndo =
        button("cmdUndo", tr("&Undo"), tr("Put back what the operation's files held before it"));
    cmdVerify = button("cmdVerify", tr("&Verify"),
                       tr("Check whether each file is as the operation left it"));
    cmdShowFolder =
        button("cmdShowFolder", tr("&Show in folder"), tr("Open the folder of the selected file"));
    cmdFree = button("cmdFree", tr("&Free space..."), tr("Remove old operations from the history"));
    auto* cmdClose = button("cmdClose", tr("&Close"), QString());

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(lstOperations);
    splitter->addWidget(lstFiles);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdUndo, cmdVerify, cmdShowFolder, cmdFree})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addWidget(lblSummary);
    layout->addLayout(buttons);
    lstOperations->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    lstFiles->header()->setSectionResizeMode(0, QHeaderView::Stretch);
}

void frmHistory::connectControls() {
    connect(lstOperations, &QTreeWidget::currentItemChanged, this, &frmHistory::showFiles);
    onClick(this, "cmdUndo", &frmHistory::cmdUndo_Click);
    onClick(this, "cmdVerify", &frmHistory::cmdVerify_Click);
    onClick(this, "cmdShowFolder", &frmHistory::cmdShowFolder_Click);
    onClick(this, "cmdFree", &frmHistory::cmdFree_Click);
    onClick(this, "cmdClose", [this] { closeWindow(this); });
}

void frmHistory::Form_Load() { refresh(); }

bool frmHistory::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate || event->type() == formShownEvent())
        refresh();
    return QWidget::event(event);
}

std::optional<ChangeStore> frmHistory::store() { return storeOrSay(this); }

int frmHistory::selectedOperation() const {
    const QTreeWidgetItem* item = lstOperations->currentItem();
    return item ? item->data(0, Qt::UserRole).toInt() : 0;
}

void frmHistory::selectOperation(int id) {
    for (int k = 0; k < lstOperations->topLevelItemCount(); ++k) {
        QTreeWidgetItem* item = lstOperations->topLevelItem(k);
        if (item->data(0, Qt::UserRole).toInt() == id)
            lstOperations->setCurrentItem(item);
    }
}

void frmHistory::refresh() {
    const int selected = selectedOperation();
    QList<OperationRecord> history;
    QString problem; // why the history cannot be read, shown instead of an empty list
    if (!shared().ManagerFolder.isEmpty()) {
        if (auto opened = openStore(managerFolder(), gameFolder())) {
            if (auto read = opened->history(true))
                history = *read;
            else
                problem = read.error();
        } else {
            problem = opened.error();
        }
    }
    // Coming back to an unchanged history keeps the window as it was (a verification shown,
    // the selected file), unless another window asks for an operation.
    auto same = [](const QList<OperationRecord>& a, const QList<OperationRecord>& b) {
        return std::equal(a.cbegin(), a.cend(), b.cbegin(), b.cend(),
                          [](const OperationRecord& x, const OperationRecord& y) {
                              return x.id == y.id && x.state == y.state &&
                                     x.unreadable == y.unreadable;
                          });
    };
    if (lstOperations->topLevelItemCount() > 0 && same(history, m_history) &&
        !shared().HistoryOperation)
        return;
    lstOperations->clear();
    m_history = history;
    int unreadable = 0;
    for (const OperationRecord& record : m_history) {
        QTreeWidgetItem* item = nullptr;
        if (!record.readable()) {
            ++unreadable;
            item = new QTreeWidgetItem(
                lstOperations,
                {QStringLiteral("-"), tr("Operation %1: its record cannot be read").arg(record.id),
                 QStringLiteral("-"),
                 //: The state of an operation whose record cannot be read
                 tr("unreadable")});
            item->setToolTip(1, oneLine(record.unreadable));
        } else {
            item = new QTreeWidgetItem(
                lstOperations, {timeText(record.time), oneLine(whatText(record.info.what)),
                                QString::number(record.fileCount), stateText(record.state)});
            item->setToolTip(1, oneLine(record.note.isEmpty() ? whatText(record.info.what)
                                                              : noteText(record.note)));
        }
        item->setData(0, Qt::UserRole, record.id);
    }
    for (int column : {0, 2, 3})
        lstOperations->resizeColumnToContents(column);
    if (shared().HistoryOperation) {
        selectOperation(std::exchange(shared().HistoryOperation, 0));
    } else if (selected) {
        selectOperation(selected);
    }
    if (!lstOperations->currentItem() && lstOperations->topLevelItemCount() > 0)
        lstOperations->setCurrentItem(lstOperations->topLevelItem(0));
    if (m_history.isEmpty())
        lblSummary->setText(problem.isEmpty() ? tr("No change has been recorded yet. Every file "
                                                   "Grovekeep installs, replaces or saves is "
                                                   "recorded here.")
                                              : problem);
    showFiles();
    if (unreadable > 0 && !lstOperations->currentItem())
        lblSummary->setText(
            tr("%n operations of the history cannot be read.", nullptr, unreadable));
}

void frmHistory::showFiles() {
    lstFiles->clear();
    m_shown = OperationRecord();
    const int id = selectedOperation();
    const auto found = std::find_if(m_history.cbegin(), m_history.cend(),
                                    [id](const OperationRecord& r) { return r.id == id; });
    const bool any = found != m_history.cend();
    cmdFree->setEnabled(!m_history.isEmpty());
    cmdUndo->setEnabled(false);
    cmdVerify->setEnabled(false);
    cmdShowFolder->setEnabled(false);
    if (!any)
        return;
    if (!found->readable()) {
        lblSummary->setText(
            tr("Operation %1 cannot be read: %2").arg(found->id).arg(oneLine(found->unreadable)));
        return;
    }
    QString problem;
    if (auto opened = openStore(managerFolder(), gameFolder())) {
        if (auto record = opened->operation(id))
            m_shown = *record;
        else
            problem = record.error();
    }
    if (!problem.isEmpty()) {
        lblSummary->setText(
            tr("Operation %1 cannot be read: %2").arg(found->id).arg(oneLine(problem)));
        return;
    }
    cmdUndo->setEnabled(found->state == OperationState::Complete);
    cmdVerify->setEnabled(true);
    cmdShowFolder->setEnabled(true);
    for (const FileRecord& file : m_shown.files) {
        auto* item = new QTreeWidgetItem(
            lstFiles, {file.location.path().shown(), changeName(file), QString()});
        item->setToolTip(0, file.location.path().shown());
    }
    lstFiles->resizeColumnToContents(1);
    //: %1 is the operation's number, %2 its time, %3 what it did, %4 its state, %5 its note
    //: (with a space before it) or nothing
    lblSummary->setText(
        tr("Operation %1, %2: %3, %n files, %4.%5", nullptr, found->fileCount)
            .arg(QString::number(found->id), timeText(found->time),
                 oneLine(whatText(found->info.what)), stateText(found->state),
                 found->note.isEmpty() ? QString() : ' ' + oneLine(noteText(found->note))));
    if (lstFiles->topLevelItemCount() > 0)
        lstFiles->setCurrentItem(lstFiles->topLevelItem(0));
}

void frmHistory::cmdVerify_Click() {
    const int id = selectedOperation();
    auto opened = store();
    if (!id || !opened)
        return;
    const QList<FileCheck> checks = opened->verify(id);
    int intact = 0;
    QStringList unreadable;
    for (int k = 0; k < checks.size() && k < lstFiles->topLevelItemCount(); ++k) {
        QTreeWidgetItem* item = lstFiles->topLevelItem(k);
        item->setText(2, fileStateText(checks.at(k).state));
        if (!checks.at(k).problem.isEmpty())
            item->setToolTip(2, checks.at(k).problem);
        intact += checks.at(k).state == FileState::Intact;
    }
    for (const FileCheck& check : checks) {
        if (check.state == FileState::Unreadable)
            unreadable << check.problem;
    }
    lstFiles->resizeColumnToContents(2);
    if (intact == checks.size())
        lblSummary->setText(tr("Every file of operation %1 is as it left it.").arg(id));
    else if (!unreadable.isEmpty())
        //: %1 is the operation's number, %2 how many of its files are intact, %3 how many could
        //: not be read, %4 why the first of them could not
        lblSummary->setText(tr("Operation %1: %2 of %n files are as it left them; %3 could not be "
                               "read: %4",
                               nullptr, int(checks.size()))
                                .arg(id)
                                .arg(intact)
                                .arg(unreadable.size())
                                .arg(oneLine(unreadable.first())));
    else
        //: %1 is the operation's number, %2 how many of its files are intact
        lblSummary->setText(tr("Operation %1: %2 of %n files are as it left them; the others "
                               "have changed since or are missing.",
                               nullptr, int(checks.size()))
                                .arg(id)
                                .arg(intact));
}

void frmHistory::cmdUndo_Click() {
    const int id = selectedOperation();
    auto opened = store();
    if (!id || !opened)
        return;
    const auto record = opened->operation(id);
    if (!record)
        return;
    const QString what =
        record->files.size() == 1
            ? tr("Its file gets back what it held before it; what it holds now is "
                 "kept in the history.")
            //: %1 is the number of files (never one)
            : tr("Its %1 files get back what they held before it; what they hold now is kept in "
                 "the history.")
                  .arg(record->files.size());
    if (platform().ask(this,
                       //: %1 is the operation's number, %2 what it did, %3 what undoing does
                       tr("Undo operation %1 (%2)?\n%3")
                           .arg(id)
                           .arg(oneLine(whatText(record->info.what)), what),
                       false) != Answer::Yes)
        return;
    bool changedOnly = false;
    const QStringList problems = opened->undoProblems(id, &changedOnly);
    bool force = false;
    if (!problems.isEmpty()) {
        if (!changedOnly) {
            platform().message(this, tr("Operation %1 was not undone. %2")
                                         .arg(id)
                                         .arg(problems.join(QLatin1Char('\n'))));
            return;
        }
        if (platform().ask(this,
                           tr("%1\nUndo it anyway? What these files hold now is "
                              "kept in the history.")
                               .arg(problems.join(QLatin1Char('\n'))),
                           false, Answer::No) != Answer::Yes)
            return;
        force = true;
    }
    // An undo of a large installation takes a while: it runs beside the window.
    opened->setWaiting(waitBeside(this));
    const auto undone = runBesideBusy(this, [&] { return opened->undo(id, force); });
    if (!undone) {
        platform().message(this, undone.error());
        refresh();
        return;
    }
    refresh();
    selectOperation(undone->operation);
    lblSummary->setText(
        tr("Operation %1 was undone (by operation %2).").arg(id).arg(undone->operation));
}

void frmHistory::cmdShowFolder_Click() {
    const QTreeWidgetItem* item = lstFiles->currentItem();
    if (!item)
        return;
    const NativePath folder = NativePath(item->text(0)).folder();
    if (const Status opened = platform().openAddress(QUrl::fromLocalFile(folder.text()).toString());
        !opened)
        platform().message(this, opened.error());
}

void frmHistory::cmdFree_Click() {
    auto opened = store();
    if (!opened)
        return;
    const QList<PruneAge> ages = pruneAges();
    QStringList captions;
    for (const PruneAge& age : ages)
        captions << age.caption;
    //: Followed by a list to choose from: "older than 30 days", "all of it"...
    const auto chosen =
        platform().choose(this, tr("Free the space of the history's operations:"), captions);
    if (!chosen || *chosen < 0 || *chosen >= ages.size())
        return;
    const QDateTime before = ages.at(*chosen).days > 0
                                 ? QDateTime::currentDateTime().addDays(-ages.at(*chosen).days)
                                 : QDateTime::currentDateTime().addSecs(1);
    auto planned = opened->prune(before, false, true);
    if (!planned) {
        platform().message(this, planned.error());
        return;
    }
    bool evenInstalled = false;
    if (!planned->keptInstalled.isEmpty() &&
        platform().ask(this,
                       tr("%n operations of these installed files that are still in place; "
                          "without their record they cannot be undone.\nRemove their records "
                          "too?",
                          nullptr, int(planned->keptInstalled.size())),
                       false, Answer::No) == Answer::Yes) {
        evenInstalled = true;
        planned = opened->prune(before, true, true);
        if (!planned) {
            platform().message(this, planned.error());
            return;
        }
    }
    if (planned->operations == 0) {
        platform().message(this, tr("There is nothing to free."));
        return;
    }
    if (platform().ask(
            this,
            //: %1 is a size ("1.5 MiB")
            tr("Remove %n operations from the history and free %1?", nullptr, planned->operations)
                .arg(sizeText(planned->bytesFreed)),
            false, Answer::No) != Answer::Yes)
        return;
    const auto pruned = opened->prune(before, evenInstalled, false);
    if (!pruned) {
        platform().message(this, pruned.error());
        return;
    }
    refresh();
    //: %1 is a size ("1.5 MiB")
    lblSummary->setText(tr("%n operations removed; %1 freed.", nullptr, pruned->operations)
                            .arg(sizeText(pruned->bytesFreed)));
}

} // namespace gk
