#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <sstream>

#include "course/catalogue.h"
#include "render/picture_names.h"
#include "tools/commands.h"

TEST(ArtCommand, DrawsEveryPictureOnOneSheet) {
    QTemporaryDir dir;
    const std::string file = dir.filePath("art.png").toStdString();
    const Course course = BuildCourse();
    Game game{course};
    std::ostringstream out;
    EXPECT_EQ(ArtCommand(game, {"--out", file}, out), 0);
    EXPECT_EQ(out.str(), "{\"out\":\"" + file +
                             "\",\"pictures\":" + std::to_string(kGamePictures.size()) + "}\n");
    const QImage sheet(QString::fromStdString(file));
    ASSERT_FALSE(sheet.isNull());
    // The splash is shown at its own size and doubled, side by side.
    EXPECT_GE(sheet.width(), 3 * 420);
    EXPECT_GE(sheet.height(), 3 * 210);
}
