#include "puzzle/ui/tilerender.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPolygon>
#include <QScreen>
#include <array>
#include <cctype>
#include <cmath>
#include <numbers>
#include <cstdlib>

#include "toolkit/gui/qtext.h"
#include "toolkit/text.h"

namespace {

constexpr double Sin45 = 0.70711;
constexpr double Sin60 = 0.86603;

int rnd(double v) { return static_cast<int>(roundHalfEven(v)); }

// Proportional drawing on a W x H tile: coordinates are fractions of the
// tile's size, rounded to whole pixels.
class TilePainter {
public:
    TilePainter(QImage& image, const TileColours& colours)
        : W(image.width()), H(image.height()), colours_(colours), p_(&image) {
        p_.setRenderHint(QPainter::Antialiasing, false);
        hollow();
    }

    QPoint at(double fx, double fy) const { return {rnd(fx * W), rnd(fy * H)}; }
    QPoint px(double x, double y) const { return {rnd(x), rnd(y)}; }

    void hollow() {
        p_.setPen(QPen(colours_.Line, 1));
        p_.setBrush(Qt::NoBrush);
    }
    void filled(const QColor& fill) {
        p_.setPen(QPen(colours_.Line, 1));
        p_.setBrush(fill);
    }

    void line(QPoint a, QPoint b) { p_.drawLine(a, b); }
    void polygon(std::initializer_list<QPoint> points) { p_.drawPolygon(QPolygon(points)); }
    void polyline(std::initializer_list<QPoint> points) { p_.drawPolyline(QPolygon(points)); }
    void dot(int x, int y) { p_.drawPoint(x, y); }
    QPainter& painter() { return p_; }

