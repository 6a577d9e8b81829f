#include "view/neck_marker.h"

#include "view/canvas.h"
#include "view/neck_geometry.h"

namespace {

inline constexpr int kFillWidth = 15;
inline constexpr int kFillHeight = 23;
inline constexpr int kStringBarWidth = 6;
inline constexpr int kStringBarTop = -80;

bool UsesOverlays(ProgramMode mode) {
    return mode == ProgramMode::ChordPlotter || mode == ProgramMode::Progression;
}

}  // namespace

CNeckMarker::CNeckMarker(CCanvas& canvas, const CTuning& tuning, ProgramMode mode,
                         int mutedOverlayType, int openOverlayType)
    : canvas(canvas),
      tuning(tuning),
      mode(mode),
      mutedOverlayType(mutedOverlayType),
      openOverlayType(openOverlayType) {}

void CNeckMarker::MarkNote(int s, const CNote& note, bool overlay) {
    if (s < 1 || s > kNeckStrings || note.note == kNoteNone) {
        return;
    }
    if (note.IsMuted()) {
        if (UsesOverlays(mode) && (mutedOverlayType == 1 || mutedOverlayType == 2)) {
            ColourString(s, true);
            if (mutedOverlayType == 1) {
                return;
            }
        }
        DrawIcon(s, false, false);
        return;
    }
    if (tuning.IsOpenString(s, note)) {
        if (UsesOverlays(mode) && (openOverlayType == 1 || openOverlayType == 2)) {
            ColourString(s, false);
            if (openOverlayType == 1) {
                return;
            }
        }
        DrawIcon(s, true, overlay);
        return;
    }
    const int fret = tuning.FretOf(s, note);
    if (fret > 0) {
        DrawLabel(s, fret, note, overlay);
    }
}

void CNeckMarker::MarkFret(int s, int fret, const CNote& note, bool overlay) {
    if (s < 1 || s > kNeckStrings) {
        return;
    }
    if (fret == 0) {
        DrawIcon(s, true, overlay);
    } else if (fret >= 1 && fret <= kNeckFrets) {
        DrawLabel(s, fret, note, overlay);
    }
}

void CNeckMarker::ColourString(int s, bool muted) {
    canvas.Blend(muted ? kPictureMutedBar : kPictureOpenBar, StringX(s) - 3, kStringBarTop,
                 kStringColourPercent, kStringBarWidth, kNeckHeight - kStringBarTop);
}

void CNeckMarker::DrawIcon(int s, bool open, bool overlay) {
    const SpriteCell cell = open ? kOpenIconCell : kMutedIconCell;
    canvas.DrawTransparent(kPictureNeckLabels, LabelX(s), kIconY,
                           {cell.x, cell.y, kIconWidth, kIconHeight});
    if (open && overlay) {
        canvas.Blend(kPictureIconOverlay, LabelX(s), kIconY, kOverlayPercent, kIconWidth,
                     kIconHeight);
    }
}

void CNeckMarker::DrawLabel(int s, int fret, const CNote& note, bool overlay) {
    const int y = FretY(fret);
    canvas.Fill(StringX(s) - 7, y + 5, kFillWidth, kFillHeight, kCanvasBlack);
    const SpriteCell cell = LabelCell(note.note);
    canvas.DrawTransparent(kPictureNeckLabels, LabelX(s), y,
                           {cell.x, cell.y, kLabelWidth, kLabelHeight});
    if (overlay) {
        // The oval is 24 x 33, a pixel narrower than the label.
        canvas.Blend(kPictureNoteOverlay, LabelX(s), y, kOverlayPercent, kIconWidth, kLabelHeight);
    }
}
