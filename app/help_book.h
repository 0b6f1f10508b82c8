#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <vector>

// The game's help book: HTML pages, the pictures they show and a keyword index, embedded
// in the program under ":/help/".

/// The page the book opens with.
inline constexpr const char* kHelpContentsPage = "contents.html";

/// One entry of the index: a keyword and the page, with an anchor or not, it leads to.
struct HelpKeyword {
    QString keyword;
    QString target;
};

/// A link on a page: where it leads ("rules.html#par") and the text that shows it.
struct HelpLink {
    QString target;
    QString text;
};

/// The address of `target` in the book: a page's file name, maybe with "#anchor".
QUrl HelpUrl(const QString& target);
/// The file names of the book's pages, in alphabetical order.
QStringList HelpPages();
/// The text of the book's file `name`; empty when the book has no such file.
QString HelpFileText(const QString& name);
/// The index as the book lists it.
std::vector<HelpKeyword> HelpKeywords();

/// The links of a page's HTML, in their order on the page.
std::vector<HelpLink> HelpLinks(const QString& html);
/// The pictures a page's HTML shows, by their file names.
QStringList HelpImages(const QString& html);
/// The anchors (`<a name="...">`) of a page's HTML.
QStringList HelpAnchors(const QString& html);
