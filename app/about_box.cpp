#include "app/about_box.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <string>

#include "render/game_pictures.h"
#include "web_addresses.h"

namespace {
constexpr int kClientSize = 256;
constexpr int kSmallestPixelSize = 7;

// The address as a reader says it: the host, without the scheme and a leading "www.".
QString ShortAddress(const char* url) {
    QString host = QUrl(QString(url)).host();
    if (host.startsWith("www.")) host.remove(0, 4);
    return host.isEmpty() ? QString(url) : host;
}

// The label's box is small: its font shrinks until the text fits, down to a size still
// readable, and what then still does not fit is cut off with an ellipsis.
void FitTextIntoBox(QLabel& label, const QString& text) {
    QFont font = label.font();
    font.setPixelSize(QFontInfo(font).pixelSize());
    while (font.pixelSize() > kSmallestPixelSize &&
           (QFontMetrics(font).horizontalAdvance(text) > label.width() ||
            QFontMetrics(font).height() > label.height()))
        font.setPixelSize(font.pixelSize() - 1);
    label.setFont(font);
    label.setText(QFontMetrics(font).elidedText(text, Qt::ElideRight, label.width()));
}
}  // namespace

TForm2::TForm2(Prompt& prompt, UrlOpener& urls, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      prompt_(prompt),
      urls_(urls) {
    setWindowTitle("About Quelvane");
    Image1 = new QLabel(this);
    Image1->setPixmap(QPixmap::fromImage(GamePicture("credits")));
    Image1->setGeometry(0, 0, kClientSize, kClientSize);

    Label1 = new QLabel(this);
    Label1->setAutoFillBackground(true);
    QPalette colours = Label1->palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, Qt::blue);
    Label1->setPalette(colours);
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->setToolTip(QString(kHomePageUrl));
    Label1->installEventFilter(this);

    Button1 = new QPushButton("&OK", this);
    Button1->setDefault(true);
    Button1->setAutoDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    FormCreate();
}

void TForm2::FormCreate() {
    setFixedSize(kClientSize, kClientSize);
    Button1->setGeometry(90, 224, 75, 25);
    Label1->setGeometry(8, 232, 67, 13);
    FitTextIntoBox(*Label1, ShortAddress(kHomePageUrl));
}

void TForm2::Button1Click() {
    close();
}

void TForm2::Label1Click() {
    const std::string home = kHomePageUrl;
    const Prompt::Answer answer =
        prompt_.Ask("You will be connected to " + home, "Connecting to Internet!",
                    Prompt::Buttons::OkCancel, Prompt::Icon::Information, Prompt::Answer::Ok);
    // No browser or no network is not the game's business: a failing open is ignored.
    if (answer == Prompt::Answer::Ok) urls_.Open(home + "index.htm");
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label1 && event->type() == QEvent::MouseButtonRelease) {
        Label1Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
