#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "app/main_window.h"
#include "records/enter_result.h"
#include "records/score_code_dialog.h"
#include "tests/app/test_platform.h"
#include "web_addresses.h"

namespace {
FameResult EveryHole(int count) {
    FameResult result;
    result.series = kSeries36;
    result.name = "Ann";
    for (int k = 1; k <= kHoleCount; ++k) result.strokes[k] = count;
    result.total = 36 * count;
    return result;
}
}  // namespace

TEST(WwwHoleOfFameCommand, ShowsTheBestCodeCentredBesidePlay) {
    TestPlatform platform{1000000};
    TForm1 form{platform.Seams()};
    form.show();
    Game& game = form.GameState();
    ClearRecords(game.fame);

    // No 36-hole result yet: an empty box, and OK still opens the page.
    form.WWWHoleofFame->trigger();
    TForm8& dialog = form.Form8();
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(dialog.Edit1->text(), "");
    const QRect main = form.frameGeometry(), own = dialog.frameGeometry();
    EXPECT_EQ(own.topLeft(), QPoint(main.left() + (main.width() - own.width()) / 2,
                                    main.top() + (main.height() - own.height()) / 2));
    QTest::mouseClick(dialog.Button1, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(platform.urls.opened, std::vector<std::string>{kScoreListUrl});

    // The code is made again at every opening, from the lists as they are then.
    EnterResult(game.fame, EveryHole(3));
    form.WWWHoleofFame->trigger();
    const QString first = dialog.Edit1->text();
    EXPECT_EQ(first.size(), 44);
    EnterResult(game.fame, EveryHole(2));
    form.WWWHoleofFame->trigger();
    EXPECT_EQ(dialog.Edit1->text(), "07674746414181838585252527298969626363830307");
    EXPECT_EQ(dialog.Edit1->selectedText(), dialog.Edit1->text());
}
