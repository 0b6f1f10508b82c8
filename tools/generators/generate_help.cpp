// Writes the generated part of the help book into the folder given on the command line:
// the page "holes.html" and the 36 hole pictures it shows.
#include <QImage>
#include <fstream>
#include <iostream>

#include "course/catalogue.h"
#include "tools/generators/hole_pictures_page.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: quelvane-generate-help FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    const Course course = BuildCourse();
    Solid solid;
    Scene scene;
    for (int number = 1; number <= kHoleCount; ++number) {
        const std::string path = folder + "/" + HolePictureName(number);
        if (!HolePicture(course, number, solid, scene).save(QString::fromStdString(path), "PNG")) {
            std::cerr << "cannot write " << path << "\n";
            return 1;
        }
    }
    const std::string page = folder + "/holes.html";
    std::ofstream out(page, std::ios::binary);
    out << HolesPageHtml(course);
    if (!out.flush()) {
        std::cerr << "cannot write " << page << "\n";
        return 1;
    }
    return 0;
}
