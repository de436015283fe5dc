// Draws the program's own pictures: the window icon, the two backgrounds, the refresh
// button icon and the busy animation. The files it writes are committed next to the
// resource file; run this again only to change the artwork:
//
//   g++ -std=c++17 -fPIC makeartwork.cpp $(pkg-config --cflags --libs Qt5Gui) -o makeartwork
//   QT_QPA_PLATFORM=offscreen ./makeartwork <resources folder>
//
// Qt writes PNG but no GIF, and its ICO writer holds one size only, so the icon file
// and the animation are encoded here.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QVector>
#include <QtMath>

#include <cstdio>
#include <map>

namespace {

const QColor deepBlue(11, 61, 110);
const QColor midBlue(25, 118, 184);
const QColor orange(255, 167, 38);

void appendLe16(QByteArray &out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

void appendLe32(QByteArray &out, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// The globe with its orbit and satellite, drawn in a 64 x 64 design box.
void drawMark(QPainter &p, const QColor &line, const QColor &orbit, qreal lineWidth)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(line, 2.6 * lineWidth));
    p.drawEllipse(QPointF(32, 33), 17, 17);
    p.setPen(QPen(line, 1.6 * lineWidth));
    p.drawEllipse(QPointF(32, 33), 7, 17);
    p.drawLine(QPointF(15, 33), QPointF(49, 33));
    p.drawLine(QPointF(18, 24), QPointF(46, 24));
    p.drawLine(QPointF(18, 42), QPointF(46, 42));

    p.save();
    p.translate(32, 33);
    p.rotate(-28);
    p.setPen(QPen(orbit, 2.6 * lineWidth));
    p.drawArc(QRectF(-28, -10, 56, 20), 200 * 16, 320 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(orbit);
    p.drawEllipse(QPointF(24.5, -5), 4.2, 4.2);
    p.restore();
}

QImage iconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    QLinearGradient fill(0, 0, 0, 64);
    fill.setColorAt(0, midBlue);
    fill.setColorAt(1, deepBlue);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(1, 1, 62, 62), 12, 12);
    // Small sizes get heavier strokes so the mark survives the scaling.
    drawMark(p, Qt::white, orange, size <= 16 ? 1.5 : size <= 32 ? 1.2 : 1.0);
    return image;
}

// An icon file of 32-bit device-independent bitmaps, one per size.
QByteArray icoFile(const QVector<int> &sizes)
{
    QByteArray directory;
    QByteArray images;
    appendLe16(directory, 0);
    appendLe16(directory, 1);
    appendLe16(directory, sizes.size());
    const int dataStart = 6 + 16 * sizes.size();
    for (int size : sizes) {
        const QImage image = iconImage(size);
        QByteArray entry;
        appendLe32(entry, 40);
        appendLe32(entry, size);
        appendLe32(entry, 2 * size); // colour rows and mask rows
        appendLe16(entry, 1);
        appendLe16(entry, 32);
        appendLe32(entry, 0);
        const int maskRow = ((size + 31) / 32) * 4;
        appendLe32(entry, size * size * 4 + maskRow * size);
        for (int i = 0; i < 4; ++i)
            appendLe32(entry, 0);
        for (int y = size - 1; y >= 0; --y) {
            for (int x = 0; x < size; ++x)
                appendLe32(entry, image.pixel(x, y)); // stored as B, G, R, A
        }
        for (int y = size - 1; y >= 0; --y) {
            QByteArray row(maskRow, 0);
            for (int x = 0; x < size; ++x) {
                if (qAlpha(image.pixel(x, y)) == 0)
                    row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
            }
            entry.append(row);
        }
        directory.append(char(size >= 256 ? 0 : size));
        directory.append(char(size >= 256 ? 0 : size));
        directory.append(char(0));
        directory.append(char(0));
        appendLe16(directory, 1);
        appendLe16(directory, 32);
        appendLe32(directory, entry.size());
        appendLe32(directory, dataStart + images.size());
        images.append(entry);
    }
    return directory + images;
}

