#include "TindrelAppUI/style/Glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

// One family of symbolic glyphs: strokes 1.5 units wide with round ends on a 16-unit square, solid
// shapes with their marks cut out, so every icon of the app reads alike at 14 to 32 pixels.
namespace tindrel::Glyphs {
namespace {

constexpr double stroke = 1.5;

class Pen {
public:
    Pen(QPainter& painter, const QColor& ink)
        : p_(painter)
        , ink_(ink) {}

    void line(QPointF from, QPointF to, double width = stroke) {
        QPainterPath path(from);
        path.lineTo(to);
        outline(path, width);
    }
    void polyline(std::initializer_list<QPointF> points, double width = stroke) {
        QPainterPath path;
        path.addPolygon(QPolygonF(QList<QPointF>(points)));
        outline(path, width);
    }
    void outline(const QPainterPath& path, double width = stroke) {
        p_.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p_.setPen(QPen(ink_, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p_.setBrush(Qt::NoBrush);
        p_.drawPath(path);
    }
    void fill(const QPainterPath& path) {
        p_.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p_.setPen(Qt::NoPen);
        p_.setBrush(ink_);
        p_.drawPath(path);
    }
    // Clears what lies under the path: marks cut out of solid shapes, room around overlapping parts.
    void cut(const QPainterPath& path, double width = 0) {
        p_.setCompositionMode(QPainter::CompositionMode_Clear);
        p_.setPen(width > 0 ? QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                            : QPen(Qt::NoPen));
        p_.setBrush(width > 0 ? QBrush(Qt::NoBrush) : QBrush(Qt::black));
        p_.drawPath(path);
        p_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    void cutLine(QPointF from, QPointF to, double width) {
        QPainterPath path(from);
        path.lineTo(to);
        cut(path, width);
    }

private:
    QPainter& p_;
    QColor ink_;
};

QPainterPath circle(QPointF centre, double radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath roundedRect(double x, double y, double w, double h, double radius) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), radius, radius);
    return path;
}

QPointF polar(QPointF centre, double radius, double degrees) {
    const double radians = degrees * std::numbers::pi / 180.0;
    return centre + QPointF(radius * std::cos(radians), -radius * std::sin(radians));
}

void gear(Pen& pen) {
    const QPointF centre(8, 8);
    QPolygonF teeth;
    for (int tooth = 0; tooth < 8; ++tooth) {
        const double at = tooth * 45.0;
        teeth << polar(centre, 5.2, at - 19) << polar(centre, 7.4, at - 9) << polar(centre, 7.4, at + 9)
              << polar(centre, 5.2, at + 19);
    }
    QPainterPath body;
    body.addPolygon(teeth);
    body.closeSubpath();
    pen.fill(body);
    pen.cut(circle(centre, 2.3));
}

void share(Pen& pen) {
    const QPointF top(11.8, 3.6), left(4.2, 8), bottom(11.8, 12.4);
    pen.line(left, top, 1.4);
    pen.line(left, bottom, 1.4);
    for (QPointF node : {top, left, bottom})
        pen.fill(circle(node, 2.3));
}

void clockFace(Pen& pen, QPointF centre, double radius) {
    pen.outline(circle(centre, radius));
    pen.polyline({centre + QPointF(0, -radius * 0.55), centre, centre + QPointF(radius * 0.4, radius * 0.3)});
}

void history(Pen& pen) {
    const QPointF centre(8.6, 8);
    QPainterPath arc(polar(centre, 5.8, 160));
    arc.arcTo(QRectF(centre - QPointF(5.8, 5.8), QSizeF(11.6, 11.6)), 160, -300);
    pen.outline(arc);
    pen.polyline({centre + QPointF(0, -3.2), centre, centre + QPointF(2.3, 1.6)});
    const QPointF tip = polar(centre, 5.8, 160);
    QPainterPath head;
    head.addPolygon(
        QPolygonF({tip + QPointF(-2.2, -0.6), tip + QPointF(1.4, -0.9), tip + QPointF(-0.2, 2.4)}));
    head.closeSubpath();
    pen.fill(head);
}

void clipboard(Pen& pen) {
    pen.outline(roundedRect(3, 2.6, 10, 12, 1.8));
    pen.cut(roundedRect(4.6, 0.4, 6.8, 4.4, 1.2));
    pen.fill(roundedRect(5.4, 1.2, 5.2, 2.8, 1.0));
    pen.line({5.8, 8}, {10.2, 8}, 1.2);
    pen.line({5.8, 10.8}, {8.8, 10.8}, 1.2);
}

void lock(Pen& pen) {
    QPainterPath shackle(QPointF(5, 7.6));
    shackle.lineTo(5, 5);
    shackle.arcTo(QRectF(5, 2, 6, 6), 180, -180);
    shackle.lineTo(11, 7.6);
    pen.outline(shackle);
    pen.fill(roundedRect(3, 7, 10, 7.6, 1.6));
    pen.cut(circle({8, 10.8}, 1.2));
}

void warning(Pen& pen) {
    QPainterPath triangle;
    triangle.addPolygon(QPolygonF({{8, 1.8}, {14.8, 14}, {1.2, 14}}));
    triangle.closeSubpath();
    pen.fill(triangle);
    pen.outline(triangle, 1.2);
    pen.cutLine({8, 6}, {8, 9.4}, 1.7);
    pen.cut(circle({8, 11.8}, 1.0));
}

void critical(Pen& pen) {
    pen.fill(circle({8, 8}, 7));
    pen.cutLine({8, 4.3}, {8, 8.9}, 1.8);
    pen.cut(circle({8, 11.6}, 1.05));
}

void question(Pen& pen) {
    pen.fill(circle({8, 8}, 7));
    QPainterPath mark(QPointF(5.9, 6.2));
    mark.cubicTo(5.9, 3.7, 10.1, 3.7, 10.1, 6.2);
    mark.cubicTo(10.1, 7.9, 8, 7.9, 8, 9.5);
    pen.cut(mark, 1.7);
    pen.cut(circle({8, 12}, 1.05));
}

void arrow(Pen& pen, bool right) {
    const double tail = right ? 2.5 : 13.5, tip = right ? 13.5 : 2.5, barb = right ? 9.2 : 6.8;
    pen.line({tail, 8}, {tip, 8});
    pen.polyline({{barb, 3.8}, {tip, 8}, {barb, 12.2}});
}

void copy(Pen& pen) {
    pen.outline(roundedRect(5.6, 1.6, 8.8, 9.6, 1.6));
    pen.cut(roundedRect(0.8, 4, 10.4, 11.6, 2.2));
    pen.outline(roundedRect(1.6, 4.8, 8.8, 9.6, 1.6));
}

void check(Pen& pen) {
    pen.polyline({{2.8, 8.6}, {6.4, 12.2}, {13.2, 4.2}}, 1.9);
}

void send(Pen& pen) {
    QPainterPath plane;
    plane.addPolygon(QPolygonF({{1.4, 7.2}, {14.6, 1.6}, {9.2, 14.6}, {7.2, 9.0}}));
    plane.closeSubpath();
    pen.fill(plane);
    pen.cutLine({7.2, 9.0}, {11.2, 5.0}, 1.0);
}

void magnifier(Pen& pen, QPointF centre, double radius, double handle) {
    pen.outline(circle(centre, radius), 1.6);
    const QPointF from = centre + QPointF(radius * 0.72, radius * 0.72);
    pen.line(from, from + QPointF(handle, handle), 2.0);
}

void logScan(Pen& pen) {
    pen.outline(roundedRect(2.4, 1.4, 9, 13.2, 1.6));
    pen.line({5, 5}, {9, 5}, 1.2);
    pen.line({5, 7.6}, {8.6, 7.6}, 1.2);
    pen.cut(circle({11, 11}, 4.2));
    magnifier(pen, {10.8, 10.8}, 2.5, 2.6);
}

QPainterPath sparkle(QPointF centre, double radius) {
    const double waist = radius * 0.3;
    QPainterPath star;
    star.addPolygon(QPolygonF({centre + QPointF(0, -radius), centre + QPointF(waist, -waist),
                               centre + QPointF(radius, 0), centre + QPointF(waist, waist),
                               centre + QPointF(0, radius), centre + QPointF(-waist, waist),
                               centre + QPointF(-radius, 0), centre + QPointF(-waist, -waist)}));
    star.closeSubpath();
    return star;
}

void sample(Pen& pen) {
    pen.line({2.4, 13.6}, {9.6, 6.4}, 2.0);
    pen.fill(sparkle({12, 4}, 3.2));
    pen.fill(sparkle({5, 3.4}, 1.9));
    pen.fill(circle({13.4, 10}, 0.9));
}

void clearInput(Pen& pen) {
    pen.fill(circle({8, 8}, 7));
    pen.cutLine({5.4, 5.4}, {10.6, 10.6}, 1.7);
    pen.cutLine({10.6, 5.4}, {5.4, 10.6}, 1.7);
}

void quote(Pen& pen) {
    for (double x : {2.6, 9.0}) {
        pen.fill(circle({x + 2.1, 6.4}, 2.2));
        QPainterPath tail(QPointF(x + 4.2, 6.6));
        tail.cubicTo(x + 4.2, 9.6, x + 2.6, 11.6, x + 0.4, 12.4);
        pen.outline(tail, 1.5);
    }
}

void richText(Pen& pen) {
    QPainterPath page;
    page.addPolygon(QPolygonF({{3, 1.5}, {9.6, 1.5}, {13, 4.9}, {13, 14.5}, {3, 14.5}}));
    page.closeSubpath();
    pen.outline(page);
    pen.polyline({{9.6, 1.5}, {9.6, 4.9}, {13, 4.9}}, 1.2);
    pen.line({5.6, 7.8}, {10.4, 7.8}, 1.2);
    pen.line({5.6, 10.2}, {10.4, 10.2}, 1.2);
    pen.line({5.6, 12.4}, {8.6, 12.4}, 1.2);
}

QPainterPath brace(bool left) {
    const double s = left ? 1 : -1, x = left ? 0 : 16;
    QPainterPath path(QPointF(x + s * 6.2, 1.8));
    path.cubicTo(x + s * 4.4, 1.8, x + s * 4.4, 3.4, x + s * 4.4, 5.4);
    path.lineTo(x + s * 4.4, 6.4);
    path.cubicTo(x + s * 4.4, 7.4, x + s * 3.8, 8, x + s * 2.4, 8);
    path.cubicTo(x + s * 3.8, 8, x + s * 4.4, 8.6, x + s * 4.4, 9.6);
    path.lineTo(x + s * 4.4, 10.6);
    path.cubicTo(x + s * 4.4, 12.6, x + s * 4.4, 14.2, x + s * 6.2, 14.2);
    return path;
}

void braces(Pen& pen) {
    pen.outline(brace(true), 1.4);
    pen.outline(brace(false), 1.4);
}

void undo(Pen& pen) {
    QPainterPath path(QPointF(13, 13.2));
    path.lineTo(13, 9.6);
    path.cubicTo(13, 6.6, 11, 5, 8, 5);
    path.lineTo(3.4, 5);
    pen.outline(path);
    pen.polyline({{6.6, 1.8}, {3.4, 5}, {6.6, 8.2}});
}

void clearHistory(Pen& pen) {
    clockFace(pen, {7, 7}, 5.4);
    pen.cut(circle({12, 12}, 4.2));
    pen.line({10.3, 10.3}, {13.7, 13.7}, 1.5);
    pen.line({13.7, 10.3}, {10.3, 13.7}, 1.5);
}

void search(Pen& pen) {
    magnifier(pen, {6.6, 6.6}, 4.6, 4.4);
}

void appearance(Pen& pen) {
    pen.outline(circle({8, 8}, 6.4), 1.4);
    QPainterPath half(QPointF(8, 8));
    half.arcTo(QRectF(1.6, 1.6, 12.8, 12.8), 90, 180);
    half.closeSubpath();
    pen.fill(half);
}

} // namespace

void draw(QPainter& painter, Symbol which, const QColor& ink) {
    painter.setRenderHint(QPainter::Antialiasing);
    Pen pen(painter, ink);
    switch (which) {
    case Symbol::history:
        return history(pen);
    case Symbol::clipboard:
        return clipboard(pen);
    case Symbol::settings:
        return gear(pen);
    case Symbol::exportResult:
        return share(pen);
    case Symbol::lock:
        return lock(pen);
    case Symbol::warning:
        return warning(pen);
    case Symbol::critical:
        return critical(pen);
    case Symbol::question:
        return question(pen);
    case Symbol::arrowRight:
        return arrow(pen, true);
    case Symbol::back:
        return arrow(pen, false);
    case Symbol::copy:
        return copy(pen);
    case Symbol::check:
        return check(pen);
    case Symbol::send:
        return send(pen);
    case Symbol::logScan:
        return logScan(pen);
    case Symbol::sample:
        return sample(pen);
    case Symbol::clearInput:
        return clearInput(pen);
    case Symbol::quote:
        return quote(pen);
    case Symbol::richText:
        return richText(pen);
    case Symbol::braces:
        return braces(pen);
    case Symbol::undo:
        return undo(pen);
    case Symbol::clearHistory:
        return clearHistory(pen);
    case Symbol::search:
        return search(pen);
    case Symbol::appearance:
        return appearance(pen);
    }
}

} // namespace tindrel::Glyphs
