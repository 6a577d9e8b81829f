#pragma once

// The twenty tips of the day, numbered 65016..65035 (the numbers are what CurrentTip
// stores), and how the tip dialog steps through them: every opening shows the tip after
// the one shown last, cycling through all twenty.
//
//   int tip = NextTip(settings.currentTip);   // 65016 stored gives 65017
//   settings.currentTip = tip;
//   show(TipText(tip));

#include <string_view>

inline constexpr int kFirstTipId = 65016;
inline constexpr int kLastTipId = 65035;
inline constexpr int kTipCount = kLastTipId - kFirstTipId + 1;

// The tip's text; "" for a number outside 65016..65035.
std::string_view TipText(int tipId);
// The tip after the current one, 65016 after 65035 (and for any number outside the range).
int NextTip(int currentTip);
// The tip before the current one, 65035 before 65016 (and for any number outside the range).
int PreviousTip(int currentTip);
