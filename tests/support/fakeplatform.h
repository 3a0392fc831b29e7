#pragma once

#include "platform/platform.h"

#include <QStringList>

#include <functional>

namespace gk {

// Scripted stand-in for the desktop, for tests of windows. Answers come from queues filled by the
// test; everything asked of it is recorded in order in `log`.
class FakePlatform : public Platform {
public:
    struct FileRequest {
        bool save = false;
        QString filter;
        QString currentName; // the dialog's current file name, as its text
        QString title;
    };

    // Next file dialog answers; std::nullopt is a cancel. An empty queue cancels.
    QList<std::optional<QString>> fileAnswers;
    QList<FileRequest> fileRequests;
    // Runs once while the next file dialog is open (what the program does meanwhile).
    std::function<void()> whileFileDialogOpen;

    QStringList messages;
    QStringList questions;
    QList<Answer> answers;             // empty queue gives the preferred answer (Enter)
    QList<Answer> preferred;           // the preferred answer of each question asked
    QList<std::optional<int>> choices; // empty queue cancels

    // Called for each modal dialog; the dialog is closed afterwards when still open.
    std::function<void(QDialog*)> onExec;
    QStringList execs; // object names of the dialogs shown modally

    QStringList started;          // programs asked to start
    QList<WineStart> startedWith; // the Wine each was to start with
    QStringList choiceItems;      // the items of the last choice offered
    QStringList failingPrograms;  // these fail to start
    QStringList opened;           // addresses opened through the desktop
    QStringList failingAddresses; // these fail to open

    // Each wait: how many times it keeps waiting before the user cancels (-1: never cancels).
    // An empty queue never cancels. `whileWaiting` runs at each look (the other program may
    // finish meanwhile).
    QList<int> waitAnswers;
    QStringList waits; // the text of each wait
    std::function<void()> whileWaiting;

    QStringList log; // "file-open:<filter>", "message:<text>", "exec:<name>", ...

    void answerFile(const QString& path) { fileAnswers.append(path); }
    void cancelFile() { fileAnswers.append(std::nullopt); }

    std::optional<NativePath> openFileName(QWidget* parent, const QString& filter,
                                           const NativePath& currentName) override;
    std::optional<NativePath> saveFileName(QWidget* parent, const QString& filter,
                                           const NativePath& currentName,
                                           const QString& title = QString()) override;
    void message(QWidget* parent, const QString& text) override;
    Answer ask(QWidget* parent, const QString& text, bool withCancel,
               Answer preferred = Answer::Yes) override;
    // Takes the next of `answers` (Yes proceeds); an empty queue gives Cancel, the preferred.
    bool confirm(QWidget* parent, const QString& text, const QString& proceedCaption) override;
    std::optional<int> choose(QWidget* parent, const QString& text,
                              const QStringList& items) override;
    int exec(QDialog* dialog) override;
    Status startProgram(const NativePath& program, const WineStart& wine = {}) override;
    Status openAddress(const QString& address) override;
    std::unique_ptr<Wait> wait(QWidget* parent, const QString& text) override;

private:
    std::optional<NativePath> nextFile(bool save, const QString& filter, const NativePath& current,
                                       const QString& title = QString());
};

// Installs a FakePlatform for the lifetime of this object.
class ScopedFakePlatform {
public:
    ScopedFakePlatform() { setPlatform(&fake); }
    ~ScopedFakePlatform() { setPlatform(nullptr); }
    FakePlatform* operator->() { return &fake; }
    FakePlatform fake;
};

} // namespace gk
