#include "tools/generators/pictures/app_icon_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>
#include <vector>

#include "tools/generators/pictures/picture_tools.h"

namespace {
constexpr double kUnits = 256;

struct Stop {
    double at;
    QColor colour;
};

/// A fill: one colour, a linear gradient from `a` to `b`, or a radial one round `a` with
/// radius `radius`.
struct Fill {
    enum class Type { Solid, Linear, Radial } type = Type::Solid;
    std::vector<Stop> stops;
    QPointF a, b;
    double radius = 0;
};

/// One shape of the icon, in a 256-unit square.
struct Shape {
    enum class Type { RoundedRect, Ellipse, Polygon } type;
    QRectF box;  // rounded rectangle and ellipse
    double corner = 0;
    std::vector<QPointF> points;  // polygon
    Fill fill;
    QColor stroke = Qt::transparent;
    double strokeWidth = 0;
};

Fill Solid(const QColor& colour) {
    return {Fill::Type::Solid, {{0, colour}}, {}, {}, 0};
}

Fill Linear(QPointF a, QPointF b, std::vector<Stop> stops) {
    return {Fill::Type::Linear, std::move(stops), a, b, 0};
}

Fill Radial(QPointF centre, double radius, std::vector<Stop> stops) {
    return {Fill::Type::Radial, std::move(stops), centre, {}, radius};
}

const std::vector<Shape>& IconShapes() {
    static const std::vector<Shape> shapes = {
        // The tile: a lawn lit from the top.
        {Shape::Type::RoundedRect,
         QRectF(8, 8, 240, 240),
         52,
         {},
         Linear({0, 8}, {0, 248}, {{0, QColor(136, 212, 96)}, {1, QColor(28, 112, 44)}}),
         QColor(16, 72, 28),
         8},
        // Mowing stripe and the cup.
        {Shape::Type::Ellipse,
         QRectF(104, 168, 92, 34),
         0,
         {},
         Solid(QColor(12, 60, 20, 90)),
         {},
         0},
        {Shape::Type::Ellipse, QRectF(112, 170, 76, 28), 0, {}, Solid(QColor(8, 20, 10)), {}, 0},
        // The flagstick and the flag.
        {Shape::Type::Polygon,
         {},
         0,
         {{144, 36}, {156, 36}, {156, 184}, {144, 184}},
         Linear({144, 0}, {156, 0}, {{0, QColor(255, 255, 255)}, {1, QColor(150, 150, 160)}}),
         QColor(60, 60, 70),
         3},
        {Shape::Type::Polygon,
         {},
         0,
         {{156, 40}, {236, 70}, {156, 104}},
         Linear({156, 40}, {236, 104}, {{0, QColor(250, 60, 50)}, {1, QColor(168, 8, 14)}}),
         QColor(100, 0, 0),
         5},
        // The ball and its shadow.
        {Shape::Type::Ellipse,
         QRectF(34, 196, 100, 24),
         0,
         {},
         Solid(QColor(10, 50, 16, 110)),
         {},
         0},
        {Shape::Type::Ellipse,
         QRectF(36, 118, 88, 88),
         0,
         {},
         Radial({66, 146}, 76,
                {{0, QColor(255, 255, 255)},
                 {0.6, QColor(226, 230, 236)},
                 {1, QColor(150, 156, 168)}}),
         QColor(60, 64, 76),
         5},
        {Shape::Type::Ellipse,
         QRectF(86, 152, 12, 12),
         0,
         {},
         Solid(QColor(120, 126, 140, 110)),
         {},
         0},
        {Shape::Type::Ellipse,
         QRectF(66, 176, 12, 12),
         0,
         {},
         Solid(QColor(120, 126, 140, 110)),
         {},
         0},
        {Shape::Type::Ellipse,
         QRectF(100, 176, 10, 10),
         0,
         {},
         Solid(QColor(120, 126, 140, 110)),
         {},
         0},
    };
    return shapes;
}

QBrush ToBrush(const Fill& fill) {
    QGradient gradient;
    if (fill.type == Fill::Type::Solid) return QBrush(fill.stops.front().colour);
    if (fill.type == Fill::Type::Linear)
        gradient = QLinearGradient(fill.a, fill.b);
    else
        gradient = QRadialGradient(fill.a, fill.radius);
    for (const Stop& stop : fill.stops) gradient.setColorAt(stop.at, stop.colour);
    return QBrush(gradient);
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

// `colour` as an SVG attribute value, closing quote included, followed by an opacity
// attribute named `opacityName` when the colour is not opaque.
std::string SvgPaint(const QColor& colour, const char* opacityName) {
    char text[64];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red(), colour.green(), colour.blue());
    std::string result = text;
    result += "\"";
    if (colour.alpha() != 255)
        result += std::string(" ") + opacityName + "=\"" + Number(colour.alphaF()) + "\"";
    return result;
}
}  // namespace

