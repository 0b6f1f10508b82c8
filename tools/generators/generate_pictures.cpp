// Draws every picture of the game into PICTURE_FOLDER as NAME.png with a pictures.qrc that
// embeds them, and the application icon into ICON_FOLDER as the icon theme lays it out
// (NxN/apps/org.dolvarn.Quelvane.png and scalable/apps/org.dolvarn.Quelvane.svg).
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <iostream>

#include "tools/generators/pictures/app_icon_art.h"
#include "tools/generators/pictures/game_picture_set.h"

namespace {
const char* const kIconFile = "org.dolvarn.Quelvane";

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::cerr << "cannot write " << path.toStdString() << "\n";
        return false;
    }
    return true;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: quelvane-generate-pictures PICTURE_FOLDER ICON_FOLDER\n";
        return 2;
    }
    // Text needs a GUI application for its fonts, but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QString pictureFolder = QString::fromLocal8Bit(argv[1]);
    const QString iconFolder = QString::fromLocal8Bit(argv[2]);

    QByteArray qrc = "<RCC>\n  <qresource prefix=\"/pictures\">\n";
    for (const DrawnPicture& picture : DrawGamePictures()) {
        std::string problem;
        if (!MatchesEntry(picture.image, *FindPictureEntry(picture.name), problem)) {
            std::cerr << "the picture " << picture.name << " " << problem << "\n";
            return 1;
        }
        const QString file = QString::fromStdString(picture.name) + ".png";
        if (!WriteFile(pictureFolder + "/" + file, PngBytes(picture.image))) return 1;
        qrc += "    <file>" + file.toUtf8() + "</file>\n";
    }
    qrc += "  </qresource>\n</RCC>\n";

    for (int size : kApplicationIconSizes) {
        const QString path =
            QString("%1/%2x%2/apps/%3.png").arg(iconFolder).arg(size).arg(kIconFile);
        if (!WriteFile(path, PngBytes(DrawApplicationIcon(size)))) return 1;
    }
    const QString svg = QString("%1/scalable/apps/%2.svg").arg(iconFolder, kIconFile);
    if (!WriteFile(svg, QByteArray::fromStdString(ApplicationIconSvg()))) return 1;
    // The list of resources comes last: the build takes it as the sign that all is written.
    return WriteFile(pictureFolder + "/pictures.qrc", qrc) ? 0 : 1;
}
