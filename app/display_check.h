#pragma once

// Whether the window can open on this session's display, told before the window toolkit
// starts (it aborts when its display will not open).

#include <string>

// True when a display server answers: a Wayland display named by WAYLAND_DISPLAY, or an
// X display named by DISPLAY whose socket accepts a connection. QT_QPA_PLATFORM naming a
// platform that needs no display (offscreen, minimal, vnc, ...) counts as available.
bool DisplayAvailable();

// The one line told on standard error when there is none.
std::string NoDisplayMessage(const std::string& why);

// Where the X server of a DISPLAY value listens: the local socket path for ":N" or
// "unix:N", "" for a TCP display (host:N), which is then tried over TCP; false for a
// value that names no display.
bool XDisplaySocket(const std::string& display, std::string& socketPath, std::string& host,
                    int& number);