QImage DrawApplicationIcon(int size) {
    QImage icon = TransparentPicture(size, size);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kUnits, size / kUnits);
    for (const Shape& shape : IconShapes()) {
        // Outlines never get thinner than about one pixel, so small sizes keep their edges.
        const double minimum = kUnits / size * 0.9;
        if (shape.strokeWidth > 0)
            painter.setPen(QPen(shape.stroke, std::max(shape.strokeWidth, minimum)));
        else
            painter.setPen(Qt::NoPen);
        painter.setBrush(ToBrush(shape.fill));
        switch (shape.type) {
            case Shape::Type::RoundedRect:
                painter.drawRoundedRect(shape.box, shape.corner, shape.corner);
                break;
            case Shape::Type::Ellipse:
                painter.drawEllipse(shape.box);
                break;
            case Shape::Type::Polygon:
                painter.drawPolygon(shape.points.data(), static_cast<int>(shape.points.size()));
                break;
        }
    }
    return icon;
}

std::string ApplicationIconSvg() {
    std::string defs, body;
    int gradientNumber = 0;
    for (const Shape& shape : IconShapes()) {
        std::string fill;
        if (shape.fill.type == Fill::Type::Solid) {
            fill = "fill=\"" + SvgPaint(shape.fill.stops.front().colour, "fill-opacity");
        } else {
            const std::string id = "g" + std::to_string(++gradientNumber);
            if (shape.fill.type == Fill::Type::Linear)
                defs += "    <linearGradient id=\"" + id +
                        "\" gradientUnits=\"userSpaceOnUse\" x1=\"" + Number(shape.fill.a.x()) +
                        "\" y1=\"" + Number(shape.fill.a.y()) + "\" x2=\"" +
                        Number(shape.fill.b.x()) + "\" y2=\"" + Number(shape.fill.b.y()) + "\">\n";
            else
                defs += "    <radialGradient id=\"" + id +
                        "\" gradientUnits=\"userSpaceOnUse\" cx=\"" + Number(shape.fill.a.x()) +
                        "\" cy=\"" + Number(shape.fill.a.y()) + "\" r=\"" +
                        Number(shape.fill.radius) + "\">\n";
            for (const Stop& stop : shape.fill.stops)
                defs += "      <stop offset=\"" + Number(stop.at) + "\" stop-color=\"" +
                        SvgPaint(stop.colour, "stop-opacity") + "/>\n";
            defs += shape.fill.type == Fill::Type::Linear ? "    </linearGradient>\n"
                                                          : "    </radialGradient>\n";
            fill = "fill=\"url(#" + id + ")\"";
        }
        std::string stroke;
        if (shape.strokeWidth > 0)
            stroke = " stroke=\"" + SvgPaint(shape.stroke, "stroke-opacity") + " stroke-width=\"" +
                     Number(shape.strokeWidth) + "\" stroke-linejoin=\"round\"";
        const QRectF& b = shape.box;
        switch (shape.type) {
            case Shape::Type::RoundedRect:
                body += "  <rect x=\"" + Number(b.x()) + "\" y=\"" + Number(b.y()) + "\" width=\"" +
                        Number(b.width()) + "\" height=\"" + Number(b.height()) + "\" rx=\"" +
                        Number(shape.corner) + "\" " + fill + stroke + "/>\n";
                break;
            case Shape::Type::Ellipse:
                body += "  <ellipse cx=\"" + Number(b.center().x()) + "\" cy=\"" +
                        Number(b.center().y()) + "\" rx=\"" + Number(b.width() / 2) + "\" ry=\"" +
                        Number(b.height() / 2) + "\" " + fill + stroke + "/>\n";
                break;
            case Shape::Type::Polygon: {
                std::string points;
                for (const QPointF& point : shape.points)
                    points +=
                        (points.empty() ? "" : " ") + Number(point.x()) + "," + Number(point.y());
                body += "  <polygon points=\"" + points + "\" " + fill + stroke + "/>\n";
                break;
            }
        }
    }
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
           "viewBox=\"0 0 256 256\">\n  <defs>\n" +
           defs + "  </defs>\n" + body + "</svg>\n";
}
