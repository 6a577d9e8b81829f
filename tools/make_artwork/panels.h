#pragma once
// The start-up splash (also the About panel's backdrop) and its progress bar parts.

#include <QPainter>

// Where the splash keeps its black text panel and its progress bar, in its own pixels.
inline constexpr int kSplashWidth = 240;
inline constexpr int kSplashHeight = 268;
inline constexpr int kSplashPanelLeft = 24;
inline constexpr int kSplashPanelTop = 103;
inline constexpr int kSplashPanelRight = 220;
inline constexpr int kSplashPanelBottom = 222;
inline constexpr int kProgressFrameX = 37;
inline constexpr int kProgressFrameY = 223;
inline constexpr int kProgressFrameWidth = 166;
inline constexpr int kProgressFrameHeight = 32;
inline constexpr int kProgressBarWidth = 162;
inline constexpr int kProgressBarHeight = 24;

void PaintSplash(QPainter& painter);
void PaintProgressFrame(QPainter& painter);
void PaintProgressFill(QPainter& painter);
void PaintProgressEmpty(QPainter& painter);
