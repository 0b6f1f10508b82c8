#include "setup/players_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "course/catalogue.h"
#include "tests/setup/recording_prompt.h"

namespace {
QWidget* NextTabStop(QWidget* widget) {
    do widget = widget->nextInFocusChain();
    while (!(widget->focusPolicy() & Qt::TabFocus));
    return widget;
}

class PlayersDialogTest : public ::testing::Test {
protected:
    PlayersDialogTest() : dialog(game, prompt) {}

    /// Opens the dialog the way the Players command does.
    void Open() {
        dialog.PlayersAccepted = false;
        dialog.show();
    }

    /// Types `text` key by key, one character (not one UTF-16 unit) per key.
    void Type(int slot, const QString& text) {
        for (char32_t c : text.toUcs4())
            QTest::sendKeyEvent(QTest::Click, dialog.Name[slot], Qt::Key_unknown,
                                QString::fromUcs4(&c, 1), Qt::NoModifier);
    }
    /// Clicks near the left end, where a radio button has its mark.
    void Click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

    /// Accepts the names in `names` (slot 1 first) through the dialog.
    void Accept(const std::vector<QString>& names) {
        Open();
        for (int p = 1; p <= static_cast<int>(names.size()); ++p) Type(p, names[p - 1]);
        Click(dialog.Button1);
    }

    QStringList Texts() const {
        QStringList texts;
        for (int p = 1; p <= kPlayerSlots; ++p) texts << dialog.Name[p]->text();
        return texts;
    }
    std::vector<bool> LabelsEnabled() const {
        std::vector<bool> enabled;
        for (int p = 1; p <= kPlayerSlots; ++p) enabled.push_back(dialog.Label[p]->isEnabled());
        return enabled;
    }

    const Course course = BuildCourse();

