#pragma once

#include <iosfwd>

// What fretquill-cli shows when started with no arguments: a few of its answers, and where
// to find the rest.
void PrintTour(std::ostream& out);
