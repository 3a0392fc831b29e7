#pragma once

#include <QList>
#include <QObject>
#include <QStringList>

#include <memory>

namespace gk {

// One Grovekeep per user and Grovekeep folder: a second start hands its files to the running
// one and ends, instead of opening a second main window. A copy of Grovekeep with a folder of
// its own (a portable one beside an installed one) keeps its own options and history, and so
// has a channel of its own: the channel's name carries a hash of that folder.
//
// The channel is a Unix domain socket in the user's runtime folder (the user's own); on Windows
// a named pipe that admits only the user. Which start listens is decided under a lock that goes
// with the process holding it, so that two starts at the same moment never both listen.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Role {
        Listening,  // this start holds the lock: the others hand their files to it
        HandedOver, // the running Grovekeep took the files: this start ends
        Alone,      // no channel (it cannot be made, or the running one did not answer)
    };

    // `name` tells instances apart (tests use their own).
    explicit SingleInstance(QString name = defaultName(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // Decides what this start is; needs no application object. The start that takes the lock
    // is the one that listens; any other hands `files` (absolute paths; none just brings the
    // running window to the front) to the holder, trying again for a short time while the
    // holder is still on its way to listening.
    Role claim(const QStringList& files);

    // Opens the channel (taking the lock when claim() did not); needs the application object.
    // Other starts are answered from now on, and what they hand over is held until deliver().
    // False when the channel cannot be made or another start holds the lock.
    bool listen();
    // From now on what other starts hand over goes out through filesArrived(), beginning with
    // what was held: the receiver is ready.
    void deliver();

    // One attempt at handing `files` to a listening instance; true when it took them.
    bool handOver(const QStringList& files) const;

    // The channel's name for this user and this Grovekeep's folder.
    static QString defaultName();

signals:
    // Another start asked for these files (possibly none).
    void filesArrived(const QStringList& files);

private:
    enum class Sent { Taken, NoListener, NoAnswer };
    enum class Locked { Taken, Held, Unavailable };
    Sent send(const QStringList& files) const;
    Locked lock();
    void accept();
    void arrived(const QStringList& files);

    struct Lock;
    struct Listener;
    QString m_name;
    std::unique_ptr<Lock> m_lock;
    std::unique_ptr<Listener> m_listener;
    bool m_delivering = false;
    QList<QStringList> m_held;
};

} // namespace gk
