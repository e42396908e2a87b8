#pragma once

namespace ui {

// The program entry, once the toolkit is set up: creates the quiz window and then the start
// page window, whose creation carries the whole run; then the main event loop; then destroys
// both windows. Returns the exit status.
int runProgram();

} // namespace ui
