#pragma once

#include <QString>

class QWidget;

namespace gk {

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
};

// The engine module's entry point, resolved by name.
using CreateEnginePage = WebPage* (*)(QWidget* parent);
inline constexpr const char* kEngineEntryPoint = "gk_create_web_page";
inline constexpr const char* kEngineModuleName = "grovekeep-web";

} // namespace gk
