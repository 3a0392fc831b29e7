#pragma once

#include "ui/webpage.h"

#include <functional>
#include <memory>

namespace gk {

using WebPageFactory = std::function<std::unique_ptr<WebPage>(QWidget* parent)>;

// Replaces how pages are made (tests); an empty factory restores the web engine.
void setWebPageFactory(WebPageFactory factory);

// A new page area. The web engine is loaded the first time this is called; where it is not
// built or cannot be loaded, the page area opens each address in the desktop's browser and
// says so, giving `reason` first.
std::unique_ptr<WebPage> createWebPage(QWidget* parent);
std::unique_ptr<WebPage> createFallbackPage(QWidget* parent, const QString& reason);

} // namespace gk
