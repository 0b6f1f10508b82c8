#include "render/game_pictures.h"

#include <QPixmap>
#include <QString>
#include <stdexcept>
#include <string>

#include "render/picture_names.h"

// The resources live in a static library; naming them once keeps them in the program.
// Outside the unnamed namespace, where the resource's initialiser is declared.
static void LoadPictureResources() {
    static const bool loaded = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    (void)loaded;
}

namespace {
QString ResourcePath(std::string_view name) {
    return QStringLiteral(":/pictures/%1.png")
        .arg(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}
}  // namespace

QImage GamePicture(std::string_view name) {
    if (FindPictureEntry(name) == nullptr)
        throw std::invalid_argument("the game has no picture named \"" + std::string(name) + "\"");
    LoadPictureResources();
    QImage picture(ResourcePath(name));
    if (picture.isNull())
        throw std::runtime_error("the picture \"" + std::string(name) + "\" is not in the program");
    return picture;
}

QImage GamePictureRgb32(std::string_view name) {
    return GamePicture(name).convertToFormat(QImage::Format_RGB32);
}

QIcon MenuIconPicture(std::string_view name) {
    const std::string base = "menu_" + std::string(name);
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(GamePicture(base)));
    icon.addPixmap(QPixmap::fromImage(GamePicture(base + "@2x")));
    return icon;
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (int size : kApplicationIconSizes)
        icon.addPixmap(QPixmap::fromImage(GamePicture("app_icon_" + std::to_string(size))));
    return icon;
}