// The connection screen's picture: night sky, the limb of the Earth and satellites
// on their orbits.
QImage connectionBackground()
{
    const int w = 1500, h = 1492;
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0.0, QColor(6, 18, 40));
    sky.setColorAt(0.55, QColor(12, 44, 86));
    sky.setColorAt(1.0, QColor(20, 74, 122));
    p.fillRect(image.rect(), sky);

    QRadialGradient glow(QPointF(520, 620), 700);
    glow.setColorAt(0, QColor(70, 140, 210, 90));
    glow.setColorAt(1, QColor(70, 140, 210, 0));
    p.fillRect(image.rect(), glow);

    QRandomGenerator random(20240611);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 420; ++i) {
        const QPointF at(random.bounded(w), random.bounded(int(h * 0.78)));
        const qreal r = 0.6 + random.bounded(1.6);
        p.setBrush(QColor(255, 255, 255, 40 + random.bounded(150)));
        p.drawEllipse(at, r, r);
    }

    // The Earth, its centre far below the picture.
    const QPointF earth(620, 2520);
    const qreal radius = 1380;
    QRadialGradient atmosphere(earth, radius + 90);
    atmosphere.setColorAt(radius / (radius + 90) - 0.01, QColor(120, 200, 255, 140));
    atmosphere.setColorAt(1.0, QColor(120, 200, 255, 0));
    p.setBrush(atmosphere);
    p.drawEllipse(earth, radius + 90, radius + 90);
    QRadialGradient ground(QPointF(620, 1250), radius);
    ground.setColorAt(0, QColor(38, 120, 160));
    ground.setColorAt(1, QColor(10, 46, 78));
    p.setBrush(ground);
    p.drawEllipse(earth, radius, radius);

    QPainterPath disc;
    disc.addEllipse(earth, radius, radius);
    p.save();
    p.setClipPath(disc);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 215, 240, 55), 2));
    for (int i = -6; i <= 6; ++i) {
        const qreal rx = qAbs(i) * radius / 6.5;
        p.drawEllipse(earth, rx, radius);
    }
    for (int i = 1; i <= 8; ++i) {
        const qreal y = earth.y() - radius * qCos(i * 0.075);
        const qreal half = radius * qSin(i * 0.075);
        p.drawLine(QPointF(earth.x() - half * 3, y), QPointF(earth.x() + half * 3, y));
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(170, 225, 255, 160), 3));
    p.drawEllipse(earth, radius, radius);

    // Orbits with their satellites.
    struct Orbit { qreal rx, ry, angle; QColor colour; qreal satellite; };
    const Orbit orbits[] = {
        {860, 300, -14, QColor(140, 200, 255, 110), 215},
        {1020, 420, 9, QColor(140, 200, 255, 80), 320},
        {700, 520, -38, QColor(255, 190, 90, 95), 140},
    };
    for (const Orbit &o : orbits) {
        p.save();
        p.translate(640, 760);
        p.rotate(o.angle);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(o.colour, 2.2));
        p.drawEllipse(QPointF(0, 0), o.rx, o.ry);
        const QPointF at(o.rx * qCos(qDegreesToRadians(o.satellite)),
                         o.ry * qSin(qDegreesToRadians(o.satellite)));
        QRadialGradient halo(at, 26);
        QColor bright = o.colour;
        bright.setAlpha(180);
        halo.setColorAt(0, bright);
        halo.setColorAt(1, QColor(bright.red(), bright.green(), bright.blue(), 0));
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(at, 26, 26);
        p.setBrush(QColor(255, 255, 255, 230));
        p.drawEllipse(at, 5.5, 5.5);
        p.restore();
    }
    return image;
}

// The workspace's background tile: the mark, faint, on a light grey.
QImage workspaceTile()
{
    QImage image(203, 204, QImage::Format_RGB32);
    image.fill(QColor(232, 236, 241));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(101.5 - 48, 102 - 48);
    p.scale(1.5, 1.5);
    const QColor faint(214, 222, 231);
    drawMark(p, faint, faint, 1.0);
    return image;
}

