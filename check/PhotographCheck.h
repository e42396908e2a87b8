#pragma once

#include <ostream>

namespace check {

// Goes through the 22 photographs the quiz reads from the current folder, in the quiz's order,
// with the quiz's own picture code, and prints a line for each: it will show (with its size
// and anything a teacher may want to change), or the error box the quiz would show instead.
// Then a line for each folder under obr/ (found as the quiz finds it, by ignoring capitals
// where need be) that cannot be read, a line for each file there that the quiz never reads,
// and a last line that sums up, saying so when that list is incomplete.
// Gives whether every photograph will show.
bool checkPhotographs(std::ostream& out);

} // namespace check
