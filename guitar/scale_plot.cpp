#include "guitar/scale_plot.h"

#include "guitar/note_marker.h"
#include "music/scale.h"

namespace {

bool OverlayFor(const CNote& note, const CNote& root, const ScalePlotOptions& options) {
    return options.overlay && note.note == root.note;
}

void PlotWholeFretboard(CScale& display, const CTuning& tuning, const ScalePlotOptions& options,
                        NoteMarker& marker, PlacedRange& range) {
    display.Rewind();
    const CNote root = display.Next();
    display.Rewind();
    do {
        const CNote note = display.Next();
        const bool overlay = OverlayFor(note, root, options);
        for (int s = 1; s <= kStringCount; ++s) {
            CNote q = tuning.LowestOnString(s, note.note);
            range.Include(q);
            for (int fret = tuning.FretOf(s, q); fret >= 0 && fret <= kFretCount; fret += 12) {
                marker.MarkFret(s, fret, q, overlay);
                ++q.octave;
            }
        }
    } while (!display.IsPastEnd());
}

// One pass of the span plot, climbing (toward = +1 in string steps to the far string) or
// descending. The pass ends at the first note that cannot be placed.
class SpanPass {
public:
    SpanPass(CScale& display, const CTuning& tuning, const ScalePlotOptions& options,
             const CNote& root, NoteMarker& marker, PlacedRange& range)
        : display_(display), tuning_(tuning), options_(options), root_(root), marker_(marker),
          range_(range) {}

    void Run(CNote current, int n, int farString, bool upward) {
        const int step = farString > n ? 1 : -1;
        const int span = options_.span;
        while (true) {
            int u = tuning_.FretOf(n, current);
            if (n == farString && (u == -1 || (upward ? u > display_.minFret + span
                                                      : u < display_.maxFret - span))) {
                return;
            }
            while (!Fits(u) && n != farString) {
                n += step;
                u = tuning_.FretOf(n, current);
            }
            if (u == -1) {
                return;
            }
            Place(n, u, current);
            current = upward ? display_.Next() : display_.Prev();
        }
    }

private:
    bool Fits(int u) const {
        return u != -1 && display_.maxFret - options_.span <= u &&
               u <= display_.minFret + options_.span;
    }

    void Place(int n, int u, const CNote& note) {
        if (u < display_.minFret) {
            display_.minFret = u;
        } else if (u > display_.maxFret) {
            display_.maxFret = u;
        }
        marker_.MarkNote(n, note, OverlayFor(note, root_, options_));
        range_.Include(note);
    }

    CScale& display_;
    const CTuning& tuning_;
    const ScalePlotOptions& options_;
    const CNote root_;
    NoteMarker& marker_;
    PlacedRange& range_;
};

void PlotSpan(CScale& display, const CTuning& tuning, StartPosition start,
              const ScalePlotOptions& options, NoteMarker& marker, PlacedRange& range) {
    const int highSide = tuning.IsRightHanded() ? kStringCount : 1;
    const int lowSide = tuning.IsRightHanded() ? 1 : kStringCount;

    display.minFret = 0;
    display.maxFret = 0;
    display.Rewind();
    const CNote root = display.Next();
    const int startString = start.IsValid() ? start.string : 1;

    CNote current = root;
    const int e = tuning.FretOf(startString, root);
    if (options.noOpenNotes && e == 0) {
        display.minFret = 1;
        display.maxFret = options.span + 1;
        current = display.Next();
    } else {
        display.minFret = e;
        display.maxFret = e;
    }

    SpanPass pass(display, tuning, options, root, marker, range);
    pass.Run(current, startString, highSide, true);
    if (startString == lowSide) {
        return;
    }
    display.ClearPosition();
    pass.Run(display.Prev(), startString, lowSide, false);
}

}  // namespace

void PlacedRange::Include(const CNote& note) {
    if (IsLowerNote(note, lowestPlaced)) {
        lowestPlaced = note;
    }
    if (IsHigherNote(note, highestPlaced)) {
        highestPlaced = note;
    }
}

PlacedRange PlotScale(CScale& display, const CTuning& tuning, StartPosition start,
                      const ScalePlotOptions& options, NoteMarker& marker) {
    PlacedRange range;
    if (display.NoteCount() == 0) {
        return range;
    }
    if (options.useAllFretboard) {
        PlotWholeFretboard(display, tuning, options, marker, range);
    } else {
        PlotSpan(display, tuning, start, options, marker, range);
    }
    return range;
}

ScaleRootChoice ChooseScaleRoot(ScaleEvent event, const CTuning& tuning, NoteValue barNote,
                                StartPosition start, bool handednessChanged) {
    const auto onFirstString = [&](StartPosition after) {
        return ScaleRootChoice{true, tuning.LowestOnString(1, barNote), after};
    };
    const auto atStartOrFirstString = [&](StartPosition at) {
        if (at.IsValid()) {
            return ScaleRootChoice{true, tuning.NoteAt(at.string, at.fret), at};
        }
        return onFirstString(at);
    };
    switch (event) {
    case ScaleEvent::kProgramModeChosen:
    case ScaleEvent::kFavoriteChosen:
        return onFirstString({1, 0});
    case ScaleEvent::kFretboardTapped:
        if (!start.IsValid()) {
            return ScaleRootChoice{false, CNote::NoNote(), start};
        }
        return ScaleRootChoice{true, tuning.NoteAt(start.string, start.fret), start};
    case ScaleEvent::kTypeChosen:
        return atStartOrFirstString(start);
    case ScaleEvent::kNoteChosen:
        return onFirstString({});
    case ScaleEvent::kSettingsClosed:
        if (handednessChanged && start.string >= 1 && start.string <= kStringCount) {
            start.string = CTuning::MirrorString(start.string);
        }
        return atStartOrFirstString(start);
    }
    return ScaleRootChoice{false, CNote::NoNote(), start};
}
