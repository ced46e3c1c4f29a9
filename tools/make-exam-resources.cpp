// Draws the exam simulator's pictures and synthesises its sounds into
// examsim/resources/: the program icon, the logo "Logo2" (80 x 96), the six
// 32 x 32 answer pictures (magenta = transparent) and the four WAV sounds
// (22,050 Hz, mono, 16-bit).
//
//   make-exam-resources <output folder>
//   make-exam-resources --icons <output folder>
//
// The second form draws only the icon, at the sizes the desktop's icon theme
// asks for, as ulvorane-<size>.png (packaging/icons/ holds them).
//
// The output is committed; run this again only to change a picture or a
// sound, then look at the pictures before committing them.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr int SampleRate = 22050;

// --- Pictures ---------------------------------------------------------------

// Colour the pictures sit on in the window; partly covered edge pixels are
// blended with it, since a mask can only hide a pixel or show it whole.
const QColor WindowGrey(239, 239, 239);
const QColor Magenta(255, 0, 255);

// Flattens an antialiased drawing to the opaque picture-with-magenta form.
QImage withMagentaBackground(const QImage& drawing) {
    QImage out(drawing.size(), QImage::Format_RGB888);
    for (int y = 0; y < drawing.height(); ++y) {
        for (int x = 0; x < drawing.width(); ++x) {
            const QColor c = drawing.pixelColor(x, y);
            const double a = c.alphaF();
            if (a < 0.3) {
                out.setPixelColor(x, y, Magenta);
                continue;
            }
            auto mix = [a](int fg, int bg) { return int(std::lround(fg * a + bg * (1 - a))); };
            out.setPixelColor(x, y, QColor(mix(c.red(), WindowGrey.red()),
                                           mix(c.green(), WindowGrey.green()),
                                           mix(c.blue(), WindowGrey.blue())));
        }
    }
    return out;
}

QImage canvas(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage drawPicture(const std::function<void(QPainter&)>& draw) {
    QImage image = canvas(32, 32);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p);
    }
    return withMagentaBackground(image);
}

