#include "records/score_code_dialog.h"

#include "records/close_box_only.h"
#include "records/records_pictures.h"
#include "web_addresses.h"

TForm8::TForm8(UrlOpener& urls, Prompt& prompt, QWidget* parent)
    : QDialog(parent, kCloseBoxOnly), urls_(urls), prompt_(prompt) {
    setWindowTitle("Connecting to Internet!");
    setFixedSize(425, 177);

    Image1 = new QLabel(this);
    Image1->setGeometry(8, 14, 16, 16);
    Image1->setPixmap(GlobePicture());
    Label1 = new QLabel(QString("You will be connected to ") + kScoreListUrl, this);
    Label1->move(32, 16);
    Label2 = new QLabel("Encrypted scorecode:", this);
    Label2->move(8, 48);
    Edit1 = new QLineEdit(this);
    Edit1->setGeometry(8, 72, 409, 21);
    Edit1->setReadOnly(true);
    // A label shows its text as it stands: one ampersand.
    Label3 = new QLabel(
        "Copy & Paste the encrypted scorecode to register your score on the internet top 100 "
        "list",
        this);
    Label3->setTextFormat(Qt::PlainText);
    Label3->move(8, 104);
    // The texts keep their places; a line too long for the dialog in the font at hand
    // wraps within it.
    for (QLabel* label : {Label1, Label2, Label3}) {
        label->setWordWrap(true);
        const int width = 425 - 8 - label->x();
        label->resize(width, label->heightForWidth(width));
    }

    Button1 = new QPushButton("&OK", this);
    Button1->setGeometry(80, 136, 75, 25);
    Button1->setDefault(true);
    Button2 = new QPushButton("&Cancel", this);
    Button2->setGeometry(272, 136, 75, 25);
    setTabOrder(Edit1, Button1);
    setTabOrder(Button1, Button2);
    connect(Button1, &QPushButton::clicked, this, &TForm8::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm8::Button2Click);
}

void TForm8::SetScoreCode(const std::string& code) {
    Edit1->setText(QString::fromStdString(code));
    // The code is what the player came for.
    Edit1->setFocus();
    Edit1->selectAll();
}

void TForm8::Button1Click() {
    if (urls_.Open(kScoreListUrl)) {
        close();
        return;
    }
    // The dialog stays open with the code, so that the player can still copy it.
    prompt_.Ask(std::string("No web browser could be started. Please open ") + kScoreListUrl +
                    " yourself and paste the scorecode there.",
                "Warning", Prompt::Buttons::Ok, Prompt::Icon::Exclamation, Prompt::Answer::Ok);
}

void TForm8::Button2Click() {
    close();
}
