#include "app/help_book.h"

#include <QDir>
#include <QFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

// The book is a resource of a static library, so the program must ask for it by name.
static void InitHelpResources() {
    Q_INIT_RESOURCE(help);
}

namespace {
void LoadBook() {
    static const bool loaded = (InitHelpResources(), true);
    (void)loaded;
}

constexpr const char* kBookFolder = ":/help/";

// Calls `visit` with every fragment of text of `html`, in order.
template <typename Visit>
void ForEachFragment(const QString& html, Visit visit) {
    QTextDocument document;
    document.setHtml(html);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().isValid()) visit(it.fragment());
}
}  // namespace

QUrl HelpUrl(const QString& target) {
    return QUrl("qrc" + QString(kBookFolder) + target);
}

QStringList HelpPages() {
    LoadBook();
    return QDir(kBookFolder).entryList({"*.html"}, QDir::Files, QDir::Name);
}

QString HelpFileText(const QString& name) {
    LoadBook();
    QFile file(kBookFolder + name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

std::vector<HelpKeyword> HelpKeywords() {
    std::vector<HelpKeyword> keywords;
    for (const QString& line : HelpFileText("keywords.txt").split('\n')) {
        if (line.isEmpty() || line.startsWith('#')) continue;
        const qsizetype tab = line.indexOf('\t');
        if (tab > 0) keywords.push_back({line.left(tab), line.mid(tab + 1).trimmed()});
    }
    return keywords;
}

std::vector<HelpLink> HelpLinks(const QString& html) {
    std::vector<HelpLink> links;
    int lastEnd = -1;
    ForEachFragment(html, [&](const QTextFragment& fragment) {
        const QTextCharFormat format = fragment.charFormat();
        if (!format.isAnchor() || format.anchorHref().isEmpty()) return;
        // A link whose text changes style inside comes in several fragments side by side.
        if (!links.empty() && links.back().target == format.anchorHref() &&
            fragment.position() == lastEnd)
            links.back().text += fragment.text();
        else
            links.push_back({format.anchorHref(), fragment.text()});
        lastEnd = fragment.position() + fragment.length();
    });
    return links;
}

QStringList HelpImages(const QString& html) {
    QStringList images;
    ForEachFragment(html, [&](const QTextFragment& fragment) {
        const QTextCharFormat format = fragment.charFormat();
        if (format.isImageFormat()) images << format.toImageFormat().name();
    });
    return images;
}

QStringList HelpAnchors(const QString& html) {
    QStringList anchors;
    ForEachFragment(html, [&](const QTextFragment& fragment) {
        anchors << fragment.charFormat().anchorNames();
    });
    return anchors;
}
