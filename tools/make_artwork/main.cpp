// make_artwork <folder> [--times]: draws every picture of the program at 1x, 2x and 3x into
// <folder> (<name>.png, <name>@2x.png, <name>@3x.png), the program's icon as square
// PNGs for desktop menus, and artwork.qrc listing the pictures under /pictures.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>
#include <cstdio>

#include "artwork.h"
#include "icons.h"

namespace {

// Light zlib compression: the pictures are written at every build of the generator, and
// the resources hold them as they are.
constexpr int kPngQuality = 80;

bool Save(const QImage& image, const QString& path) {
    // PNGs carry no time stamp here, so the same sources give the same bytes.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG", kPngQuality) ||
        !file.commit()) {
        std::fprintf(stderr, "make_artwork: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// The offscreen platform's complaint about a missing runtime folder says nothing about the
// pictures; keep the build's output to what matters.
void QuietHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtDebugMsg && !message.startsWith(QLatin1String("QStandardPaths:"))) {
        std::fprintf(stderr, "make_artwork: %s\n", qPrintable(message));
    }
}

QString ScaledName(const QString& name, int scale) {
    return scale == 1 ? name + ".png" : QStringLiteral("%1@%2x.png").arg(name).arg(scale);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietHandler);
    QGuiApplication app(argc, argv);
    const bool times = argc == 3 && QByteArray(argv[2]) == "--times";
    if (argc != 2 && !times) {
        std::fprintf(stderr, "usage: make_artwork <output folder> [--times]\n");
        return 2;
    }
    QElapsedTimer timer;
    timer.start();
    QString error;
    if (!LoadArtworkFonts(&error)) {
        std::fprintf(stderr, "make_artwork: %s\n", qPrintable(error));
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "make_artwork: cannot create %s\n", argv[1]);
        return 1;
    }
    QString qrc;
    QTextStream out(&qrc);
    out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/pictures\">\n";
    for (const CPictureSpec& spec : Pictures()) {
        const qint64 started = timer.elapsed();
        for (int scale = 1; scale <= 3; ++scale) {
            const QString name = ScaledName(spec.name, scale);
            if (!Save(RenderPicture(spec, scale), folder.filePath(name))) {
                return 1;
            }
            out << "  <file>" << name << "</file>\n";
        }
        if (times) {
            std::printf("%-20s %5lld ms\n", qPrintable(spec.name),
                        static_cast<long long>(timer.elapsed() - started));
        }
    }
    out << "</qresource>\n</RCC>\n";
    for (int size : {48, 128, 256}) {
        QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
        icon.fill(Qt::transparent);
        QPainter painter(&icon);
        painter.setRenderHint(QPainter::Antialiasing);
        PaintAppIcon(painter, size);
        painter.end();
        if (!Save(icon, folder.filePath(QStringLiteral("fretquill-%1.png").arg(size)))) {
            return 1;
        }
    }
    // The list goes last: the build treats it as the sign that every picture is there.
    QSaveFile list(folder.filePath("artwork.qrc"));
    if (!list.open(QIODevice::WriteOnly) || list.write(qrc.toUtf8()) < 0 || !list.commit()) {
        std::fprintf(stderr, "make_artwork: cannot write artwork.qrc\n");
        return 1;
    }
    std::printf("make_artwork: %zu pictures at 1x, 2x and 3x in %lld ms\n", Pictures().size(),
                static_cast<long long>(timer.elapsed()));
    return 0;
}