    const int W, H;

private:
    const TileColours& colours_;
    QPainter p_;
};

// Corner to corner, both included, as the outline of a drawn rectangle.
void box(TilePainter& t, double x0, double y0, double x1, double y1) {
    t.painter().drawRect(QRect(t.at(x0, y0), t.at(x1, y1)).adjusted(0, 0, -1, -1));
}

void drawSymbol(TilePainter& t, const std::string& kind, const TileColours& colours) {
    const double W = t.W, H = t.H;
    if (kind == "NONE") return;
    if (kind == "DBOX") {
        // Set pixel by pixel so the dashes can be cut along the same pixels.
        const int x0 = rnd(0.1 * W), y0 = rnd(0.1 * H), x1 = rnd(0.9 * W), y1 = rnd(0.9 * H);
        for (int x = x0; x <= x1; ++x) t.dot(x, y0), t.dot(x, y1);
        for (int y = y0; y <= y1; ++y) t.dot(x0, y), t.dot(x1, y);
    } else if (kind == "DOT") {
        t.filled(colours.Line);
        t.painter().drawEllipse(QRect(t.px(W / 2 - 4, H / 2 - 4), t.px(W / 2 + 4, H / 2 + 4)));
    } else if (kind == "AMP") {
        t.polygon({t.at(0.9, 0.5), t.at(0.1, 0.1), t.at(0.1, 0.9)});
    } else if (kind == "MIX") {
        const double m = std::min(W, H);
        t.painter().drawEllipse(QRect(t.px((W - m) / 2 + 0.1 * W, (H - m) / 2 + 0.1 * H),
                                      t.px(0.9 * W - (W - m) / 2, 0.9 * H - (H - m) / 2)));
        const double d = 0.4 * Sin45 * m;
        t.line(t.px(0.5 * W - d, 0.5 * H + d), t.px(0.5 * W + d, 0.5 * H - d));
        t.line(t.px(0.5 * W - d, 0.5 * H - d), t.px(0.5 * W + d, 0.5 * H + d));
    } else if (kind == "ANT") {
        t.line(t.at(0.5, 0.5), t.at(0.5, 0.2));
        const double dx = 0.24 * Sin45 * W, dy = 0.24 * Sin45 * H;
        t.line(t.at(0.5, 0.35), t.px(0.5 * W + dx, 0.35 * H - dy));
        t.line(t.at(0.5, 0.35), t.px(0.5 * W - dx, 0.35 * H - dy));
    } else if (kind == "MIKE") {
        // Right half of the ellipse, bottom through rightmost to top.
        t.painter().drawArc(QRect(t.at(0, 0.35), t.at(0.4, 0.65)), 270 * 16, 180 * 16);
        t.line(t.at(0.2, 0.35), t.at(0.2, 0.65));
        t.line(t.at(0.4, 0.5), t.at(0.5, 0.5));
    } else if (kind == "SPKR") {
        box(t, 0.55, 0.35, 0.65, 0.65);
        t.polygon({t.at(0.65, 0.35), t.at(0.8, 0.25), t.at(0.8, 0.75), t.at(0.65, 0.65)});
        t.line(t.at(0.5, 0.5), t.at(0.55, 0.5));
    } else if (kind == "DMLD") {
        t.polyline({t.at(0.5, 0.32), t.at(0.56, 0.38), t.at(0.44, 0.44), t.at(0.56, 0.5),
                    t.at(0.44, 0.56), t.at(0.56, 0.62), t.at(0.5, 0.68)});
        t.line(t.at(0.5, 0.25), t.at(0.5, 0.32));
        t.line(t.at(0.5, 0.68), t.at(0.5, 0.75));
        box(t, 0.2, 0.2, 0.8, 0.8);
    } else if (kind == "FLT") {
        const int x0 = rnd(0.25 * W), x1 = rnd(0.75 * W);
        std::array<int, 3> axes{};
        axes[0] = rnd(0.32 * H);
        for (size_t i = 1; i < axes.size(); ++i) axes[i] = rnd(axes[i - 1] + 0.18 * H);
        for (int y : axes)
            for (int x = x0; x <= x1; ++x)
                t.dot(x, rnd(y + 3 * std::sin(2 * std::numbers::pi * (x - x0) / (x1 - x0))));
        box(t, 0.2, 0.2, 0.8, 0.8);
        const int xc = rnd(0.5 * W);
        const double sx = 0.1 * Sin45 * W, sy = 0.1 * Sin45 * H;
        for (int y : axes) t.line(t.px(xc - sx, y + sy), t.px(xc + sx, y - sy));
    } else if (kind == "KEY") {
        t.line(t.at(0.6, 0.5), t.px(0.6 * W - 0.3 * Sin60 * W, 0.5 * H - 0.3 * 0.5 * H));
        t.filled(colours.Background);
        t.painter().drawEllipse(QRect(t.px(0.6 * W - 4, 0.5 * H - 4), t.px(0.6 * W + 4, 0.5 * H + 4)));
        t.hollow();
        const double px = 0.6 * W - 0.2 * Sin60 * W, py = 0.5 * H - 0.2 * 0.5 * H;
        const double qx = px + 0.06 * 0.5 * W, qy = py - 0.06 * Sin60 * H;
        t.line(t.px(px, py), t.px(qx, qy));
        t.line(t.px(qx - 0.06 * Sin60 * W, qy - 0.06 * 0.5 * H),
               t.px(qx + 0.06 * Sin60 * W, qy + 0.06 * 0.5 * H));
        t.polyline({t.at(0.22, 0.73), t.at(0.27, 0.66), t.at(0.49, 0.66), t.at(0.44, 0.73)});
        t.polyline({t.at(0.33, 0.73), t.at(0.38, 0.66), t.at(0.38, 0.46)});
        t.filled(colours.Line);
        t.painter().drawPolygon(QPolygon(
            {t.at(0.38, 0.46), t.px(0.38 * W - 0.06 * 0.5 * W, 0.46 * H + 0.06 * Sin60 * H),
             t.px(0.38 * W + 0.06 * 0.5 * W, 0.46 * H + 0.06 * Sin60 * H)}));
        t.hollow();
    } else if (kind == "CONS") {
        t.polygon({t.at(0.38, 0.66), t.at(0.8, 0.66), t.at(0.8, 0.32), t.at(0.5, 0.25)});
        t.polygon({t.at(0.12, 0.8), t.at(0.38, 0.8), t.at(0.38, 0.71), t.at(0.12, 0.75)});
        t.polyline({t.at(0.38, 0.76), t.at(0.84, 0.76), t.at(0.84, 0.6), t.at(0.8, 0.6)});
    } else {
        box(t, 0.1, 0.1, 0.9, 0.9);  // BOX and any word the table does not know
    }
}

// Walks in from the edge until the symbol's outline (a pixel unlike the
// background) or about half the tile; nothing for an item that names no side.
bool walkStub(const QImage& image, const std::string& item, QRgb reference, StubPath& path) {
    const int W = image.width(), H = image.height();
    int dx = 0, dy = 0;
    switch (item.empty() ? ' ' : item[0]) {
    case 'L': path.Start = {0, rnd(H / 2.0)}, dx = 1; break;
    case 'R': path.Start = {W, rnd(H / 2.0)}, dx = -1; break;
    case 'T': path.Start = {rnd(W / 2.0), 0}, dy = 1; break;
    case 'B': path.Start = {rnd(W / 2.0), H}, dy = -1; break;
    default: return false;
    }
    QPoint p = path.Start + QPoint(dx, dy);
    while (true) {
        if (!image.valid(p) || image.pixel(p) != reference) break;
        if (std::abs(p.x() + 1 - path.Start.x()) > W / 2.0 ||
            std::abs(p.y() + 1 - path.Start.y()) > H / 2.0)
            break;
        p += QPoint(dx, dy);
    }
    path.Stop = p;
    path.Arrow = item.size() > 1 && item[1] == 'I';
    return true;
}

void drawStub(QImage& image, const StubPath& s, const TileColours& colours) {
    const double W = image.width(), H = image.height();
    TilePainter t(image, colours);
    t.line(s.Start, s.Stop);
    if (!s.Arrow) return;
    const int dx = s.Start.x() == 0 ? 1 : s.Start.x() == image.width() ? -1 : 0;
    const int dy = dx != 0 ? 0 : s.Start.y() == 0 ? 1 : -1;
    const QPointF tip = s.Stop;
    QPolygon head;
    if (dx != 0)
        head << s.Stop << t.px(tip.x() - 0.05 * W * dx, tip.y() - 0.05 * H * 0.5)
             << t.px(tip.x() - 0.05 * W * dx, tip.y() + 0.05 * H * 0.5);
    else
        head << s.Stop << t.px(tip.x() - 0.05 * W * 0.5, tip.y() - 0.05 * H * dy)
             << t.px(tip.x() + 0.05 * W * 0.5, tip.y() - 0.05 * H * dy);
    t.filled(colours.Line);
    t.painter().drawPolygon(head);
}

// Dashes of 3 pixels every 8 along each side, counted from the side's start.
void cutDashes(QImage& image, const QColor& background) {
    const int W = image.width(), H = image.height();
    const int x0 = rnd(0.1 * W), y0 = rnd(0.1 * H), x1 = rnd(0.9 * W), y1 = rnd(0.9 * H);
    auto cut = [&](int x, int y, int k) {
        if (roundHalfEven(k / 4.0) % 2 == 0 && image.valid(x, y)) image.setPixelColor(x, y, background);
    };
    for (int x = x0; x <= x1; ++x) cut(x, y0, x - x0), cut(x, y1, x - x0);
    for (int y = y0; y <= y1; ++y) cut(x1, y, y - y0), cut(x0, y, y - y0);
}

// A placement code's leading number ("0.6R" is 0.6); no number gives 0.
double placementFraction(const std::string& code) {
    size_t n = 0;
    while (n < code.size() && (std::isdigit(static_cast<unsigned char>(code[n])) || code[n] == '.'))
        ++n;
    return n == 0 ? 0.0 : std::atof(code.substr(0, n).c_str());
}

// Room kept free on each side of a label.
constexpr int LabelMargin = 2;

// The tile font, or a smaller one where a line of the label would run over
// the tile (the size is fitted to the widest line of the file, which another
// language's labels, longer words, may pass).
QFont fittedToWidth(const QFont& font, const std::vector<std::string>& lines, int room, const QImage& image) {
    const auto widest = [&](const QFont& f) {
        const QFontMetrics fm(f, &image);
        int width = 0;
        for (const std::string& line : lines) width = std::max(width, fm.horizontalAdvance(toQString(line)));
        return width;
    };
    const int width = widest(font);
    if (width <= room || width == 0) return font;
    QFont smaller = font;
    double points = font.pointSizeF() * room / width;
    constexpr double Smallest = 4.0;
    for (; points > Smallest; points -= 0.5) {
        smaller.setPointSizeF(points);
        if (widest(smaller) <= room) return smaller;
    }
    smaller.setPointSizeF(Smallest);
    return smaller;
}

void drawLabel(QImage& image, const std::string& label, const std::string& kind, const TileColours& colours,
               const TileFonts& fonts) {
    const LabelParts parts = splitLabel(label);
    const int W = image.width(), H = image.height();
    QPainter p(&image);
    p.setPen(Qt::black);
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(colours.Background);
    if (parts.Code == "S") {
        p.setFont(fonts.Slanted);
        p.translate(10, 2);
        p.rotate(45);  // y grows downwards: the text runs down to the right
        p.drawText(QPoint(0, QFontMetrics(fonts.Slanted, &image).ascent()), toQString(parts.Text));
        return;
    }
    const std::vector<std::string> lines =
        parts.Code == "C" ? splitFields(parts.Text, '\\') : std::vector<std::string>{parts.Text};
    // A centred label of a box stays inside the box's outline, others inside the tile.
    const bool boxed = parts.Code == "C" && (kind == "BOX" || kind == "DBOX");
    const int room = boxed ? rnd(0.8 * W) - 2 * LabelMargin - 2 : W - 2 * LabelMargin;
    const QFont font = fittedToWidth(fonts.Tile, lines, room, image);
    p.setFont(font);
    const QFontMetrics fm(font, &image);
    if (parts.Code == "C") {
        const int n = static_cast<int>(lines.size());
        const int lineHeight = fm.height();  // the height of "XYZ": the font's whole height
        int top = rnd((H - (n * lineHeight + 2 * (n - 1))) / 2.0);
        for (const std::string& line : lines) {
            const QString text = toQString(line);
            p.drawText(QPoint(rnd((W - fm.horizontalAdvance(text)) / 2.0), top + fm.ascent()), text);
            top += lineHeight + 2;
        }
        return;
    }
    const QString text = toQString(parts.Text);
    const int width = fm.horizontalAdvance(text);
    const int top = rnd(placementFraction(parts.Code) * H);
    int left = LabelMargin;
    if (!parts.Code.empty() && parts.Code.back() == 'R') left = std::max(LabelMargin, W - width - 4);
    else if (!parts.Code.empty() && parts.Code.back() == 'C') left = rnd((W - width) / 2.0);
    p.drawText(QPoint(left, top + fm.ascent()), text);
}

}  // namespace

