#include "dialogs/pictures.h"

#include <QFile>

namespace {

QString PicturePath(const QString& name, int scale) {
    return scale <= 1 ? QStringLiteral(":/pictures/%1.png").arg(name)
                      : QStringLiteral(":/pictures/%1@%2x.png").arg(name).arg(scale);
}

}  // namespace

QPixmap LoadPicture(const QString& name, qreal devicePixelRatio) {
    const int wanted = devicePixelRatio >= 2.5 ? 3 : (devicePixelRatio >= 1.5 ? 2 : 1);
    for (int scale = wanted; scale >= 1; --scale) {
        QPixmap pixmap;
        if (QFile::exists(PicturePath(name, scale)) && pixmap.load(PicturePath(name, scale))) {
            pixmap.setDevicePixelRatio(scale);
            return pixmap;
        }
    }
    return QPixmap();
}

QIcon LoadIcon(const QString& name) {
    QIcon icon;
    for (int scale = 1; scale <= 3; ++scale) {
        const QString path = PicturePath(name, scale);
        if (QFile::exists(path)) {
            icon.addFile(path);
        }
    }
    return icon;
}
