#include "settings/tips.h"

#include <array>

#include "settings/app_settings.h"

static_assert(kFirstTipId == CAppSettings::kFirstTip && kLastTipId == CAppSettings::kLastTip);

namespace {

// Two blanks after each full stop, as the tips have always been written.
constexpr std::array<std::string_view, kTipCount> kTips = {
    "You can select a scale/mode starting note by either clicking on a fret or selecting the "
    "note from the note droplist.",
    "You can download additional free sound packs at https://fretquill.example.net/sounds.  "
    "Check back often to keep your sounds fresh!",
    "You can define additional pick patterns under Sound Options.",
    "Common chord patterns with 6 variations for each are defined for EADGBE tuning.  Dynamic "
    "tuning, with 50 variations is allowed for any tuning.",
    "Try dragging the mouse across a chord.  It will play like a real guitar!",
    "You can add up to 10 favorites for each program mode in its respective tuning.  For "
    "example, you can have 10 tunings for Chords, Modes, Scales and Discoverer for EADGBE "
    "tuning.",
    "You can use Fretquill as a right or left-handed player.  Configure this setting under "
    "Guitar Settings.",
    "Scales and Modes can be shown within your maximum finger span or on the entire "
    "fretboard.",
    "Organize your favorites for all tunings easily from the Organize Favorites dialog.",
    "You can store your sound packs anywhere on your computer.  Just add directories for "
    "Fretquill to search in via Sound Options and it will find and list all packs.",
    "Want to experiment on a progression but not risk screwing it up?  Create a new "
    "progression and choose 'Copy from existing'.  You can now play around with the copy and "
    "won't risk destroying any of the original's work!",
    "Putting the program into Progression Mode allows you to both see and hear your "
    "progression chords being played.",
    "You can import and export your favorite progressions via the Progression Manager.",
    "EADGBE tuning mode has chords from a database of common chords, but also has the ability "
    "to generate chords dynamically (like other tunings).",
    "Having trouble learning a chord?  Activate looping with a simple pattern of 123456 at a "
    "slow pace and play along.  You'll hear when you have it right.  ;)",
    "The display of the notes on the fretboard is completely configurable under Guitar "
    "Settings.  You can choose note/string highlighting amongst many other options visual "
    "options.",
    "You can choose right or left handed playing.  Simply open Guitar Settings and choose your "
    "style.",
    "You can play progressions in a number of different ways.  You can either play them in the "
    "Progression Manager, the Progression Editor, Pattern Editor, of have them play in "
    "Progression Mode (which displays the notes on the fretboard as the pattern plays).",
    "A progression can contain any number of patterns, having either picking patterns applied "
    "or as a simple strum.",
    "Don't run with scissors.",
};

bool IsTip(int tipId) {
    return tipId >= kFirstTipId && tipId <= kLastTipId;
}

}  // namespace

std::string_view TipText(int tipId) {
    return IsTip(tipId) ? kTips[static_cast<std::size_t>(tipId - kFirstTipId)] : "";
}

int NextTip(int currentTip) {
    return IsTip(currentTip) && currentTip < kLastTipId ? currentTip + 1 : kFirstTipId;
}

int PreviousTip(int currentTip) {
    return IsTip(currentTip) && currentTip > kFirstTipId ? currentTip - 1 : kLastTipId;
}