TileColours tileColours(int depth) {
    if (depth == 8) return {Qt::black, Qt::white};
    return {QColor(128, 128, 128), QColor(255, 255, 204)};
}

int displayDepth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 0;
}

double screenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

QImage newSurface(QSize size, const QColor& fill) {
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    const int dpm = rnd(screenDpi() / 0.0254);
    image.setDotsPerMeterX(dpm);
    image.setDotsPerMeterY(dpm);
    image.fill(fill);
    return image;
}

QFont puzzleFont(const std::string& face, int points, bool bold) {
    QFont font(toQString(face));
    font.setPointSize(std::max(points, 1));
    font.setBold(bold);
    return font;
}

void measureLabelsWithTileFonts() {
    fontMetricsPort().textWidth = [](const std::string& face, int size, bool bold,
                                     const std::string& text) {
        return QFontMetrics(puzzleFont(face, size, bold)).horizontalAdvance(toQString(text));
    };
}

int fitTileFontPoints(const std::string& face, const std::string& widestLine, int tileWidth) {
    const QString line = toQString(trimSpaces(widestLine));
    for (int points : TileFontSizes)
        if (QFontMetrics(puzzleFont(face, points, true)).horizontalAdvance(line) <= 0.88 * tileWidth)
            return points;
    return TileFontSizes[std::size(TileFontSizes) - 1];
}

