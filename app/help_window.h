#pragma once

#include <QPointer>
#include <QWidget>

#include "play/platform.h"

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;
class QTextBrowser;
class QToolButton;

/// The help viewer: a window of its own beside the game, never modal, showing the help
/// book with a Back button, the chapters on a Contents tab and the keyword index, with a
/// filter field, on an Index tab. The first time it opens it is centred over the main
/// window; after that it stays where the user left it.
class HelpWindow : public QWidget, public HelpViewer {
    Q_OBJECT

public:
    HelpWindow();

    /// The window to centre over when the help first opens.
    void CentreFirstOver(QWidget& mainForm);

    /// Shows the contents page, with the chapters listed beside it.
    void ShowContents() override;
    /// Shows the index, the filter field ready for typing.
    void ShowIndex() override;

    /// Shows `target` of the book: a page's file name, maybe with "#anchor".
    void OpenPage(const QString& target);
    /// The page on show, by its file name.
    QString CurrentPage() const;
    /// The keywords the index lists now, as the filter leaves them.
    QStringList ShownKeywords() const;

    QToolButton* BackButton = nullptr;
    QTabWidget* Tabs = nullptr;
    QListWidget* ContentsList = nullptr;
    QLineEdit* IndexFilter = nullptr;
    QListWidget* IndexList = nullptr;
    QTextBrowser* Browser = nullptr;

private:
    void Present();
    void FilterIndex(const QString& text);
    void OpenFirstKeyword();
    void OpenItem(QListWidgetItem* item);

    QPointer<QWidget> mainForm_;
    bool placed_ = false;
};
