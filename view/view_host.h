#pragma once
// What the main view needs from the window around it. The window implements it over its
// widgets and timers; tests record the calls.
//
//   class CNeckHost : public CViewHost { ... };      // the window's side
//   view.Tap(x, y + host.ScrollPosition());          // a press on the neck

class CViewHost {
public:
    virtual ~CViewHost() = default;
    // Paint the neck again soon; the view has set its redraw flag when the back buffer
    // must be drawn anew.
    virtual void RequestRepaint() = 0;
    // The first neck row shown, in logical pixels.
    virtual int ScrollPosition() const = 0;
    // Scrolls so that row y is the first shown (the view passes values within the range).
    virtual void ScrollTo(int y) = 0;
    // How many logical neck rows the window shows.
    virtual int ClientHeight() const = 0;
    // Starts (or restarts) the playback timer id with a period in milliseconds; each
    // period the window calls CFretquillView::TimerTick(id).
    virtual void StartTimer(int id, int periodMs) = 0;
    virtual void StopTimer(int id) = 0;
    // The run-time menu items changed (favorites, the Dynamic Chord Generation item, the
    // Progression submenu's enabling): rebuild them from CFretquillView::Menu().
    virtual void MenuChanged() = 0;
};
