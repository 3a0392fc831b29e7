#pragma once

// A page area for window tests: it records what the window asks of it, and the test plays the
// engine's part (addresses, titles, loading, downloads) through it.

#include "ui/webpage.h"

#include <QFile>
#include <QList>
#include <QStringList>
#include <QWidget>

#include <memory>

namespace gk::test {

// What became of a download the fake page started; it outlives the download itself.
struct Transfer {
    class Download;
    Download* download = nullptr; // null once the window dropped it
    QString accepted;             // where the window asked the file to be written
    bool cancelled = false;

    bool alive() const { return download != nullptr; }
    // Writes bytes as the engine would, and reports them.
    void receive(const QByteArray& bytes, qint64 total = -1);
    // The engine's end of the download.
    void finish(DownloadEnd end, const QString& reason = QString());
};

class Transfer::Download final : public WebDownload {
public:
    Download(std::shared_ptr<Transfer> transfer, QString name)
        : m_transfer(std::move(transfer))
        , m_name(std::move(name)) {
        m_transfer->download = this;
    }
    ~Download() override { m_transfer->download = nullptr; }
    QString address() const override { return QStringLiteral("http://127.0.0.1/") + m_name; }
    QString suggestedFileName() const override { return m_name; }
    void accept(const QString& path) override {
        m_transfer->accepted = path;
        QFile(path).open(QIODevice::WriteOnly); // the engine creates the file at once
    }
    void cancel() override { m_transfer->cancelled = true; }

private:
    std::shared_ptr<Transfer> m_transfer;
    QString m_name;
};

inline void Transfer::receive(const QByteArray& bytes, qint64 total) {
    QFile file(accepted);
    if (file.open(QIODevice::Append))
        file.write(bytes);
    file.close();
    if (download && download->progressed)
        download->progressed(QFile(accepted).size(), total);
}

inline void Transfer::finish(DownloadEnd end, const QString& reason) {
    if (download && download->finished) {
        auto report = download->finished; // the window may drop the download meanwhile
        report(end, reason);
    }
}

class FakePage : public WebPage {
public:
    explicit FakePage(QWidget* parent)
        : m_widget(new QWidget(parent)) {
        pages().append(this);
    }
    ~FakePage() override { pages().removeAll(this); }
    QWidget* widget() override { return m_widget; }
    void navigate(const QString& address) override { log << "navigate:" + address; }
    void back() override { log << "back"; }
    void forward() override { log << "forward"; }
    void stop() override { log << "stop"; }
    void reload() override { log << "reload"; }
    bool canGoBack() const override { return canBack; }
    bool canGoForward() const override { return canForward; }

    // The engine's reports.
    void showPage(const QString& address, bool back, bool forward) {
        canBack = back;
        canForward = forward;
        if (addressChanged)
            addressChanged(address);
    }
    // A download the page starts; the window keeps it only when it accepts it.
    std::shared_ptr<Transfer> startDownload(const QString& name) {
        auto transfer = std::make_shared<Transfer>();
        if (downloadRequested)
            downloadRequested(std::make_unique<Transfer::Download>(transfer, name));
        return transfer;
    }

    static QList<FakePage*>& pages() {
        static QList<FakePage*> list;
        return list;
    }

    QStringList log;
    bool canBack = false;
    bool canForward = false;

private:
    QWidget* m_widget;
};

} // namespace gk::test
