#include "setup/players_dialog.h"

#include <QRegularExpression>

#include "render/dialog_pictures.h"
#include "render/menu_pictures.h"

namespace {
constexpr int kMaxNameLength = 16;
constexpr int kRowStep = 24;
const char* const kStartOrders[] = {"Sequence", "Random", "Last first"};

/// What a one-line name can hold of pasted text: the first line without control characters,
/// and no half character where the length limit cut a pair of UTF-16 units.
QString OneLineName(const QString& text) {
    QString name = text.section(QRegularExpression("[\\r\\n]"), 0, 0);
    name.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    if (!name.isEmpty() && name.back().isHighSurrogate()) name.chop(1);
    return name;
}
}  // namespace

TForm3::TForm3(Game& game, Prompt& prompt, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      game_(game),
      prompt_(prompt) {
    setWindowTitle("Players");
    setWindowIcon(MenuIcon(MenuPicture::Players));
    setFixedSize(249, 305);

    QWidget* previous = nullptr;
    for (int n = 1; n <= kPlayerSlots; ++n) {
        const int y = 8 + kRowStep * (n - 1);
        Image[n] = new QLabel(this);
        Image[n]->setGeometry(8, y, 16, 16);
        Image[n]->setPixmap(PlayerFlagPicture(n));
        Label[n] = new QLabel(QString("Player %1").arg(n), this);
        Label[n]->move(32, y + 4);
        Label[n]->adjustSize();
        Label[n]->setEnabled(false);
        Name[n] = new QLineEdit(this);
        Name[n]->setGeometry(80, y, 161, 21);
        Name[n]->setMaxLength(kMaxNameLength);
        connect(Name[n], &QLineEdit::textChanged, this, [this, n] { NameChange(n); });
        if (previous) setTabOrder(previous, Name[n]);
        previous = Name[n];
    }

    RadioGroup1 = new QGroupBox("Start order", this);
    RadioGroup1->setGeometry(8, 208, 233, 49);
    RadioGroup1Items = new QButtonGroup(this);
    // Columns as wide as their captions need, which "Sequence" in our font does not fit
    // into a third of the group.
    const int columnLeft[] = {6, 90, 156}, columnWidth[] = {82, 66, 75};
    for (int i = 0; i < 3; ++i) {
        auto* item = new QRadioButton(kStartOrders[i], RadioGroup1);
        item->setGeometry(columnLeft[i], 22, columnWidth[i], 17);
        RadioGroup1Items->addButton(item, i);
    }
    RadioGroup1Items->button(kPlayerSequence)->setChecked(true);

    Button1 = new QPushButton("&OK", this);
    Button1->setGeometry(8, 272, 75, 25);
    Button1->setDefault(true);
    Button2 = new QPushButton("&Cancel", this);
    Button2->setGeometry(88, 272, 75, 25);
    Button3 = new QPushButton("Clea&r", this);
    Button3->setGeometry(168, 272, 75, 25);
    for (QAbstractButton* item : RadioGroup1Items->buttons()) {
        setTabOrder(previous, item);
        previous = item;
    }
    setTabOrder(previous, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);

    connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm3::reject);
    connect(Button3, &QPushButton::clicked, this, &TForm3::Button3Click);
}

void TForm3::NameChange(int slot) {
    const QString text = Name[slot]->text();
    if (const QString name = OneLineName(text); name != text) {
        Name[slot]->setText(name);  // runs this handler again with the clean name
        return;
    }
    Label[slot]->setEnabled(!text.isEmpty());
}

void TForm3::Button1Click() {
    bool anyName = false;
    for (int p = 1; p <= kPlayerSlots; ++p) anyName = anyName || !Name[p]->text().isEmpty();
    if (!anyName) {
        prompt_.Ask("At least one player must be inserted!", "Warning", Prompt::Buttons::Ok,
                    Prompt::Icon::Exclamation, Prompt::Answer::Ok);
        return;
    }
    for (int p = 1; p <= kPlayerSlots; ++p) {
        PlayerRecord& player = game_.tournament.players[p];
        player.name = Name[p]->text().toStdString();
        for (int hole = 1; hole <= 18; ++hole) player.strokes[hole] = 0;
        player.totalStrokes = 0;
        player.status = player.name.empty() ? PlayerStatus::Absent : PlayerStatus::Playing;
    }
    game_.tournament.playerOrder = RadioGroup1Items->checkedId();
    PlayersAccepted = true;
    accept();
}

void TForm3::Button3Click() {
    for (int p = 1; p <= kPlayerSlots; ++p) Name[p]->clear();
    RadioGroup1Items->button(kPlayerSequence)->setChecked(true);
}

void TForm3::FormClose() {
    if (PlayersAccepted) return;
    for (int p = 1; p <= kPlayerSlots; ++p)
        Name[p]->setText(QString::fromStdString(game_.tournament.players[p].name));
    RadioGroup1Items->button(game_.tournament.playerOrder)->setChecked(true);
}

void TForm3::done(int result) {
    FormClose();
    QDialog::done(result);
}
