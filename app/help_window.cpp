#include "app/help_window.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/center_on_main_form.h"
#include "app/help_book.h"

namespace {
constexpr int kTargetRole = Qt::UserRole;

void AddItem(QListWidget& list, const QString& text, const QString& target) {
    auto* item = new QListWidgetItem(text, &list);
    item->setData(kTargetRole, target);
}
}  // namespace

HelpWindow::HelpWindow() : QWidget(nullptr, Qt::Window) {
    setWindowTitle("Quelvane Help");
    // Closing the game's main window ends the program, even with the help still open.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(600, 440);

    BackButton = new QToolButton(this);
    BackButton->setText("&Back");
    BackButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    BackButton->setEnabled(false);

    ContentsList = new QListWidget;
    for (const HelpLink& chapter : HelpLinks(HelpFileText(kHelpContentsPage)))
        AddItem(*ContentsList, chapter.text, chapter.target);

    IndexFilter = new QLineEdit;
    IndexFilter->setPlaceholderText("Type a word to find");
    IndexFilter->setClearButtonEnabled(true);
    IndexList = new QListWidget;
    for (const HelpKeyword& keyword : HelpKeywords())
        AddItem(*IndexList, keyword.keyword, keyword.target);
    auto* index = new QWidget;
    auto* indexLayout = new QVBoxLayout(index);
    indexLayout->setContentsMargins(4, 4, 4, 4);
    indexLayout->addWidget(IndexFilter);
    indexLayout->addWidget(IndexList);

    Tabs = new QTabWidget;
    Tabs->addTab(ContentsList, "&Contents");
    Tabs->addTab(index, "&Index");

    Browser = new QTextBrowser;
    Browser->setOpenLinks(true);
    Browser->setOpenExternalLinks(false);

    auto* splitter = new QSplitter;
    splitter->addWidget(Tabs);
    splitter->addWidget(Browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({170, 430});

    auto* bar = new QHBoxLayout;
    bar->addWidget(BackButton);
    bar->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(bar);
    layout->addWidget(splitter);

    connect(BackButton, &QToolButton::clicked, Browser, &QTextBrowser::backward);
    connect(Browser, &QTextBrowser::backwardAvailable, BackButton, &QToolButton::setEnabled);
    connect(ContentsList, &QListWidget::itemClicked, this, &HelpWindow::OpenItem);
    connect(ContentsList, &QListWidget::itemActivated, this, &HelpWindow::OpenItem);
    connect(IndexList, &QListWidget::itemClicked, this, &HelpWindow::OpenItem);
    connect(IndexList, &QListWidget::itemActivated, this, &HelpWindow::OpenItem);
    connect(IndexFilter, &QLineEdit::textChanged, this, &HelpWindow::FilterIndex);
    connect(IndexFilter, &QLineEdit::returnPressed, this, &HelpWindow::OpenFirstKeyword);
    auto* back = new QShortcut(QKeySequence::Back, this);
    connect(back, &QShortcut::activated, Browser, &QTextBrowser::backward);
    auto* contents = new QShortcut(Qt::Key_F1, this);
    connect(contents, &QShortcut::activated, this, &HelpWindow::ShowContents);
}

void HelpWindow::CentreFirstOver(QWidget& mainForm) {
    mainForm_ = &mainForm;
}

void HelpWindow::ShowContents() {
    Tabs->setCurrentIndex(0);
    OpenPage(kHelpContentsPage);
    Present();
}

void HelpWindow::ShowIndex() {
    Tabs->setCurrentIndex(1);
    if (Browser->source().isEmpty()) OpenPage(kHelpContentsPage);
    Present();
    IndexFilter->setFocus();
    IndexFilter->selectAll();
}

void HelpWindow::OpenPage(const QString& target) {
    Browser->setSource(HelpUrl(target));
}

QString HelpWindow::CurrentPage() const {
    return Browser->source().fileName();
}

QStringList HelpWindow::ShownKeywords() const {
    QStringList shown;
    for (int row = 0; row < IndexList->count(); ++row)
        if (!IndexList->item(row)->isHidden()) shown << IndexList->item(row)->text();
    return shown;
}

void HelpWindow::Present() {
    if (!placed_ && mainForm_) {
        CenterOnMainForm(*this, *mainForm_);
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}

void HelpWindow::FilterIndex(const QString& text) {
    const QString wanted = text.trimmed();
    for (int row = 0; row < IndexList->count(); ++row) {
        QListWidgetItem* item = IndexList->item(row);
        item->setHidden(!item->text().contains(wanted, Qt::CaseInsensitive));
    }
}

void HelpWindow::OpenFirstKeyword() {
    for (int row = 0; row < IndexList->count(); ++row)
        if (!IndexList->item(row)->isHidden()) {
            OpenItem(IndexList->item(row));
            return;
        }
}

void HelpWindow::OpenItem(QListWidgetItem* item) {
    if (item) OpenPage(item->data(kTargetRole).toString());
}
