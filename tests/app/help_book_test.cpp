#include "app/help_book.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QSet>
#include <QTextDocument>

#include "course/catalogue.h"

namespace {
// Where a link of the book leads: a file of the book and, maybe, an anchor on it.
struct Target {
    QString file, anchor;
};
Target Split(const QString& target) {
    const qsizetype hash = target.indexOf('#');
    return hash < 0 ? Target{target, {}} : Target{target.left(hash), target.mid(hash + 1)};
}
// Empty when `target` is a page of the book with that anchor; otherwise what is wrong.
QString Unresolved(const QString& target) {
    const auto [file, anchor] = Split(target);
    const QString html = HelpFileText(file);
    if (!file.endsWith(".html") || html.isEmpty()) return "no page " + file;
    if (!anchor.isEmpty() && !HelpAnchors(html).contains(anchor)) return "no anchor " + anchor;
    return {};
}

TEST(HelpBook, HasEveryChapterAndEveryLinkAndPictureResolves) {
    const QStringList pages = HelpPages();
    for (const char* page : {"contents.html", "playing.html", "rules.html", "menus.html",
                             "players_dialog.html", "course_dialog.html", "scoreboard.html",
                             "hole_of_fame.html", "score_code.html", "holes.html"})
        EXPECT_TRUE(pages.contains(page)) << page;
    for (const QString& page : pages) {
        const QString html = HelpFileText(page);
        for (const HelpLink& link : HelpLinks(html)) {
            EXPECT_EQ(Unresolved(link.target), "")
                << page.toStdString() << " -> " << link.target.toStdString();
        }
        for (const QString& image : HelpImages(html))
            EXPECT_FALSE(QImage(":/help/" + image).isNull())
                << page.toStdString() << " shows " << image.toStdString();
    }
}

TEST(HelpBook, EveryPageIsReachableFromTheContents) {
    QSet<QString> reached{kHelpContentsPage};
    QStringList toVisit{kHelpContentsPage};
    while (!toVisit.isEmpty()) {
        const QString page = toVisit.takeFirst();
        for (const HelpLink& link : HelpLinks(HelpFileText(page))) {
            const QString file = Split(link.target).file;
            if (!reached.contains(file)) {
                reached.insert(file);
                toVisit << file;
            }
        }
    }
    for (const QString& page : HelpPages())
        EXPECT_TRUE(reached.contains(page)) << page.toStdString();
}

TEST(HelpBook, EveryKeywordOfTheIndexLeadsToAPage) {
    const std::vector<HelpKeyword> keywords = HelpKeywords();
    ASSERT_GT(keywords.size(), 30u);
    for (const HelpKeyword& keyword : keywords)
        EXPECT_EQ(Unresolved(keyword.target), "") << keyword.keyword.toStdString();
}

TEST(HelpBook, HolesPageShowsEveryHoleWithNameParAndItsPicture) {
    const Course course = BuildCourse();
    const QString html = HelpFileText("holes.html");
    QTextDocument document;
    document.setHtml(html);
    const QString text = document.toPlainText();
    const QStringList images = HelpImages(html);
    ASSERT_EQ(images.size(), 36);
    for (int number = 1; number <= 36; ++number) {
        const Hole& hole = course[number];
        const QString caption = QString("%1. %2\nPar %3")
                                    .arg(number)
                                    .arg(QString::fromStdString(hole.name))
                                    .arg(hole.par);
        EXPECT_TRUE(text.contains(caption)) << caption.toStdString();
        const QImage picture(":/help/" + images[number - 1]);
        EXPECT_EQ(picture.size(), QSize(180, 115)) << number;
    }
}

TEST(HelpBook, LinksAnchorsAndPicturesAreReadFromTheHtml) {
    const QString html =
        "<p><a name=\"top\"></a>See <a href=\"rules.html#par\">the <b>par</b></a> and "
        "<a href=\"holes.html\">holes</a> <img src=\"hole1.png\"></p>";
    const std::vector<HelpLink> links = HelpLinks(html);
    ASSERT_EQ(links.size(), 2u);
    EXPECT_EQ(links[0].target, "rules.html#par");
    EXPECT_EQ(links[0].text, "the par");
    EXPECT_EQ(links[1].target, "holes.html");
    EXPECT_EQ(HelpAnchors(html), QStringList{"top"});
    EXPECT_EQ(HelpImages(html), QStringList{"hole1.png"});
}
}  // namespace
