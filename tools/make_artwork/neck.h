#pragma once
// The neck's pictures: fretboards, tuning header strips, the label sprite sheet, the
// string colour bars and the overlays.

#include <QColor>
#include <QPainter>

enum class Hand { Right, Left };

void PaintFretboard(QPainter& painter, Hand hand);
void PaintHeaderStrip(QPainter& painter, Hand hand);
void PaintLabelSheet(QPainter& painter);
void PaintStringBar(QPainter& painter, const QColor& colour);
void PaintNoteOverlay(QPainter& painter, const QColor& colour);
void PaintIconOverlay(QPainter& painter, const QColor& colour);
