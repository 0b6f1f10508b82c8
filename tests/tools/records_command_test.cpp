#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <sstream>

#include "course/catalogue.h"
#include "tools/commands.h"
#include "tools/tool_args.h"

namespace {
class RecordsCommandTest : public ::testing::Test {
protected:
    std::string StoreFile() const { return (dir_.path() + "/Quelvane.conf").toStdString(); }
    QJsonObject Run(const std::vector<std::string>& options) {
        Game game{course_};
        InitCourse(game);
        std::ostringstream out;
        EXPECT_EQ(RecordsCommand(game, options, out), 0);
        return QJsonDocument::fromJson(QByteArray::fromStdString(out.str())).object();
    }
    QJsonObject Enter(const std::string& name, const std::string& holes) {
        return Run({"enter", "--store", StoreFile(), "--name", name, "--holes", holes});
    }
    static QJsonObject List(const QJsonObject& store, const QString& title) {
        for (const QJsonValue list : store["lists"].toArray())
            if (list["list"] == title) return list.toObject();
        return {};
    }
    static QJsonObject Place(const QJsonObject& store, const QString& title, int place) {
        return List(store, title)["places"].toArray()[place - 1].toObject();
    }

    const Course course_ = BuildCourse();
    QTemporaryDir dir_;
};

TEST_F(RecordsCommandTest, ShowsAFreshStoreAsFortyEmptyLists) {
    const QJsonObject store = Enter("Ann", "1:9");  // enters no list: the store as it starts
    const QJsonObject shown = Run({"show", "--store", StoreFile()});
    EXPECT_EQ(shown, store);
    EXPECT_EQ(shown["rcs1"].toInt(), 17225000);
    EXPECT_EQ(shown["rcs2"].toInt(), 17225000);
    EXPECT_EQ(shown["checksum"].toInt(), 17225000);
    EXPECT_TRUE(shown["valid"].toBool());
    const QJsonArray lists = shown["lists"].toArray();
    ASSERT_EQ(lists.size(), 40);
    EXPECT_EQ(lists[0]["list"], "36 holes");
    EXPECT_EQ(lists[3]["list"], "6 holes");
    EXPECT_EQ(lists[4]["list"], "hole 1");
    EXPECT_EQ(lists[39]["list"], "hole 36");
    const QJsonObject empty = Place(shown, "18 holes", 10);
    EXPECT_EQ(empty["place"].toInt(), -1);
    EXPECT_EQ(empty["name"].toString(), "");
    EXPECT_EQ(empty["strokes"].toArray().size(), 18);
    EXPECT_EQ(empty["total"].toInt(), 777);
}

TEST_F(RecordsCommandTest, EnterPlaysOneTournamentOfThoseHoles) {
    Enter("Ann", "3:2");
    const QJsonObject store = Enter("Bea", "6:1,5:2,4:3,3:2,2:9,1:3");
    EXPECT_TRUE(store["valid"].toBool());
    EXPECT_EQ(Place(store, "hole 3", 1)["name"], "Ann");
    EXPECT_EQ(Place(store, "hole 3", 2)["name"], "Bea");
    EXPECT_EQ(Place(store, "hole 3", 2)["place"].toInt(), 1);
    EXPECT_EQ(Place(store, "hole 2", 1)["place"].toInt(), -1);  // 9 strokes enter no hole list
    const QJsonObject six = Place(store, "6 holes", 1);
    EXPECT_EQ(six["name"], "Bea");
    EXPECT_EQ(six["total"].toInt(), 20);
    EXPECT_EQ(six["strokes"].toArray(), QJsonArray({3, 9, 2, 3, 2, 1}));
    EXPECT_EQ(Place(store, "12 holes", 1)["place"].toInt(), -1);
    EXPECT_EQ(Run({"show", "--store", StoreFile()}), store);
}

TEST_F(RecordsCommandTest, RefusesBadArguments) {
    const std::string file = StoreFile();
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"list"},
        {"show", "--hole", "3"},
        {"enter", "--name", "Ann", "--holes", "1:2"},
        {"enter", "--store", file, "--holes", "1:2"},
        {"enter", "--store", file, "--name", "", "--holes", "1:2"},
        {"enter", "--store", file, "--name", "\xff\xfe", "--holes", "1:2"},
        {"enter", "--store", file, "--name", "Ann", "--holes", "37:2"},
        {"enter", "--store", file, "--name", "Ann", "--holes", "1:8"},
        {"enter", "--store", file, "--name", "Ann", "--holes", "1:0"},
        {"enter", "--store", file, "--name", "Ann", "--holes", "1:2,1:3"},
        {"enter", "--store", file, "--name", "Ann", "--holes", "1-2"},
        {"enter", "--store", file, "--name", "Ann", "--holes", "1:2,"},
    };
    for (const auto& options : bad) {
        Game game{course_};
        std::ostringstream out;
        EXPECT_THROW(RecordsCommand(game, options, out), UsageError)
            << testing::PrintToString(options);
        EXPECT_EQ(out.str(), "");
    }
    EXPECT_FALSE(QFile::exists(QString::fromStdString(file)));
}

TEST_F(RecordsCommandTest, DamagedStoreIsLeftAsItIs) {
    Enter("Ann", "3:2");
    QFile file(QString::fromStdString(StoreFile()));
    ASSERT_TRUE(file.open(QFile::ReadOnly));
    const QByteArray damaged = file.readAll().replace("hs_3_1=2", "hs_3_1=1");
    file.close();
    ASSERT_TRUE(file.open(QFile::WriteOnly | QFile::Truncate));
    file.write(damaged);
    file.close();

    const QJsonObject shown = Run({"show", "--store", StoreFile()});
    EXPECT_FALSE(shown["valid"].toBool());
    EXPECT_NE(shown["checksum"].toInt(), shown["rcs1"].toInt());
    Game game{course_};
    std::ostringstream out;
    EXPECT_THROW(
        RecordsCommand(game, {"enter", "--store", StoreFile(), "--name", "Bo", "--holes", "3:1"},
                       out),
        std::runtime_error);
    ASSERT_TRUE(file.open(QFile::ReadOnly));
    EXPECT_EQ(file.readAll(), damaged);
}
}  // namespace
