#include "tools/generators/hole_pictures_page.h"

#include "render/scene_painter.h"

namespace {
// The window's 630 x 404 scaled down, keeping its shape, so that two pictures side by side
// fit the help window's page without scrolling sideways.
constexpr int kPictureWidth = 180;
constexpr int kPictureHeight = 404 * kPictureWidth / 630;

std::string EscapedHtml(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}
}  // namespace

std::string HolePictureName(int number) {
    return "hole" + std::to_string(number) + ".png";
}

QImage HolePicture(const Course& course, int number, Solid& solid, Scene& scene) {
    return HoleOnTeePicture(course, number, solid, scene)
        .scaled(kPictureWidth, kPictureHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

std::string HolesPageHtml(const Course& course) {
    std::string html =
        "<html><head><title>The 36 holes</title></head><body>\n"
        "<h1>The 36 holes</h1>\n"
        "<p>Every hole of the course with its par, as the game first shows it with the ball on "
        "the tee. In a tournament the view is turned before each turn, so the hole may face "
        "another way. See <a href=\"course_dialog.html\">the course dialog</a> for choosing "
        "which holes to play.</p>\n"
        "<table cellspacing=\"6\">\n";
    constexpr int kColumns = 2;
    for (int number = 1; number <= kHoleCount; ++number) {
        const Hole& hole = course[number];
        if ((number - 1) % kColumns == 0) html += "<tr>\n";
        html += "<td valign=\"top\"><a name=\"hole" + std::to_string(number) +
                "\"></a><img src=\"" + HolePictureName(number) + "\" width=\"" +
                std::to_string(kPictureWidth) + "\" height=\"" + std::to_string(kPictureHeight) +
                "\"><br><b>" + std::to_string(number) + ". " + EscapedHtml(hole.name) +
                "</b><br>Par " + std::to_string(hole.par) + "</td>\n";
        if (number % kColumns == 0 || number == kHoleCount) html += "</tr>\n";
    }
    html +=
        "</table>\n<p><a href=\"contents.html\">Contents</a></p>\n"
        "</body></html>\n";
    return html;
}
