#pragma once

// What the main view's progression playback changes on screen: the bar's pattern list and
// the chord the view shows. The bar and the view implement it; tests record the calls.

class CChord;

class ProgressionDisplay {
public:
    virtual ~ProgressionDisplay() = default;

    // Selects a row of the bar's pattern list without telling anyone (the playing pattern).
    virtual void SelectPatternIndex(int index) = 0;
    // Selects a row of the bar's pattern list as the player would; when that changes the
    // selection, the bar hands the row's chord to the view.
    virtual void SelectPatternAt(int index) = 0;
    // The view shows a copy of the chord (scrolled into view when the settings ask).
    virtual void ShowPatternChord(const CChord& chord) = 0;
};
