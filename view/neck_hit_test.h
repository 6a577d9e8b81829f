#pragma once
// From a pointer position back to the neck: which string and fret a tap hits, which string
// a stylus sweep crosses, and where to scroll so that a chord or a scale is in sight.
//
//   NeckHit hit = HitTest(x, y + scrollPosition);   // {1, 0}: string 1 at the nut
//   int s = SweepHit(x, y);                          // 1..6 on a string line, else -1

struct NeckHit {
    int string = -1;  // 1..6, -1 beside the strings
    int fret = -1;    // 0..24, -1 above the nut's row or below fret 24
    friend bool operator==(const NeckHit&, const NeckHit&) = default;
};

// x in window pixels, y on the neck (the window y plus the scroll position).
NeckHit HitTest(int x, int y);

// Both in window pixels. The bands are narrower than the tap columns so a sweep sounds a
// string only when it really crosses it.
int SweepHit(int x, int y);

// The scroll position that puts the bottom of fret highestFret's label at the window's
// bottom edge (0 while the notes reach no higher than fret 4), kept within 0 and the last
// position at which the window still shows neck.
int ScrollIntoViewTarget(int highestFret, int clientHeight);