void drawBullet(QPainter& p) {
    QRadialGradient shade(QPointF(14, 13), 9);
    shade.setColorAt(0, QColor(90, 90, 90));
    shade.setColorAt(1, QColor(0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(QPointF(16, 16), 7, 7);
}

void drawCheck(QPainter& p) {
    QPainterPath tick;
    tick.moveTo(5, 17);
    tick.lineTo(12.5, 25);
    tick.lineTo(27, 7);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 70, 0), 6.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    p.setPen(QPen(QColor(20, 170, 40), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
}

// A hand pointing right at the answer that was expected.
void drawFinger(QPainter& p) {
    const QColor skin(255, 214, 160), outline(120, 70, 20);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 0, 200));
    p.drawEllipse(QPointF(16, 16), 15, 12);

    QPainterPath hand;
    hand.addRoundedRect(QRectF(3, 11, 14, 13), 4, 4);            // fist
    hand.addRoundedRect(QRectF(12, 11, 17, 5.5), 2.75, 2.75);    // index finger
    QPainterPath knuckles;
    for (int i = 0; i < 3; ++i) knuckles.addRoundedRect(QRectF(12, 16.5 + 2.6 * i, 7, 3), 1.5, 1.5);
    hand = hand.united(knuckles);
    p.setPen(QPen(outline, 1.3));
    p.setBrush(skin);
    p.drawPath(hand.simplified());
    p.setPen(QPen(outline, 0.9));
    p.drawLine(QPointF(13, 19), QPointF(18, 19));
    p.drawLine(QPointF(13, 21.6), QPointF(18, 21.6));
    // Cuff
    p.setPen(QPen(QColor(20, 50, 120), 1));
    p.setBrush(QColor(60, 100, 200));
    p.drawRoundedRect(QRectF(1, 10.5, 4, 14), 1.5, 1.5);
}

void drawCross(QPainter& p, const QColor& dark, const QColor& light) {
    QPainterPath cross;
    cross.moveTo(8, 8);
    cross.lineTo(24, 24);
    cross.moveTo(24, 8);
    cross.lineTo(8, 24);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(dark, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cross);
    p.setPen(QPen(light, 4.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cross);
}

// A lattice mast with radio waves on both sides.
void drawMast(QPainter& p, const QRectF& box, const QColor& mast, const QColor& waves) {
    const double cx = box.center().x();
    const double top = box.top() + box.height() * 0.18;
    const double bottom = box.bottom();
    const double half = box.width() * 0.16;
    p.setBrush(Qt::NoBrush);
    const double w = std::max(1.0, box.width() / 26);
    p.setPen(QPen(mast, w * 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPolygonF legs;
    legs << QPointF(cx - half, bottom) << QPointF(cx, top) << QPointF(cx + half, bottom);
    p.drawPolyline(legs);
    p.setPen(QPen(mast, w * 0.8, Qt::SolidLine, Qt::RoundCap));
    const int rungs = 4;
    for (int i = 1; i <= rungs; ++i) {
        const double t0 = double(i) / (rungs + 1), t1 = double(i + 1) / (rungs + 1);
        const double y0 = top + (bottom - top) * t0, y1 = top + (bottom - top) * std::min(t1, 1.0);
        const double h0 = half * t0, h1 = half * std::min(t1, 1.0);
        p.drawLine(QPointF(cx - h0, y0), QPointF(cx + h0, y0));
        p.drawLine(QPointF(cx - h0, y0), QPointF(cx + h1, y1));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(waves);
    const double r = box.width() / 14;
    p.drawEllipse(QPointF(cx, top), r, r);
    p.setBrush(Qt::NoBrush);
    for (int k = 1; k <= 2; ++k) {
        const double radius = box.width() * (0.14 + 0.12 * k);
        QColor c = waves;
        c.setAlphaF(1.0 - 0.25 * (k - 1));
        p.setPen(QPen(c, w * 1.1, Qt::SolidLine, Qt::RoundCap));
        const QRectF arc(cx - radius, top - radius, 2 * radius, 2 * radius);
        p.drawArc(arc, -40 * 16, 80 * 16);
        p.drawArc(arc, 140 * 16, 80 * 16);
    }
}

QImage drawIcon(int size) {
    QImage image = canvas(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size);
    sky.setColorAt(0, QColor(30, 70, 150));
    sky.setColorAt(1, QColor(10, 30, 80));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), size * 0.18, size * 0.18);
    drawMast(p, QRectF(size * 0.1, size * 0.08, size * 0.8, size * 0.84), Qt::white,
             QColor(255, 190, 40));
    return image;
}

QImage drawLogo() {
    QImage image(80, 96, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(10, 30, 80));
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        QLinearGradient sky(0, 0, 0, 96);
        sky.setColorAt(0, QColor(40, 90, 175));
        sky.setColorAt(0.75, QColor(12, 35, 90));
        p.fillRect(QRectF(0, 0, 80, 96), sky);
        drawMast(p, QRectF(8, 4, 64, 58), Qt::white, QColor(255, 190, 40));
        // A strip of ground under the mast.
        p.fillRect(QRectF(0, 62, 80, 2), QColor(255, 190, 40));
        QFont name(QStringLiteral("DejaVu Sans"));
        name.setPixelSize(13);
        name.setBold(true);
        p.setFont(name);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 64, 80, 17), Qt::AlignCenter, QStringLiteral("Ulvorane"));
        QFont sub(QStringLiteral("DejaVu Sans"));
        sub.setPixelSize(9);
        p.setFont(sub);
        p.setPen(QColor(200, 215, 240));
        p.drawText(QRectF(0, 80, 80, 13), Qt::AlignCenter, QStringLiteral("exam \u2022 examen"));
        p.setPen(QPen(QColor(255, 255, 255, 90), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 0.5, 79, 95));
    }
    return image.convertToFormat(QImage::Format_RGB888);
}

// --- Sounds -------------------------------------------------------------------

using Samples = std::vector<double>;

// Raised-cosine ramps keep a tone from clicking where it starts and stops.
double ramp(double t, double length, double edge) {
    if (t < edge) return 0.5 - 0.5 * std::cos(Pi * t / edge);
    if (t > length - edge) return 0.5 - 0.5 * std::cos(Pi * (length - t) / edge);
    return 1.0;
}

void addTone(Samples& s, double start, double length, double frequency, double level) {
    const int first = int(start * SampleRate), count = int(length * SampleRate);
    for (int i = 0; i < count && first + i < int(s.size()); ++i) {
        const double t = double(i) / SampleRate;
        s[size_t(first + i)] += level * ramp(t, length, 0.005) * std::sin(2 * Pi * frequency * t);
    }
}

// Morse R (dit dah dit) at about 28 words a minute, in a 700 Hz note.
Samples soundGood() {
    Samples s(size_t(0.30 * SampleRate), 0.0);
    const double unit = 0.040;
    addTone(s, 0, unit, 700, 0.6);
    addTone(s, 2 * unit, 3 * unit, 700, 0.6);
    addTone(s, 6 * unit, unit, 700, 0.6);
    return s;
}

