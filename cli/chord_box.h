#pragma once

// Chord boxes drawn in text: strings across (string 1 on the left), frets down the page,
// x and o above the nut for muted and open strings, and the base fret beside the first row
// when the shape sits up the neck.
//
//    x     o   o
//    ===========
//    | | | | * |  1
//    | | * | | |
//    | * | | | |
//    | | | | | |

#include <array>
#include <string>

#include "guitar/tuning.h"

std::string ChordBoxText(const std::array<int, kStringCount>& frets);
