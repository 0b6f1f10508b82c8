#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <sstream>

#include "course/catalogue.h"
#include "tools/commands.h"
#include "tools/tool_args.h"

namespace {
int RunSheet(const std::vector<std::string>& options, std::string* printed = nullptr) {
    const Course course = BuildCourse();
    Game game{course};
    InitCourse(game);
    std::ostringstream out;
    const int status = SheetCommand(game, options, out);
    if (printed) *printed = out.str();
    return status;
}

// Pixels inside `area` that are neither the page's white nor the top view's paper.
int DrawnPixels(const QImage& image, const QRect& area) {
    int drawn = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (pixel != qRgb(255, 255, 255) && pixel != qRgb(235, 235, 225)) ++drawn;
        }
    return drawn;
}

TEST(SheetCommand, DrawsTheHolesInASixBySixGrid) {
    QTemporaryDir dir;
    const std::string file = dir.filePath("sheet.png").toStdString();
    std::string printed;
    EXPECT_EQ(RunSheet({"--out", file}, &printed), 0);
    EXPECT_EQ(printed, "{\"out\":\"" + file + "\"}\n");

    const QImage sheet(QString::fromStdString(file));
    ASSERT_FALSE(sheet.isNull());
    ASSERT_EQ(sheet.width() % 6, 0);
    ASSERT_EQ(sheet.height() % 6, 0);
    const int cellWidth = sheet.width() / 6, cellHeight = sheet.height() / 6;
    // Basic (row 1, column 1) and Long (row 3, column 5): the top view in the left half of
    // the cell and the game's view in the right half are both drawn.
    for (const QPoint cell : {QPoint(0, 0), QPoint(4, 2)}) {
        const QRect left(cell.x() * cellWidth, cell.y() * cellHeight + 30, cellWidth / 2,
                         cellHeight - 40);
        const QRect right = left.translated(cellWidth / 2, 0);
        EXPECT_GT(DrawnPixels(sheet, left), left.width() * left.height() / 20);
        EXPECT_GT(DrawnPixels(sheet, right), right.width() * right.height() / 2);
    }
}

TEST(SheetCommand, RefusesAMissingOrUnwritableFile) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"--out"},
        {"--out", "/no/such/dir/sheet.png"},
        {"--out", "sheet.png", "--hole", "1"},
    };
    for (const auto& options : bad) EXPECT_THROW(RunSheet(options), UsageError);
}
}  // namespace
