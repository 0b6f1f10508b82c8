#include "tools/generators/pictures/menu_icon_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <stdexcept>
#include <string>

#include "tools/generators/pictures/picture_tools.h"
#include "tools/generators/pictures/small_art.h"

namespace {
const QColor kInk(36, 36, 44);

QPen Outline(double width = 1.0) {
    return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QLinearGradient Vertical(double top, double bottom, const QColor& light, const QColor& dark) {
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0.0, light);
    gradient.setColorAt(1.0, dark);
    return gradient;
}

void Folder(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(Vertical(2, 13, QColor(250, 214, 110), QColor(214, 160, 40)));
    p.drawPolygon(
        QPolygonF({{1.5, 3.5}, {6, 3.5}, {7.5, 5}, {13.5, 5}, {13.5, 13.5}, {1.5, 13.5}}));
    p.setBrush(Vertical(7, 14, QColor(255, 232, 150), QColor(230, 180, 60)));
    p.drawPolygon(QPolygonF({{3.5, 7.5}, {15, 7.5}, {13.5, 13.5}, {1.5, 13.5}}));
}

void Diskette(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(Vertical(1, 15, QColor(90, 130, 210), QColor(36, 64, 150)));
    p.drawPolygon(QPolygonF({{1.5, 1.5}, {12.5, 1.5}, {14.5, 3.5}, {14.5, 14.5}, {1.5, 14.5}}));
    p.setBrush(QColor(200, 206, 214));
    p.drawRect(QRectF(4.5, 1.5, 7, 4.5));
    p.fillRect(QRectF(9, 2.5, 1.5, 2.5), kInk);
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(3.5, 8.5, 9, 6));
    p.setPen(QPen(QColor(150, 160, 190), 0.8));
    p.drawLine(QPointF(5, 10.5), QPointF(11, 10.5));
    p.drawLine(QPointF(5, 12.5), QPointF(11, 12.5));
}

void Pencil(QPainter& p) {
    p.save();
    p.translate(11, 11);
    p.rotate(-45);
    p.setPen(Outline(0.8));
    p.setBrush(QColor(250, 200, 60));
    p.drawRect(QRectF(-1.8, -7, 3.6, 9));
    p.setBrush(QColor(240, 210, 170));
    p.drawPolygon(QPolygonF({{-1.8, 2}, {1.8, 2}, {0, 5.5}}));
    p.setBrush(QColor(230, 120, 130));
    p.drawRect(QRectF(-1.8, -8.5, 3.6, 1.5));
    p.restore();
}

void Printer(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(Vertical(6, 12, QColor(200, 204, 212), QColor(120, 124, 134)));
    p.drawRoundedRect(QRectF(1.5, 5.5, 13, 6), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 9.5, 7, 5));
    p.setPen(QPen(QColor(120, 130, 160), 0.8));
    p.drawLine(QPointF(6, 11.5), QPointF(10, 11.5));
    p.drawLine(QPointF(6, 13), QPointF(10, 13));
    p.fillRect(QRectF(12, 7, 1.5, 1.5), QColor(60, 200, 60));
}

void Door(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(QColor(90, 90, 96));
    p.drawRect(QRectF(2.5, 1.5, 9, 13));
    p.setBrush(Vertical(1, 15, QColor(196, 130, 70), QColor(130, 76, 34)));
    p.drawPolygon(QPolygonF({{2.5, 1.5}, {8.5, 3}, {8.5, 15.5}, {2.5, 14.5}}));
    p.setBrush(QColor(250, 220, 80));
    p.drawEllipse(QPointF(7, 8.8), 0.9, 0.9);
    // An arrow leading out.
    p.setPen(QPen(QColor(200, 30, 30), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(10, 8), QPointF(15, 8));
    p.drawPolyline(QPolygonF({{12.8, 5.6}, {15.2, 8}, {12.8, 10.4}}));
}

void RoundButton(QPainter& p, const QColor& light, const QColor& dark) {
    QRadialGradient face(QPointF(6, 5), 10);
    face.setColorAt(0.0, light);
    face.setColorAt(1.0, dark);
    p.setPen(QPen(Mix(dark, Qt::black, 0.4), 1));
    p.setBrush(face);
    p.drawEllipse(QPointF(8, 8), 6.9, 6.9);
}

void Start(QPainter& p) {
    RoundButton(p, QColor(140, 230, 120), QColor(20, 130, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{6, 4.5}, {11.8, 8}, {6, 11.5}}));
}

void Stop(QPainter& p) {
    RoundButton(p, QColor(255, 130, 120), QColor(170, 20, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5, 5, 6, 6));
}

void Person(QPainter& p, double x, double y, double s, const QColor& shirt) {
    p.setPen(Outline(0.8));
    p.setBrush(Vertical(y, y + 7 * s, Mix(shirt, Qt::white, 0.3), shirt));
    QPainterPath body;
    body.moveTo(x - 4 * s, y + 8 * s);
    body.cubicTo(x - 4 * s, y + 3.5 * s, x + 4 * s, y + 3.5 * s, x + 4 * s, y + 8 * s);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(QColor(244, 204, 166));
    p.drawEllipse(QPointF(x, y + 1.5 * s), 2.4 * s, 2.4 * s);
}

void Players(QPainter& p) {
    Person(p, 10.5, 2.5, 0.95, QColor(40, 150, 60));
    Person(p, 6, 5.5, 1.05, QColor(40, 90, 210));
}

