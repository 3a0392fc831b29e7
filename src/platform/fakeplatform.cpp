#include "fakeplatform.h"

#include <QDialog>
#include <QPointer>

namespace gk {

std::optional<QString> FakePlatform::nextFile(bool save, const QString& filter,
                                              const QString& current) {
    fileRequests.append({save, filter, current});
    log << (save ? QStringLiteral("file-save:") : QStringLiteral("file-open:")) + filter;
    if (fileAnswers.isEmpty())
        return std::nullopt;
    return fileAnswers.takeFirst();
}

std::optional<QString> FakePlatform::openFileName(QWidget*, const QString& filter,
                                                  const QString& currentName) {
    return nextFile(false, filter, currentName);
}

std::optional<QString> FakePlatform::saveFileName(QWidget*, const QString& filter,
                                                  const QString& currentName) {
    return nextFile(true, filter, currentName);
}

void FakePlatform::message(QWidget*, const QString& text) {
    messages << text;
    log << QStringLiteral("message:") + text;
}

Answer FakePlatform::ask(QWidget*, const QString& text, bool) {
    questions << text;
    log << QStringLiteral("ask:") + text;
    return answers.isEmpty() ? Answer::Yes : answers.takeFirst();
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

Status FakePlatform::startProgram(const QString& path) {
    started << path;
    log << QStringLiteral("start:") + path;
    if (failingPrograms.contains(path))
        return Status::failure(
            QStringLiteral("Could not start \"%1\": the program does not exist.").arg(path));
    return Status::success();
}

Status FakePlatform::openAddress(const QString& address) {
    opened << address;
    log << QStringLiteral("open:") + address;
    return Status::success();
}

} // namespace gk
