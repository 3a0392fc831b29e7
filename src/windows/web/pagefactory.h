#pragma once

#include "ui/webpage.h"

#include <functional>
#include <memory>

namespace gk {

using WebPageFactory = std::function<std::unique_ptr<WebPage>(QWidget* parent)>;

// Replaces how pages are made (tests); an empty factory restores the web engine.
void setWebPageFactory(WebPageFactory factory);

// A new page area. The web engine is loaded the first time this is called; when it cannot
// be loaded, the page area says so and offers to open the address in the desktop's browser.
std::unique_ptr<WebPage> createWebPage(QWidget* parent);

} // namespace gk
