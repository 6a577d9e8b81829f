#pragma once
// Tool bar buttons, small list icons, the dialogs' decorations and the program's icon.

#include <QColor>
#include <QPainter>

void PaintPlay(QPainter& painter);
void PaintStop(QPainter& painter);
void PaintNew(QPainter& painter);
void PaintEdit(QPainter& painter);
void PaintDelete(QPainter& painter);
void PaintExport(QPainter& painter);
void PaintImport(QPainter& painter);
void PaintAddFromFavorite(QPainter& painter);
void PaintEditPattern(QPainter& painter);
void PaintDeletePattern(QPainter& painter);
void PaintMoveDown(QPainter& painter);
void PaintMoveUp(QPainter& painter);

void PaintFolder(QPainter& painter, bool open);
void PaintFavorite(QPainter& painter);
void PaintDevice(QPainter& painter, bool selected);
void PaintPatternRow(QPainter& painter);
void PaintProgressionFile(QPainter& painter);
void PaintSoundPack(QPainter& painter, bool loaded);

void PaintBanner(QPainter& painter);
void PaintLamp(QPainter& painter, bool lit);
void PaintTipPicture(QPainter& painter, int size);
// The program's icon in a square of the given logical size.
void PaintAppIcon(QPainter& painter, int size);
