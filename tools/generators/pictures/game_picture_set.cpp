#include "tools/generators/pictures/game_picture_set.h"

#include <QBuffer>
#include <stdexcept>

#include "tools/generators/pictures/app_icon_art.h"
#include "tools/generators/pictures/course_dialog_art.h"
#include "tools/generators/pictures/credits_art.h"
#include "tools/generators/pictures/hills_art.h"
#include "tools/generators/pictures/menu_icon_art.h"
#include "tools/generators/pictures/small_art.h"
#include "tools/generators/pictures/splash_art.h"
#include "tools/generators/pictures/sprite_art.h"
#include "tools/generators/pictures/title_art.h"

namespace {
bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

int NumberAfter(std::string_view text, std::string_view prefix) {
    return std::stoi(std::string(text.substr(prefix.size())));
}

// The drawing of a picture by its name, before it is brought to the depth of its kind.
QImage Draw(std::string_view name) {
    if (name == "gras") return DrawGrassTile();
    if (name == "balls") return DrawBallSheet();
    if (name == "ballmask") return DrawBallMask();
    if (name == "sball") return DrawSplashBall();
    if (name == "sballmask") return DrawSplashBallMask();
    if (name == "splash") return DrawSplashScene();
    if (name == "title") return DrawTitleBanner(310, 50);
    if (name == "credits") return DrawCredits();
    if (name == "hills") return DrawHills();
    if (name == "globe") return DrawGlobe();
    if (name == "course_green") return DrawCourseGreen();
    if (name == "course_flag") return DrawCourseFlag();
    if (StartsWith(name, "flag")) return DrawPlayerFlag(NumberAfter(name, "flag"));
    if (StartsWith(name, "holes")) return DrawHoleCount(NumberAfter(name, "holes"));
    if (StartsWith(name, "app_icon_")) return DrawApplicationIcon(NumberAfter(name, "app_icon_"));
    if (StartsWith(name, "menu_")) {
        std::string_view icon = name.substr(5);
        const bool doubled = icon.ends_with("@2x");
        if (doubled) icon.remove_suffix(3);
        return DrawMenuIcon(icon, doubled ? 2 : 1);
    }
    throw std::invalid_argument("no drawing for the picture " + std::string(name));
}

// Palette and one-bit pictures are drawn in their depth already; the others are brought to
// plain 32 bits, with alpha (not premultiplied) where the picture is transparent.
QImage InDepth(const QImage& image, PictureKind kind) {
    switch (kind) {
        case PictureKind::Palette256:
        case PictureKind::Palette16:
        case PictureKind::OneBit:
            return image;
        case PictureKind::Opaque:
            return image.convertToFormat(QImage::Format_RGB32);
        case PictureKind::Transparent:
            return image.convertToFormat(QImage::Format_ARGB32);
    }
    return image;
}
}  // namespace

QImage DrawGamePicture(std::string_view name) {
    const PictureEntry* entry = FindPictureEntry(name);
    if (entry == nullptr) throw std::invalid_argument("no picture named " + std::string(name));
    return InDepth(Draw(name), entry->kind);
}

std::vector<DrawnPicture> DrawGamePictures() {
    std::vector<DrawnPicture> pictures;
    for (const PictureEntry& entry : kGamePictures)
        pictures.push_back({std::string(entry.name), DrawGamePicture(entry.name)});
    return pictures;
}

bool MatchesEntry(const QImage& image, const PictureEntry& entry, std::string& problem) {
    if (image.width() != entry.width || image.height() != entry.height) {
        problem = "is " + std::to_string(image.width()) + " x " + std::to_string(image.height()) +
                  ", not " + std::to_string(entry.width) + " x " + std::to_string(entry.height);
        return false;
    }
    bool depthOk = false;
    switch (entry.kind) {
        case PictureKind::Palette256:
            depthOk = image.format() == QImage::Format_Indexed8 && image.colorCount() > 16;
            break;
        case PictureKind::Palette16:
            depthOk = image.format() == QImage::Format_Indexed8 && image.colorCount() <= 16;
            break;
        case PictureKind::OneBit:
            depthOk =
                image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB;
            break;
        case PictureKind::Opaque:
            depthOk = !image.hasAlphaChannel() && image.depth() == 32;
            break;
        case PictureKind::Transparent:
            depthOk = image.hasAlphaChannel() && image.depth() == 32;
            break;
    }
    if (!depthOk) problem = "has the wrong depth (" + std::to_string(image.depth()) + " bits)";
    return depthOk;
}

QByteArray PngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}
