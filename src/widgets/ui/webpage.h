#pragma once

#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace gk {

// How a download ended.
enum class DownloadEnd { Completed, Cancelled, Failed };

// A file a page started to download. The engine asks the window where it goes while the page
// requests it: the window calls accept() before its handler returns, or the download is
// refused and nothing is written. Destroying an unfinished download cancels it.
class WebDownload {
public:
    virtual ~WebDownload() = default;
    // The address the file comes from, and the file name the server proposes (a bare name).
    virtual QString address() const = 0;
    virtual QString suggestedFileName() const = 0;
    // Starts writing the file at `path`, which must not exist yet (its folder must).
    virtual void accept(const QString& path) = 0;
    // Stops the download; `finished` then reports it cancelled.
    virtual void cancel() = 0;

    // Bytes received so far, and the size the server announced (-1 when unknown).
    std::function<void(qint64 received, qint64 total)> progressed;
    // Once, at the end; `reason` says why a failed download failed.
    std::function<void(DownloadEnd end, const QString& reason)> finished;
};

// The page area of a web window: a web engine view, or a stand-in. Implementations live in
// the web engine module (loaded on first use), in the windows (a stand-in when the engine
// cannot be loaded) and in tests.
class WebPage {
public:
    virtual ~WebPage() = default;
    virtual QWidget* widget() = 0;
    // Opens an address as given; an address without a scheme is completed the way a
    // browser's address bar completes it, and an empty one shows an empty page.
    virtual void navigate(const QString& address) = 0;
    virtual void back() = 0;
    virtual void forward() = 0;
    virtual void stop() = 0;
    virtual void reload() = 0;
    virtual bool canGoBack() const = 0;
    virtual bool canGoForward() const = 0;

    // What the page reports to its window; each may be left empty. A link that asks for a new
    // window opens in this page, so it is reported as any other navigation.
    // The address of the page shown (after links, Back, Forward, redirects); empty for none.
    std::function<void(const QString& address)> addressChanged;
    // The page's title; empty when it has none.
    std::function<void(const QString& title)> titleChanged;
    // Loading started or ended; while loading, the share done so far (0 to 100).
    std::function<void(bool loading, int percent)> loadingChanged;
    // The page started a download. Unless the handler accepts it before returning, it is
    // refused; the handler keeps it to follow it and to cancel it.
    std::function<void(std::unique_ptr<WebDownload> download)> downloadRequested;
};

// The engine module's entry point, resolved by name.
using CreateEnginePage = WebPage* (*)(QWidget* parent);
inline constexpr const char* kEngineEntryPoint = "gk_create_web_page";
inline constexpr const char* kEngineModuleName = "grovekeep-web";

} // namespace gk
