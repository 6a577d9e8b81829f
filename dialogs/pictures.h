#pragma once

// The program's pictures as the dialogs load them: ":/pictures/<name>.png", drawn at build
// time. A picture that is not there gives an empty pixmap or icon, which draws nothing.

#include <QIcon>
#include <QPixmap>
#include <QString>

// "161" or "play": the picture of that name, at the sharpest size the screen asks for.
QPixmap LoadPicture(const QString& name, qreal devicePixelRatio = 1.0);
QIcon LoadIcon(const QString& name);
