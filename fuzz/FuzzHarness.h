#pragma once

#include "pictures/Graphic.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

// What every picture fuzz target shares: the program's start-up state and the one rule for an
// outcome. An input may load and draw, or raise one of the program's own errors with one of the
// messages the picture readers are allowed to give. Anything else (another exception, another
// message) aborts, so libFuzzer records the input as a crash.
namespace fuzzing {

// A toolkit on the offscreen platform and picture support for a true-colour display (or an
// 8-bit one when ZORVENKA_FUZZ_DISPLAY_BITS is 8), once per process.
void setUpOnce();

// Runs the action under the rule above.
void expectOwnOutcome(const std::function<void()>& action);

// Draws the graphic once into a small canvas, as a picture box's first repaint does.
void drawOnce(pictures::Graphic& graphic);

std::vector<unsigned char> bytesOf(const std::uint8_t* data, std::size_t size);

} // namespace fuzzing
