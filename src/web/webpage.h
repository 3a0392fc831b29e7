#pragma once

#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace gk {

// The page area of a web window: a web engine view, or a stand-in. Implementations live in
// the web engine module (loaded on first use) and in tests.
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

using WebPageFactory = std::function<std::unique_ptr<WebPage>(QWidget* parent)>;

// Replaces how pages are made (tests); an empty factory restores the web engine.
void setWebPageFactory(WebPageFactory factory);

// A new page area. The web engine is loaded the first time this is called; when it cannot
// be loaded, the page area says so and offers to open the address in the desktop's browser.
std::unique_ptr<WebPage> createWebPage(QWidget* parent);

// The engine module's entry point, resolved by name.
using CreateEnginePage = WebPage* (*)(QWidget* parent);
inline constexpr const char* kEngineEntryPoint = "gk_create_web_page";
inline constexpr const char* kEngineModuleName = "grovekeep-web";

} // namespace gk
