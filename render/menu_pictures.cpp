#include "render/menu_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {
void DrawIcon(QPainter& p, MenuPicture picture) {
    const QColor ink(40, 40, 40);
    p.setPen(QPen(ink, 1));
    switch (picture) {
        case MenuPicture::Open:  // open: a folder
            p.setBrush(QColor(230, 190, 60));
            p.drawRect(1, 4, 13, 9);
            p.drawRect(1, 2, 5, 2);
            break;
        case MenuPicture::Save:    // save: a diskette
        case MenuPicture::SaveAs:  // save as: a diskette with a pencil
            p.setBrush(QColor(60, 80, 160));
            p.drawRect(1, 1, 13, 13);
            p.setBrush(Qt::white);
            p.drawRect(4, 1, 7, 5);
            if (picture == MenuPicture::SaveAs) {
                p.setPen(QPen(QColor(200, 40, 40), 2));
                p.drawLine(8, 14, 14, 8);
            }
            break;
        case MenuPicture::Print:  // print: a printer
            p.setBrush(Qt::white);
            p.drawRect(4, 1, 7, 5);
            p.setBrush(QColor(150, 150, 150));
            p.drawRect(1, 6, 13, 6);
            break;
        case MenuPicture::Exit:  // exit: an open door
            p.setBrush(QColor(150, 90, 40));
            p.drawRect(3, 1, 9, 14);
            p.setBrush(Qt::yellow);
            p.drawEllipse(9, 7, 2, 2);
            break;
        case MenuPicture::Start:  // start: a green triangle
            p.setBrush(QColor(30, 160, 30));
            p.drawPolygon(QPolygon({QPoint(3, 2), QPoint(13, 8), QPoint(3, 14)}));
            break;
        case MenuPicture::Stop:  // stop: a red square
            p.setBrush(QColor(200, 30, 30));
            p.drawRect(3, 3, 10, 10);
            break;
        case MenuPicture::Players:  // players: a head and shoulders
            p.setBrush(QColor(240, 200, 160));
            p.drawEllipse(5, 1, 6, 6);
            p.setBrush(QColor(40, 90, 200));
            p.drawChord(2, 8, 12, 12, 0, 180 * 16);
            break;
        case MenuPicture::CourseSetup:  // course: a flag on a green
            p.setBrush(QColor(30, 150, 30));
            p.drawEllipse(1, 10, 14, 5);
            p.drawLine(7, 1, 7, 12);
            p.setBrush(QColor(220, 30, 30));
            p.drawPolygon(QPolygon({QPoint(7, 1), QPoint(14, 3), QPoint(7, 6)}));
            break;
        case MenuPicture::Sound:  // sound: a loudspeaker
            p.setBrush(QColor(90, 90, 90));
            p.drawPolygon(QPolygon({QPoint(1, 5), QPoint(5, 5), QPoint(10, 1), QPoint(10, 14),
                                    QPoint(5, 10), QPoint(1, 10)}));
            p.drawArc(9, 4, 6, 7, -60 * 16, 120 * 16);
            break;
        case MenuPicture::Music:  // music: a note
            p.setBrush(ink);
            p.drawEllipse(2, 10, 5, 4);
            p.drawEllipse(9, 8, 5, 4);
            p.drawLine(6, 12, 6, 2);
            p.drawLine(13, 10, 13, 1);
            p.drawLine(6, 2, 13, 1);
            break;
        case MenuPicture::Scoreboard:  // scoreboard: a table
            p.setBrush(Qt::white);
            p.drawRect(1, 1, 13, 13);
            for (int i = 4; i < 14; i += 3) p.drawLine(1, i, 14, i);
            p.drawLine(6, 1, 6, 14);
            break;
        case MenuPicture::HoleOfFame:  // hole of fame: a cup
            p.setBrush(QColor(230, 180, 30));
            p.drawChord(2, -4, 12, 14, 180 * 16, 180 * 16);
            p.drawRect(7, 10, 2, 3);
            p.drawRect(4, 13, 8, 2);
            break;
        case MenuPicture::Web:  // web: a globe
            p.setBrush(QColor(60, 130, 220));
            p.drawEllipse(1, 1, 13, 13);
            p.drawEllipse(5, 1, 5, 13);
            p.drawLine(1, 7, 14, 7);
            break;
        case MenuPicture::HelpContents:  // help contents: a book
            p.setBrush(QColor(40, 110, 60));
            p.drawRect(2, 1, 11, 14);
            p.setPen(Qt::white);
            p.drawText(QRect(2, 1, 11, 14), Qt::AlignCenter, "?");
            break;
        case MenuPicture::About:  // about: an information sign
            p.setBrush(QColor(40, 80, 200));
            p.drawEllipse(1, 1, 13, 13);
            p.setPen(Qt::white);
            p.drawText(QRect(1, 1, 13, 13), Qt::AlignCenter, "i");
            break;
    }
}
}  // namespace

QIcon MenuIcon(MenuPicture picture) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QFont font = painter.font();
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    DrawIcon(painter, picture);
    return QIcon(pixmap);
}
