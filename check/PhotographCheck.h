#pragma once

#include <ostream>

namespace check {

// Goes through the 22 photographs the quiz reads from the current folder, in the quiz's order,
// with the quiz's own picture code, and prints a line for each: it will show (with its size
// and anything a teacher may want to change), or the error box the quiz would show instead.
// Then a line for each file under obr/ that the quiz never reads, and a last line that sums up.
// Gives whether every photograph will show.
bool checkPhotographs(std::ostream& out);

} // namespace check