int fitOkSignPoints(const std::string& face, int innerWidth) {
    for (int points : OkSignFontSizes)
        if (QFontMetrics(puzzleFont(face, points, true)).horizontalAdvance(QStringLiteral("OK")) <=
            0.8 * innerWidth)
            return points;
    return OkSignFontSizes[std::size(OkSignFontSizes) - 1];
}

TileFonts tileFonts(const std::string& face, int points) {
    return {puzzleFont(face, points, true), puzzleFont(face, points, false)};
}

QImage drawTile(const Tile& tile, QSize size, const TileColours& colours, const TileFonts& fonts,
                std::vector<StubPath>* stubs) {
    QImage image = newSurface(size, colours.Background);
    const QRgb reference = image.pixel(std::min(4, image.width() - 1), std::min(4, image.height() - 1));
    const std::string kind = trimSpaces(tile.Kind);
    {
        TilePainter painter(image, colours);
        drawSymbol(painter, kind, colours);
    }
    for (const std::string& field : splitFields(trimSpaces(tile.Connectors), ',')) {
        StubPath path;
        if (!walkStub(image, upperCase(trimSpaces(field)), reference, path)) continue;
        drawStub(image, path, colours);
        if (stubs) stubs->push_back(path);
    }
    if (kind == "DBOX") cutDashes(image, colours.Background);
    if (!trimSpaces(tile.Label).empty()) drawLabel(image, tile.Label, kind, colours, fonts);
    return image;
}

QImage drawCellFrame(QSize size) {
    QImage image = newSurface(size, Qt::white);
    QPainter p(&image);
    p.setPen(QPen(QColor(0, 0, 255), 1));
    p.drawRect(0, 0, image.width() - 1, image.height() - 1);
    return image;
}

QImage drawOkSign(QSize size, bool crossedOut, const QFont& okFont, const QColor& background) {
    QImage image = newSurface(size, background);
    const int w = image.width() - 1, h = image.height() - 1;
    const QColor frame = crossedOut ? QColor(255, 0, 0) : QColor(0, 255, 0);
    QPainter p(&image);
    p.setPen(QPen(frame, 6, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(0, 0, w, h);
    p.setFont(okFont);
    p.setPen(Qt::black);
    const QFontMetrics fm(okFont, &image);
    const QString ok = QStringLiteral("OK");
    p.drawText(QPoint((w - fm.horizontalAdvance(ok)) / 2, (h - fm.height()) / 2 + fm.ascent()), ok);
    if (crossedOut) {
        p.setPen(QPen(frame, 3));
        p.drawLine(0, h, w, 0);
    }
    return image;
}
