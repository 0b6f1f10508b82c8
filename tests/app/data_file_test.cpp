#include "app/data_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {
/// A package-like tree: usr/bin for the program, usr/share/quelvane for its data.
class DataFileTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root_.isValid());
        ASSERT_TRUE(QDir(root_.path()).mkpath("usr/bin"));
        ASSERT_TRUE(QDir(root_.path()).mkpath("usr/share/quelvane"));
    }
    QString Path(const QString& relative) const { return root_.filePath(relative); }
    void Touch(const QString& relative) const {
        QFile file(Path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QString Find(const QString& name) const { return FindDataFile(Path("usr/bin"), name); }

private:
    QTemporaryDir root_;
};

TEST_F(DataFileTest, TheFileBesideTheProgramComesFirstThenTheInstalledDataFolder) {
    Touch("usr/share/quelvane/quelvane.mid");
    EXPECT_EQ(Find("quelvane.mid"), Path("usr/share/quelvane/quelvane.mid"));
    Touch("usr/bin/quelvane.mid");
    EXPECT_EQ(Find("quelvane.mid"), Path("usr/bin/quelvane.mid"));
}

TEST_F(DataFileTest, AMissingFileIsLookedForBesideTheProgramAndAnAbsoluteNameIsKept) {
    EXPECT_EQ(Find("quelvane.mid"), Path("usr/bin/quelvane.mid"));
    EXPECT_EQ(Find("/elsewhere/tune.mid"), "/elsewhere/tune.mid");
}
}  // namespace