void Course(QPainter& p) {
    p.setPen(Outline(0.8));
    p.setBrush(Vertical(10, 15, QColor(130, 210, 100), QColor(40, 130, 40)));
    p.drawEllipse(QRectF(0.8, 10, 14.4, 5.2));
    p.setBrush(kInk);
    p.drawEllipse(QPointF(8.5, 12.5), 1.6, 0.7);
    p.setPen(QPen(QColor(70, 70, 70), 1.1));
    p.drawLine(QPointF(8.5, 12.3), QPointF(8.5, 1));
    p.setPen(QPen(QColor(120, 0, 0), 0.7));
    p.setBrush(QColor(230, 30, 30));
    p.drawPolygon(QPolygonF({{9, 1}, {15, 3.2}, {9, 6}}));
}

void Speaker(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(Vertical(3, 13, QColor(170, 174, 184), QColor(80, 84, 96)));
    p.drawPolygon(
        QPolygonF({{1.5, 5.5}, {4.5, 5.5}, {8.5, 1.8}, {8.5, 14.2}, {4.5, 10.5}, {1.5, 10.5}}));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 110, 210), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(7, 5, 5, 6), -55 * 16, 110 * 16);
    p.drawArc(QRectF(6.5, 2.5, 8.5, 11), -55 * 16, 110 * 16);
}

void Music(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 140));
    p.save();
    for (const QPointF centre : {QPointF(4.2, 12.4), QPointF(11.7, 10.8)}) {
        p.save();
        p.translate(centre);
        p.rotate(-20);
        p.drawEllipse(QPointF(0, 0), 2.6, 1.9);
        p.restore();
    }
    p.restore();
    p.setPen(QPen(QColor(60, 40, 140), 1.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(6.3, 12), QPointF(6.3, 3));
    p.drawLine(QPointF(13.8, 10.4), QPointF(13.8, 1.5));
    p.setPen(QPen(QColor(60, 40, 140), 2.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(6.3, 3.6), QPointF(13.8, 2.1));
}

void Scoreboard(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.fillRect(QRectF(2, 2, 12, 3), QColor(60, 140, 60));
    p.setPen(QPen(QColor(150, 160, 180), 0.8));
    for (double y : {7.5, 10.0, 12.5}) p.drawLine(QPointF(2, y), QPointF(14, y));
    for (double x : {6.0, 9.0, 12.0}) p.drawLine(QPointF(x, 5), QPointF(x, 14));
    p.setPen(Outline());
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
}

void Trophy(QPainter& p) {
    const QColor gold(250, 206, 60), deep(176, 120, 10);
    p.setPen(QPen(deep, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(0.8, 2.5, 5, 5), 90 * 16, 180 * 16);
    p.drawArc(QRectF(10.2, 2.5, 5, 5), -90 * 16, 180 * 16);
    p.setPen(QPen(Mix(deep, Qt::black, 0.3), 0.8));
    QLinearGradient metal(3, 0, 13, 0);
    metal.setColorAt(0.0, QColor(255, 240, 150));
    metal.setColorAt(0.5, gold);
    metal.setColorAt(1.0, deep);
    p.setBrush(metal);
    QPainterPath cup;
    cup.moveTo(3, 1.5);
    cup.lineTo(13, 1.5);
    cup.cubicTo(13, 7, 11, 9.5, 8, 9.5);
    cup.cubicTo(5, 9.5, 3, 7, 3, 1.5);
    cup.closeSubpath();
    p.drawPath(cup);
    p.drawRect(QRectF(7, 9.5, 2, 2.5));
    p.drawRect(QRectF(4.5, 12, 7, 2.8));
}

void Web(QPainter& p) {
    PaintGlobe(p, QRectF(0, 0, 16, 16));
}

void SignInCircle(QPainter& p, const QString& sign, const QColor& light, const QColor& dark) {
    RoundButton(p, light, dark);
    const QPainterPath text = TextPathInBox(sign, "DejaVu Serif", QRectF(4.5, 3.2, 7, 9.6));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(text);
}

void Help(QPainter& p) {
    // A book with a question mark on its cover.
    p.setPen(Outline());
    p.setBrush(QColor(250, 250, 244));
    p.drawRect(QRectF(3.5, 2.5, 11, 12.5));
    p.setBrush(Vertical(1, 14, QColor(70, 170, 90), QColor(20, 100, 40)));
    p.drawRect(QRectF(1.5, 1.5, 11, 12.5));
    const QPainterPath mark = TextPathInBox("?", "DejaVu Sans", QRectF(4, 3.5, 6, 8.5));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(mark);
}

void About(QPainter& p) {
    SignInCircle(p, "i", QColor(130, 180, 255), QColor(20, 70, 180));
}
}  // namespace

QImage DrawMenuIcon(std::string_view name, int scale) {
    QImage icon = TransparentPicture(16 * scale, 16 * scale);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    if (name == "open") {
        Folder(p);
    } else if (name == "save") {
        Diskette(p);
    } else if (name == "save_as") {
        Diskette(p);
        Pencil(p);
    } else if (name == "print") {
        Printer(p);
    } else if (name == "exit") {
        Door(p);
    } else if (name == "start") {
        Start(p);
    } else if (name == "stop") {
        Stop(p);
    } else if (name == "players") {
        Players(p);
    } else if (name == "course") {
        Course(p);
    } else if (name == "sound") {
        Speaker(p);
    } else if (name == "music") {
        Music(p);
    } else if (name == "scoreboard") {
        Scoreboard(p);
    } else if (name == "fame") {
        Trophy(p);
    } else if (name == "web") {
        Web(p);
    } else if (name == "help") {
        Help(p);
    } else if (name == "about") {
        About(p);
    } else {
        throw std::invalid_argument("no menu icon named " + std::string(name));
    }
    return icon;
}
