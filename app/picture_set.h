#pragma once

// The program's pictures for one zoom: each loaded once from the resources at the sharpest
// size drawn for it (":/pictures/143@2x.png" at zoom 2), with its copy whose top-left
// colour is transparent made on first use. A picture that is not there stays null and
// draws nothing.

#include <QImage>
#include <QString>
#include <map>

class CPictureSet {
public:
    struct Picture {
        QImage image;  // scale x the logical size
        QImage keyed;  // the same with the top-left pixel's colour transparent
        int scale = 1;
        int logicalWidth = 0;
        int logicalHeight = 0;
    };

    explicit CPictureSet(int zoom);

    int Zoom() const { return zoom; }
    // nullptr when the picture is missing.
    const Picture* Get(int id);
    const Picture* Get(const QString& name);
    // The keyed copy, made once.
    const QImage* Keyed(int id);

private:
    const Picture* Load(const QString& name);

    int zoom;
    std::map<QString, Picture> pictures;
};
