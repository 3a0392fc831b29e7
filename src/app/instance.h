#pragma once

#include <QObject>
#include <QStringList>

#include <memory>

namespace gk {

// One Grovekeep per user: a second start hands its files to the running one over a local
// socket (a Unix domain socket in the user's runtime folder, the user's own; a named pipe on
// Windows, per user and program folder) and ends,
// instead of opening a second main window.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // `name` tells instances apart (tests use their own).
    explicit SingleInstance(QString name = defaultName(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // Sends `files` (absolute paths; none just brings the running window to the front) to a
    // running instance; true when one took them.
    bool handOver(const QStringList& files) const;
    // Becomes the instance others hand their files to; false when the channel cannot be made
    // (Grovekeep then runs on alone).
    bool listen();

    // The channel's name for this user.
    static QString defaultName();

signals:
    // Another start asked for these files (possibly none).
    void filesArrived(const QStringList& files);

private:
    void accept();

    struct Listener;
    QString m_name;
    std::unique_ptr<Listener> m_listener;
};

} // namespace gk
