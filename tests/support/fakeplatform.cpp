#include "fakeplatform.h"

#include <utility>

#include <QDialog>
#include <QPointer>

namespace gk {

std::optional<NativePath> FakePlatform::nextFile(bool save, const QString& filter,
                                                 const NativePath& current, const QString& title) {
    fileRequests.append({save, filter, current.text(), title});
    log << (save ? QStringLiteral("file-save:") : QStringLiteral("file-open:")) + filter;
    if (whileFileDialogOpen)
        std::exchange(whileFileDialogOpen, nullptr)();
    if (fileAnswers.isEmpty())
        return std::nullopt;
    const std::optional<QString> answer = fileAnswers.takeFirst();
    if (!answer)
        return std::nullopt;
    return NativePath(*answer);
}

std::optional<NativePath> FakePlatform::openFileName(QWidget*, const QString& filter,
                                                     const NativePath& currentName) {
    return nextFile(false, filter, currentName);
}

std::optional<NativePath> FakePlatform::saveFileName(QWidget*, const QString& filter,
                                                     const NativePath& currentName,
                                                     const QString& title) {
    return nextFile(true, filter, currentName, title);
}

void FakePlatform::message(QWidget*, const QString& text) {
    messages << text;
    log << QStringLiteral("message:") + text;
}

Answer FakePlatform::ask(QWidget*, const QString& text, bool, Answer preferredAnswer) {
    questions << text;
    preferred << preferredAnswer;
    log << QStringLiteral("ask:") + text;
    return answers.isEmpty() ? preferredAnswer : answers.takeFirst();
}

bool FakePlatform::confirm(QWidget*, const QString& text, const QString& proceedCaption) {
    questions << text;
    preferred << Answer::Cancel;
    log << QStringLiteral("confirm:%1:").arg(proceedCaption) + text;
    return !answers.isEmpty() && answers.takeFirst() == Answer::Yes;
}

std::optional<int> FakePlatform::choose(QWidget*, const QString& text, const QStringList& items) {
    questions << text;
    choiceItems = items;
    log << QStringLiteral("choose:") + text;
    return choices.isEmpty() ? std::nullopt : choices.takeFirst();
}

int FakePlatform::exec(QDialog* dialog) {
    const QString name = dialog->objectName();
    execs << name;
    log << QStringLiteral("exec:") + name;
    QPointer<QDialog> guard(dialog);
    dialog->setModal(true);
    dialog->show();
    if (onExec)
        onExec(dialog);
    if (!guard)
        return QDialog::Accepted;
    const int result = guard->result();
    if (guard->isVisible())
        guard->close();
    return result;
}

Status FakePlatform::startProgram(const NativePath& program, const WineStart& wine) {
    started << program.text();
    startedWith << wine;
    log << QStringLiteral("start:") + program.text();
    if (failingPrograms.contains(program.text()))
        return Status::failure(ErrorKind::NotFound,
                               QStringLiteral("Could not start \"%1\": the program does not exist.")
                                   .arg(program.text()));
    return Status::success();
}

Status FakePlatform::openAddress(const QString& address) {
    opened << address;
    log << QStringLiteral("open:") + address;
    if (failingAddresses.contains(address))
        return Status::failure(ErrorKind::Failed,
                               QStringLiteral("Could not open \"%1\".").arg(address));
    return Status::success();
}

std::unique_ptr<Platform::Wait> FakePlatform::wait(QWidget*, const QString& text) {
    waits << text;
    log << QStringLiteral("wait:") + text;
    class ScriptedWait : public Wait {
    public:
        ScriptedWait(FakePlatform& fake, int looks)
            : m_fake(fake)
            , m_looks(looks) {}
        bool keepWaiting() override {
            if (m_fake.whileWaiting)
                m_fake.whileWaiting();
            return m_looks < 0 || m_looks-- > 0;
        }

    private:
        FakePlatform& m_fake;
        int m_looks;
    };
    return std::make_unique<ScriptedWait>(*this,
                                          waitAnswers.isEmpty() ? -1 : waitAnswers.takeFirst());
}

} // namespace gk