QImage refreshIcon()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour(31, 95, 153);
    p.setPen(QPen(colour, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF ring(6, 6, 20, 20);
    p.drawArc(ring, 70 * 16, 290 * 16);
    // Arrow head at the arc's open end, pointing along the turn.
    const qreal a = qDegreesToRadians(70.0);
    const QPointF tip(16 + 10 * qCos(a), 16 - 10 * qSin(a));
    QPainterPath head;
    head.moveTo(tip + QPointF(6.5, 0.5));
    head.lineTo(tip + QPointF(-2.5, -5.5));
    head.lineTo(tip + QPointF(-1.5, 5.5));
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(head);
    return image;
}

// LZW-coded image data of one GIF frame (8-bit indices).
QByteArray gifImageData(const QByteArray &indices)
{
    const int minCodeSize = 8;
    const int clearCode = 1 << minCodeSize;
    QByteArray packed;
    quint32 bitBuffer = 0;
    int bitCount = 0;
    auto writeCode = [&](int code, int size) {
        bitBuffer |= quint32(code) << bitCount;
        bitCount += size;
        while (bitCount >= 8) {
            packed.append(char(bitBuffer & 0xFF));
            bitBuffer >>= 8;
            bitCount -= 8;
        }
    };

    std::map<quint32, int> table;
    int codeSize = minCodeSize + 1;
    int maxCode = clearCode + 1;
    writeCode(clearCode, codeSize);
    int current = -1;
    for (char c : indices) {
        const int index = quint8(c);
        if (current < 0) {
            current = index;
            continue;
        }
        const quint32 key = (quint32(current) << 8) | quint32(index);
        const auto found = table.find(key);
        if (found != table.end()) {
            current = found->second;
            continue;
        }
        writeCode(current, codeSize);
        ++maxCode;
        table[key] = maxCode;
        if (maxCode >= (1 << codeSize))
            ++codeSize;
        if (maxCode == 4095) {
            writeCode(clearCode, codeSize);
            table.clear();
            codeSize = minCodeSize + 1;
            maxCode = clearCode + 1;
        }
        current = index;
    }
    writeCode(current, codeSize);
    writeCode(clearCode + 1, codeSize);
    if (bitCount > 0)
        packed.append(char(bitBuffer & 0xFF));

    QByteArray out;
    out.append(char(minCodeSize));
    for (int i = 0; i < packed.size(); i += 255) {
        const QByteArray block = packed.mid(i, 255);
        out.append(char(block.size()));
        out.append(block);
    }
    out.append(char(0));
    return out;
}

// The busy animation: twelve dots on a ring, a bright one going round with a fading
// tail. Each pixel is a mix of the dot colour and the window grey, so a palette ramp
// between the two holds every pixel; index 0 is transparent.
QByteArray loaderGif()
{
    const int size = 80, frames = 12, dots = 12;
    const QColor dot(31, 111, 178);
    const QColor matte(239, 239, 239);

    QByteArray gif("GIF89a");
    appendLe16(gif, size);
    appendLe16(gif, size);
    gif.append(char(0xF7)); // global colour table of 256 entries
    gif.append(char(0));
    gif.append(char(0));
    for (int i = 0; i < 256; ++i) {
        const qreal t = i == 0 ? 0.0 : (i - 1) / 254.0;
        gif.append(char(qRound(matte.red() + t * (dot.red() - matte.red()))));
        gif.append(char(qRound(matte.green() + t * (dot.green() - matte.green()))));
        gif.append(char(qRound(matte.blue() + t * (dot.blue() - matte.blue()))));
    }
    // Loop for ever.
    gif.append("\x21\xFF\x0B" "NETSCAPE2.0" "\x03\x01", 16);
    appendLe16(gif, 0);
    gif.append(char(0));

    for (int frame = 0; frame < frames; ++frame) {
        QImage coverage(size, size, QImage::Format_ARGB32);
        coverage.fill(Qt::transparent);
        QPainter p(&coverage);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < dots; ++i) {
            const int age = (frame - i + dots) % dots; // 0: the bright one
            const qreal strength = qMax(0.18, 1.0 - age * 0.11);
            const qreal angle = 2 * M_PI * i / dots - M_PI / 2;
            const QPointF at(40 + 29 * qCos(angle), 40 + 29 * qSin(angle));
            p.setBrush(QColor(0, 0, 0, qRound(255 * strength)));
            const qreal r = 4.0 + 2.0 * strength;
            p.drawEllipse(at, r, r);
        }
        p.end();

        QByteArray indices(size * size, 0);
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const int alpha = qAlpha(coverage.pixel(x, y));
                indices[y * size + x] = char(alpha == 0 ? 0 : 1 + qRound(alpha * 254 / 255.0));
            }
        }
        // Graphic control: restore to background after the frame, 80 ms, index 0 clear.
        gif.append("\x21\xF9\x04\x09", 4);
        appendLe16(gif, 8);
        gif.append(char(0));
        gif.append(char(0));
        gif.append(char(0x2C));
        appendLe16(gif, 0);
        appendLe16(gif, 0);
        appendLe16(gif, size);
        appendLe16(gif, size);
        gif.append(char(0));
        gif.append(gifImageData(indices));
    }
    gif.append(char(0x3B));
    return gif;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: makeartwork <resources folder>\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (const char *folder : {"icon", "background", "button"})
        root.mkpath(QLatin1String(folder));

    bool ok = writeFile(root.filePath("icon/icon.ico"), icoFile({16, 24, 32, 48, 64, 128}));
    ok = connectionBackground().save(root.filePath("background/Pic_for_polvane_1.png")) && ok;
    ok = workspaceTile().save(root.filePath("background/logo_Zorbel_bg.png")) && ok;
    ok = refreshIcon().save(root.filePath("button/refreshIcon.png")) && ok;
    ok = writeFile(root.filePath("loader.gif"), loaderGif()) && ok;
    return ok ? 0 : 1;
}
