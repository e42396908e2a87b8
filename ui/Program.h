#pragma once

namespace ui {

// Before the toolkit exists: a screen's scale factor is taken as the window system gives it, so
// that at 125 % or 150 % the windows take the share of the screen that other programs' do.
// Rounding it would make 150 % 200 % (the quiz window then no longer fits a 1920 × 1080 laptop
// screen) or 100 % (a window too small to read).
void setUpScaling();

// The program entry, once the toolkit is set up: creates the quiz window and then the start
// page window, whose creation carries the whole run; then the main event loop; then destroys
// both windows. Returns the exit status.
int runProgram();

} // namespace ui
