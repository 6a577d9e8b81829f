#include "app/picture_set.h"

namespace {

// The pictures come at 1x, 2x and 3x; zoom 4 doubles the 2x ones, which keeps every
// logical pixel edge on a screen pixel edge.
int PictureScaleFor(int zoom) {
    return zoom <= 3 ? zoom : 2;
}

QImage Keyed(const QImage& image) {
    if (image.isNull()) {
        return image;
    }
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = keyed.pixel(0, 0) | 0xff000000u;
    for (int y = 0; y < keyed.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if ((row[x] | 0xff000000u) == key && qAlpha(row[x]) == 255) {
                row[x] = 0;
            }
        }
    }
    return keyed.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

CPictureSet::CPictureSet(int zoom) : zoom(zoom < 1 ? 1 : zoom) {}

const CPictureSet::Picture* CPictureSet::Get(int id) {
    return Get(QString::number(id));
}

const CPictureSet::Picture* CPictureSet::Get(const QString& name) {
    if (const auto found = pictures.find(name); found != pictures.end()) {
        return found->second.image.isNull() ? nullptr : &found->second;
    }
    return Load(name);
}

const QImage* CPictureSet::Keyed(int id) {
    const QString name = QString::number(id);
    if (Get(name) == nullptr) {
        return nullptr;
    }
    Picture& picture = pictures[name];
    if (picture.keyed.isNull()) {
        picture.keyed = ::Keyed(picture.image);
    }
    return &picture.keyed;
}

const CPictureSet::Picture* CPictureSet::Load(const QString& name) {
    Picture picture;
    const QImage base(":/pictures/" + name + ".png");
    picture.logicalWidth = base.width();
    picture.logicalHeight = base.height();
    const int scale = PictureScaleFor(zoom);
    if (scale > 1) {
        picture.image = QImage(QString(":/pictures/%1@%2x.png").arg(name).arg(scale));
        picture.scale = scale;
    }
    // A missing sharper copy, or one of the wrong size, falls back to the 1x picture.
    if (picture.image.isNull() || picture.image.width() != base.width() * scale ||
        picture.image.height() != base.height() * scale) {
        picture.image = base;
        picture.scale = 1;
    }
    if (!picture.image.isNull() && picture.image.format() != QImage::Format_RGB32 &&
        picture.image.format() != QImage::Format_ARGB32_Premultiplied) {
        picture.image = picture.image.convertToFormat(picture.image.hasAlphaChannel()
                                                          ? QImage::Format_ARGB32_Premultiplied
                                                          : QImage::Format_RGB32);
    }
    auto [where, inserted] = pictures.emplace(name, std::move(picture));
    return where->second.image.isNull() ? nullptr : &where->second;
}