    Game game{course};
    RecordingPrompt prompt;
    TForm3 dialog;
};

TEST_F(PlayersDialogTest, WindowAndRowsHaveTheirPlaces) {
    EXPECT_EQ(dialog.windowTitle(), "Players");
    EXPECT_EQ(dialog.size(), QSize(249, 305));
    EXPECT_FALSE(dialog.windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    for (int n = 1; n <= kPlayerSlots; ++n) {
        SCOPED_TRACE(n);
        const int y = 8 + 24 * (n - 1);
        EXPECT_EQ(dialog.Image[n]->geometry(), QRect(8, y, 16, 16));
        EXPECT_EQ(dialog.Label[n]->pos(), QPoint(32, y + 4));
        EXPECT_EQ(dialog.Label[n]->text(), QString("Player %1").arg(n));
        EXPECT_EQ(dialog.Name[n]->geometry(), QRect(80, y, 161, 21));
        if (n > 1) {
            EXPECT_EQ(NextTabStop(dialog.Name[n - 1]), dialog.Name[n]);
        }
    }
    EXPECT_EQ(dialog.RadioGroup1->geometry(), QRect(8, 208, 233, 49));
    EXPECT_EQ(dialog.RadioGroup1Items->checkedId(), 0);
    EXPECT_EQ(NextTabStop(dialog.Name[8]), dialog.RadioGroup1Items->button(0));
    EXPECT_EQ(NextTabStop(dialog.RadioGroup1Items->button(2)), dialog.Button1);
    EXPECT_EQ(NextTabStop(dialog.Button2), dialog.Button3);
    EXPECT_TRUE(dialog.Button1->isDefault());
    EXPECT_EQ(dialog.Button3->text(), "Clea&r");
    EXPECT_EQ(LabelsEnabled(), std::vector<bool>(8, false));
}

TEST_F(PlayersDialogTest, OkWithOnlyTheFifthNameMakesOnePlayer) {
    for (PlayerRecord& player : game.tournament.players) {
        player.strokes.fill(5);
        player.totalStrokes = 90;
    }
    Open();
    Type(5, "Eve");
    Click(dialog.RadioGroup1Items->button(2));
    EXPECT_TRUE(dialog.Label[5]->isEnabled());
    EXPECT_FALSE(dialog.Label[4]->isEnabled());
    Click(dialog.Button1);

    EXPECT_TRUE(prompt.asked.empty());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(dialog.PlayersAccepted);
    for (int p = 1; p <= kPlayerSlots; ++p) {
        SCOPED_TRACE(p);
        const PlayerRecord& player = game.tournament.players[p];
        EXPECT_EQ(player.status, p == 5 ? PlayerStatus::Playing : PlayerStatus::Absent);
        EXPECT_EQ(player.name, p == 5 ? "Eve" : "");
        EXPECT_EQ(player.totalStrokes, 0);
        EXPECT_EQ(player.strokes[1], 0);
        EXPECT_EQ(player.strokes[18], 0);
        EXPECT_EQ(player.strokes[19], 5);  // the back nine of 36 wait for the next start
        EXPECT_EQ(player.strokes[36], 5);
    }
    EXPECT_EQ(game.tournament.players[0].totalStrokes, 90);
    EXPECT_EQ(game.tournament.playerOrder, kLastFirst);
}

TEST_F(PlayersDialogTest, ANameOfBlanksIsAPlayer) {
    Accept({"", "   "});
    EXPECT_EQ(game.tournament.players[2].status, PlayerStatus::Playing);
    EXPECT_EQ(game.tournament.players[2].name, "   ");
    EXPECT_TRUE(dialog.Label[2]->isEnabled());
    EXPECT_FALSE(dialog.Label[1]->isEnabled());
}

TEST_F(PlayersDialogTest, NamesKeepAnyTextUpToSixteenCharacters) {
    struct Case {
        const char* what;
        QString typed, pasted, stored;
    };
    const Case cases[] = {
        {"17th typed character refused", "abcdefghijklmnopq", "", "abcdefghijklmnop"},
        {"long paste cut at 16", "", "0123456789abcdefXYZ", "0123456789abcdef"},
        {"paste into a full edit refused", "Zoë Åsa Ørsted-Ñ", "more", "Zoë Åsa Ørsted-Ñ"},
        {"letters outside ASCII", "Jürgen Ström", "", "Jürgen Ström"},
        {"a character cut in two is dropped", "fifteen letters", "\U0001F600", "fifteen letters"},
        {"pasted lines keep the first", "", "Ann\tLee\r\nBob", "AnnLee"},
        {"whole emoji kept", "golf ", "\U0001F3CC", "golf \U0001F3CC"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open();
        dialog.Name[1]->clear();
        Type(1, c.typed);
        if (!c.pasted.isEmpty()) {
            QApplication::clipboard()->setText(c.pasted);
            QTest::keyClick(dialog.Name[1], Qt::Key_V, Qt::ControlModifier);
        }
        EXPECT_EQ(dialog.Name[1]->text(), c.stored);
        Click(dialog.Button1);
        EXPECT_EQ(QString::fromStdString(game.tournament.players[1].name), c.stored);
    }
}

TEST_F(PlayersDialogTest, ClearThenOkWarnsAndStoresNothing) {
    Accept({"Ann", "Bob"});
    Open();
    Click(dialog.Button3);
    EXPECT_EQ(LabelsEnabled(), std::vector<bool>(8, false));
    Click(dialog.Button1);

    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "At least one player must be inserted!");
    EXPECT_EQ(prompt.asked[0].caption, "Warning");
    EXPECT_EQ(prompt.asked[0].buttons, Prompt::Buttons::Ok);
    EXPECT_EQ(prompt.asked[0].icon, Prompt::Icon::Exclamation);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.PlayersAccepted);
    EXPECT_EQ(game.tournament.players[1].name, "Ann");
    EXPECT_EQ(game.tournament.players[2].status, PlayerStatus::Playing);
}

TEST_F(PlayersDialogTest, CancelAndTheCloseBoxBringBackTheStoredValues) {
    struct Closer {
        const char* what;
        std::function<void(TForm3&)> close;
    };
    const Closer closers[] = {
        {"Cancel", [](TForm3& d) { QTest::mouseClick(d.Button2, Qt::LeftButton); }},
        {"close box", [](TForm3& d) { d.close(); }},
        {"Escape", [](TForm3& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
    };
    Open();
    Type(2, "Bob");
    Click(dialog.RadioGroup1Items->button(1));
    Click(dialog.Button1);
    for (const Closer& closer : closers) {
        SCOPED_TRACE(closer.what);
        Open();
        Type(2, "by");
        Type(7, "Zed");
        Click(dialog.Button3);  // Clear, then edits after it
        Type(3, "Cy");
        Click(dialog.RadioGroup1Items->button(2));
        closer.close(dialog);

        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(Texts(), QStringList({"", "Bob", "", "", "", "", "", ""}));
        EXPECT_EQ(LabelsEnabled(),
                  std::vector<bool>({false, true, false, false, false, false, false, false}));
        EXPECT_EQ(dialog.RadioGroup1Items->checkedId(), kPlayerRandom);
        EXPECT_EQ(game.tournament.players[3].status, PlayerStatus::Absent);
        EXPECT_EQ(game.tournament.playerOrder, kPlayerRandom);
    }
}
}  // namespace
