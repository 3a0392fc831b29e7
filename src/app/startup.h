#pragma once

class QApplication;

namespace gk {

class frmMDI;

// Makes every window of Grovekeep known to the window registry.
void registerGrovekeepForms();

// Application-wide look: font and icon.
void applyGrovekeepStyle();

// The start-up: the main window loads (splash, settings), is displayed, and the map
// manager opens inside it.
frmMDI* startGrovekeep();

} // namespace gk