// A spring's "boing": a low note that falls and wobbles as it dies away.
Samples soundBad() {
    Samples s(size_t(0.54 * SampleRate), 0.0);
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / SampleRate;
        const double f = 150 + 140 * std::exp(-t * 7) + 18 * std::sin(2 * Pi * 11 * t) * std::exp(-t * 2);
        phase += 2 * Pi * f / SampleRate;
        const double envelope = std::min(1.0, t / 0.004) * std::exp(-t * 5.5);
        s[i] = 0.7 * envelope * (std::sin(phase) + 0.35 * std::sin(2 * phase) + 0.12 * std::sin(3 * phase));
    }
    return s;
}

// A short, dry tick.
Samples soundCheck() {
    Samples s(size_t(0.05 * SampleRate), 0.0);
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / SampleRate;
        const double envelope = std::min(1.0, t / 0.0008) * std::exp(-t * 140);
        s[i] = 0.75 * envelope * (std::sin(2 * Pi * 1900 * t) + 0.5 * std::sin(2 * Pi * 3100 * t));
    }
    return s;
}

// A "bloop": a bubble-like note that rises quickly.
Samples soundUncheck() {
    Samples s(size_t(0.07 * SampleRate), 0.0);
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / SampleRate;
        const double f = 320 + 700 * (t / 0.07) * (t / 0.07);
        phase += 2 * Pi * f / SampleRate;
        s[i] = 0.7 * std::sin(Pi * t / 0.07) * std::sin(phase);
    }
    return s;
}

void putLe(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += char((value >> (8 * i)) & 0xFF);
}

bool writeWav(const std::string& path, const Samples& samples) {
    std::string data;
    for (double v : samples) {
        const long q = std::lround(std::max(-1.0, std::min(1.0, v)) * 32767);
        putLe(data, uint32_t(uint16_t(int16_t(q))), 2);
    }
    std::string out = "RIFF";
    putLe(out, uint32_t(36 + data.size()), 4);
    out += "WAVEfmt ";
    putLe(out, 16, 4);
    putLe(out, 1, 2);                 // PCM
    putLe(out, 1, 2);                 // mono
    putLe(out, SampleRate, 4);
    putLe(out, SampleRate * 2, 4);    // bytes a second
    putLe(out, 2, 2);                 // block
    putLe(out, 16, 2);                // bits
    out += "data";
    putLe(out, uint32_t(data.size()), 4);
    out += data;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const bool iconsOnly = argc == 3 && std::string(argv[1]) == "--icons";
    if (argc != 2 && !iconsOnly) {
        std::fprintf(stderr, "usage: make-exam-resources <output folder>\n"
                             "       make-exam-resources --icons <output folder>\n");
        return 2;
    }
    const std::string folder = argv[argc - 1];
    if (!QDir().mkpath(QString::fromLocal8Bit(folder.c_str()))) {
        std::fprintf(stderr, "make-exam-resources: cannot create the folder %s\n", folder.c_str());
        return 1;
    }
    bool ok = true;
    auto save = [&](const QImage& image, const std::string& name, const char* format) {
        const std::string path = folder + "/" + name;
        if (!image.save(QString::fromStdString(path), format)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            ok = false;
        }
    };
    if (iconsOnly) {
        for (int size : {16, 32, 48, 64, 128, 256})
            save(drawIcon(size), "ulvorane-" + std::to_string(size) + ".png", "PNG");
        return ok ? 0 : 1;
    }
    save(drawIcon(64), "ProgIcon.png", "PNG");
    save(drawLogo(), "Logo2.bmp", "BMP");
    save(drawPicture([](QPainter&) {}), "Blank.bmp", "BMP");
    save(drawPicture(drawBullet), "BulletBlk.bmp", "BMP");
    save(drawPicture(drawCheck), "CheckGrn.bmp", "BMP");
    save(drawPicture(drawFinger), "FingerHiLite.bmp", "BMP");
    save(drawPicture([](QPainter& p) { drawCross(p, QColor(0, 90, 100), QColor(0, 215, 215)); }),
         "XMarkTurquoise.bmp", "BMP");
    save(drawPicture([](QPainter& p) { drawCross(p, QColor(80, 80, 80), QColor(165, 165, 165)); }),
         "XMarkGray.bmp", "BMP");

    const struct {
        const char* name;
        Samples (*make)();
    } sounds[] = {{"SoundGood", soundGood},
                  {"SoundBad", soundBad},
                  {"SoundCheck", soundCheck},
                  {"SoundUncheck", soundUncheck}};
    for (const auto& sound : sounds) {
        const std::string path = folder + "/" + sound.name + ".wav";
        if (!writeWav(path, sound.make())) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
