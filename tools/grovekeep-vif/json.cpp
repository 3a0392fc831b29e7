#include "json.h"

#include <QJsonDocument>

namespace gk::cli {

namespace {

// Sets `key` unless `value` is empty.
void insertText(QJsonObject& object, const QString& key, const QString& value) {
    if (!value.isEmpty())
        object.insert(key, value);
}

} // namespace

QString localIsoTime(const QDateTime& time) {
    const QDateTime local = time.toLocalTime();
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate);
}

QString actionName(const EntryAction& entry) {
    if (entry.refused())
        return QStringLiteral("refused");
    return entry.replaces ? QStringLiteral("replace") : QStringLiteral("add");
}

QJsonObject entryJson(int index, const vif::PackEntry& entry, const QString& problem) {
    QJsonObject o{{QStringLiteral("index"), index}, {QStringLiteral("size"), entry.size}};
    insertText(o, QStringLiteral("installPath"), entry.installPath);
    insertText(o, QStringLiteral("title"), entry.title);
    insertText(o, QStringLiteral("problem"), problem);
    return o;
}

QByteArray indentedElement(const QJsonObject& element) {
    // "[\n", the element, "\n]\n"
    const QByteArray array = QJsonDocument(QJsonArray{element}).toJson(QJsonDocument::Indented);
    return array.sliced(2, array.size() - 5);
}

Result<QJsonObject> planJson(const OperationInfo& package, const PackagePlan& plan,
                             const QHash<QString, Conflict>& earlier) {
    // The install paths the plan does not keep, read again from the package.
    QHash<int, QString> installPaths;
    const Status read =
        vif::readEntries(plan.text, [&](int number, const vif::PackEntry& entry, const QString&) {
            installPaths.insert(number, entry.installPath);
            return true;
        });
    if (!read)
        return read;
    QJsonArray entries;
    for (const EntryAction& entry : plan.entries) {
        QJsonObject o{{QStringLiteral("index"), entry.number},
                      {QStringLiteral("action"), actionName(entry)}};
        insertText(o, QStringLiteral("installPath"), installPaths.value(entry.number));
        insertText(o, QStringLiteral("title"), entry.title);
        insertText(o, QStringLiteral("reason"), plan.refusal(entry));
        if (!entry.refused()) {
            const NativePath target = plan.target(entry).path();
            o.insert(QStringLiteral("target"), target.shown());
            if (const auto c = earlier.constFind(target.text()); c != earlier.cend())
                o.insert(QStringLiteral("installedBy"),
                         QJsonObject{{QStringLiteral("operation"), c->operation},
                                     {QStringLiteral("what"), c->what},
                                     {QStringLiteral("time"), localIsoTime(c->time)}});
        }
        entries.append(o);
    }
    QJsonObject name;
    insertText(name, QStringLiteral("name"), package.packageName);
    insertText(name, QStringLiteral("sha256"), package.packageSha256);
    return QJsonObject{{QStringLiteral("package"), name},
                       {QStringLiteral("installable"), plan.ok()},
                       {QStringLiteral("entries"), entries}};
}

QJsonArray historyJson(const QList<OperationRecord>& history) {
    QJsonArray operations;
    for (const OperationRecord& r : history) {
        if (!r.readable()) {
            operations.append(QJsonObject{{QStringLiteral("id"), r.id},
                                          {QStringLiteral("state"), QStringLiteral("unreadable")},
                                          {QStringLiteral("problem"), r.unreadable}});
            continue;
        }
        QJsonObject o{{QStringLiteral("id"), r.id},
                      {QStringLiteral("time"), localIsoTime(r.time)},
                      {QStringLiteral("state"), stateName(r.state)},
                      {QStringLiteral("files"), r.fileCount}};
        insertText(o, QStringLiteral("kind"), r.info.kind);
        insertText(o, QStringLiteral("what"), r.info.what);
        QJsonObject package;
        insertText(package, QStringLiteral("name"), r.info.packageName);
        insertText(package, QStringLiteral("sha256"), r.info.packageSha256);
        if (!package.isEmpty())
            o.insert(QStringLiteral("package"), package);
        if (r.undoes)
            o.insert(QStringLiteral("undoes"), r.undoes);
        if (r.undoneBy)
            o.insert(QStringLiteral("undoneBy"), r.undoneBy);
        insertText(o, QStringLiteral("note"), r.note);
        operations.append(o);
    }
    return operations;
}

QJsonArray checksJson(const QList<FileCheck>& checks) {
    QJsonArray files;
    for (const FileCheck& check : checks) {
        QJsonObject o{{QStringLiteral("operation"), check.operation},
                      {QStringLiteral("state"), fileStateName(check.state)},
                      {QStringLiteral("role"), roleName(check.role)},
                      {QStringLiteral("path"), check.path.shown()}};
        insertText(o, QStringLiteral("problem"), check.problem);
        files.append(o);
    }
    return files;
}

} // namespace gk::cli
