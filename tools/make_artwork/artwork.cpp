#include "artwork.h"

#include "icons.h"
#include "neck.h"
#include "panels.h"
#include "view/neck_geometry.h"

namespace {

const QColor kOverlayBlue(40, 110, 255);
const QColor kOverlayGreen(40, 200, 70);
const QColor kBarBlue(40, 100, 240);
const QColor kBarRed(230, 40, 40);

CPictureSpec Numbered(int id, int width, int height, bool opaque, const char* use,
                      std::function<void(QPainter&)> paint) {
    return {QString::number(id), width, height, opaque, QString::fromUtf8(use), std::move(paint)};
}

CPictureSpec Named(const char* name, int width, int height, const char* use,
                   std::function<void(QPainter&)> paint) {
    return {QString::fromLatin1(name), width,           height, false,
            QString::fromUtf8(use),    std::move(paint)};
}

std::vector<CPictureSpec> MakeCatalogue() {
    std::vector<CPictureSpec> list;
    // The neck.
    list.push_back(Numbered(kPictureNeckLabels, kSpriteSheetWidth, kSpriteSheetHeight, true,
                            "note-name labels and the O and X icons; black is transparent",
                            PaintLabelSheet));
    list.push_back(Numbered(kPictureFretboardRight, kNeckWidth, kNeckHeight, true,
                            "fretboard, right-handed",
                            [](QPainter& p) { PaintFretboard(p, Hand::Right); }));
    list.push_back(Numbered(kPictureHeaderRight, kNeckWidth, kHeaderRows * kHeaderRowHeight, true,
                            "tuning header strip, right-handed: a row of string names per tuning",
                            [](QPainter& p) { PaintHeaderStrip(p, Hand::Right); }));
    list.push_back(Numbered(kPictureHeaderLeft, kNeckWidth, kHeaderRows * kHeaderRowHeight, true,
                            "tuning header strip, left-handed",
                            [](QPainter& p) { PaintHeaderStrip(p, Hand::Left); }));
    list.push_back(Numbered(kPictureFretboardLeft, kNeckWidth, kNeckHeight, true,
                            "fretboard, left-handed",
                            [](QPainter& p) { PaintFretboard(p, Hand::Left); }));
    list.push_back(Numbered(kPictureOpenBar, 6, 100, true, "blue bar: colours an open string",
                            [](QPainter& p) { PaintStringBar(p, kBarBlue); }));
    list.push_back(Numbered(kPictureMutedBar, 6, 100, true, "red bar: colours a muted string",
                            [](QPainter& p) { PaintStringBar(p, kBarRed); }));
    list.push_back(Numbered(kPictureNoteOverlay, kIconWidth, kLabelHeight, false,
                            "blue oval over a fretted note",
                            [](QPainter& p) { PaintNoteOverlay(p, kOverlayBlue); }));
    list.push_back(Numbered(kPictureIconOverlay, kIconWidth, kIconHeight, false,
                            "blue ring over an open-string icon",
                            [](QPainter& p) { PaintIconOverlay(p, kOverlayBlue); }));
    list.push_back(Numbered(kPictureNoteOverlayGreen, kIconWidth, kLabelHeight, false,
                            "green oval (spare)",
                            [](QPainter& p) { PaintNoteOverlay(p, kOverlayGreen); }));
    list.push_back(Numbered(kPictureIconOverlayGreen, kIconWidth, kIconHeight, false,
                            "green ring (spare)",
                            [](QPainter& p) { PaintIconOverlay(p, kOverlayGreen); }));
    // Start-up and About.
    list.push_back(Numbered(176, kSplashWidth, kSplashHeight, true,
                            "splash and About backdrop with its black text panel", PaintSplash));
    list.push_back(Numbered(198, kProgressFrameWidth, kProgressFrameHeight, true,
                            "progress bar frame; its top-left colour is transparent",
                            PaintProgressFrame));
    list.push_back(Numbered(199, kProgressBarWidth, kProgressBarHeight, true,
                            "progress bar, filled part", PaintProgressFill));
    list.push_back(Numbered(200, kProgressBarWidth, kProgressBarHeight, true,
                            "progress bar, empty part", PaintProgressEmpty));
    // Dialog decorations.
    list.push_back(Numbered(161, 240, 50, true, "Organize Favorites banner", PaintBanner));
    list.push_back(
        Numbered(195, 15, 15, false, "beat lamp, dark", [](QPainter& p) { PaintLamp(p, false); }));
    list.push_back(
        Numbered(196, 15, 15, false, "beat lamp, lit", [](QPainter& p) { PaintLamp(p, true); }));
    list.push_back(Numbered(197, 48, 48, false, "Tip of the day picture",
                            [](QPainter& p) { PaintTipPicture(p, 48); }));
    // 16 x 16 list icons.
    list.push_back(
        Numbered(157, 16, 16, false, "folder (tree)", [](QPainter& p) { PaintFolder(p, false); }));
    list.push_back(Numbered(158, 16, 16, false, "open folder (tree, selected)",
                            [](QPainter& p) { PaintFolder(p, true); }));
    list.push_back(Numbered(167, 16, 16, false, "favorite (tree row)", PaintFavorite));
    list.push_back(Numbered(184, 16, 16, false, "device root (folder tree)",
                            [](QPainter& p) { PaintDevice(p, false); }));
    list.push_back(Numbered(185, 16, 16, false, "device root, selected",
                            [](QPainter& p) { PaintDevice(p, true); }));
    list.push_back(Numbered(191, 16, 16, false, "pick pattern row", PaintPatternRow));
    list.push_back(
        Numbered(224, 16, 16, false, "progression file row (import list)", PaintProgressionFile));
    list.push_back(Named("sound_pack", 16, 16, "sound pack row",
                         [](QPainter& p) { PaintSoundPack(p, false); }));
    list.push_back(Named("sound_pack_loaded", 16, 16, "the loaded sound pack's row",
                         [](QPainter& p) { PaintSoundPack(p, true); }));
    // Tool bar buttons.
    list.push_back(Named("play", 16, 16, "Play (main tool bar, manager, editor)", PaintPlay));
    list.push_back(Named("stop", 16, 16, "Stop (main tool bar, manager, editor)", PaintStop));
    list.push_back(Named("new", 16, 16, "New progression", PaintNew));
    list.push_back(Named("edit", 16, 16, "Edit (favorites, progressions)", PaintEdit));
    list.push_back(Named("delete", 16, 16, "Delete (favorites, progressions)", PaintDelete));
    list.push_back(Named("export", 16, 16, "Export progression", PaintExport));
    list.push_back(Named("import", 16, 16, "Import progression", PaintImport));
    list.push_back(
        Named("add_from_favorite", 16, 16, "Add pattern from a favorite", PaintAddFromFavorite));
    list.push_back(Named("edit_pattern", 16, 16, "Edit pattern", PaintEditPattern));
    list.push_back(Named("delete_pattern", 16, 16, "Delete pattern", PaintDeletePattern));
    list.push_back(Named("move_down", 16, 16, "Move pattern down", PaintMoveDown));
    list.push_back(Named("move_up", 16, 16, "Move pattern up", PaintMoveUp));
    // The program's icon (window icon; the install target takes the square PNGs).
    list.push_back(
        Named("fretquill", 64, 64, "the program's icon", [](QPainter& p) { PaintAppIcon(p, 64); }));
    return list;
}

}  // namespace

const std::vector<CPictureSpec>& Pictures() {
    static const std::vector<CPictureSpec> catalogue = MakeCatalogue();
    return catalogue;
}

QImage RenderPicture(const CPictureSpec& spec, int scale) {
    QImage image(spec.width * scale, spec.height * scale,
                 spec.opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(spec.opaque ? Qt::black : Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(scale, scale);
    spec.paint(painter);
    painter.end();
    return image;
}
