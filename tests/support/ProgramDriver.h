#pragma once

#include "ui/framework/ErrorBox.h"

#include <functional>

// Drives the whole program in this process on the offscreen platform, for the window tests and
// the program's benchmarks alike.
namespace programdriver {

// Runs the program (ui::runProgram) with its error boxes going to the recorder, and the script
// once the start page's modal loop is up. The script must end the program or leave an end
// requested. The recorder is removed when the run ends. Returns the program's exit status.
int runScripted(const std::function<void()>& script, ui::ErrorBoxRecorder recorder);

// Ends the intro now: the quiz window's timer ticks at once instead of after five seconds, then
// goes back to its own interval. False when it did not tick within the time.
bool endIntro(int timeoutMilliseconds = 5000);

} // namespace programdriver
