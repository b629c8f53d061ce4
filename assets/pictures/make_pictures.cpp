// make_pictures: draws the small pictures that are linked into the program as resources.
//
// Usage: make_pictures <output folder>
//
// Writes prompt_face.png (64 x 64, the smiling friend beside the prompt line) and
// red_arrow.png (20 x 11, a red arrow pointing right). Both are drawn with QPainter
// from plain shapes at four times their size and then scaled down, which gives soft,
// even edges. Only shapes are drawn (no text), so no application object or font is
// needed and the tool runs anywhere during the build.

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>

#include <cstdio>

namespace {

constexpr int kOversample = 4;

QImage blankCanvas(int width, int height)
{
    QImage image(width * kOversample, height * kOversample, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage finish(const QImage &canvas, int width, int height)
{
    return canvas.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

// A round, smiling sun-yellow friend with a little green sprout on its head.
// Drawn on a 256 x 256 canvas.
QImage drawPromptFace()
{
    QImage canvas = blankCanvas(64, 64);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);

    // The sprout: a short stem and two leaves, behind the face.
    const QColor leafGreen(112, 196, 84);
    const QColor leafEdge(56, 128, 48);
    p.setPen(QPen(leafEdge, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(128, 44), QPointF(128, 22));
    p.setPen(QPen(leafEdge, 5));
    p.setBrush(leafGreen);
    for (int side : {-1, 1}) {
        p.save();
        p.translate(128 + side * 20, 22);
        p.rotate(side * -25);
        p.drawEllipse(QPointF(0, 0), 24, 12);
        p.restore();
    }

    // The face: a warm radial gradient, lit from the upper left.
    const QPointF centre(128, 140);
    const qreal radius = 106;
    QRadialGradient skin(QPointF(100, 105), 150);
    skin.setColorAt(0.0, QColor(255, 246, 170));
    skin.setColorAt(0.55, QColor(255, 214, 90));
    skin.setColorAt(1.0, QColor(255, 168, 48));
    p.setPen(QPen(QColor(214, 118, 32), 8));
    p.setBrush(skin);
    p.drawEllipse(centre, radius, radius);

    // Rosy cheeks.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 120, 140, 170));
    p.drawEllipse(QPointF(64, 168), 21, 13);
    p.drawEllipse(QPointF(192, 168), 21, 13);

    // Eyes: dark ovals with two shiny spots each.
    for (qreal x : {92.0, 164.0}) {
        p.setBrush(QColor(70, 44, 40));
        p.drawEllipse(QPointF(x, 126), 15, 22);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x - 4, 117), 6.5, 7.5);
        p.drawEllipse(QPointF(x + 5, 134), 3, 3);
    }

    // A wide open smile with a pink tongue.
    QPainterPath mouth;
    mouth.moveTo(90, 168);
    mouth.cubicTo(98, 222, 158, 222, 166, 168);
    mouth.quadTo(128, 178, 90, 168);
    p.setPen(QPen(QColor(120, 30, 40), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(176, 44, 62));
    p.drawPath(mouth);
    p.save();
    p.setClipPath(mouth);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 132, 150));
    p.drawEllipse(QPointF(128, 206), 26, 16);
    p.restore();

    // A small shine on the forehead.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(84, 76), 16, 9);

    p.end();
    return finish(canvas, 64, 64);
}

// A red arrow pointing right: a three-pixel shaft and a full-height head.
// Drawn on an 80 x 44 canvas so that the shaft edges fall on whole pixels.
QImage drawRedArrow()
{
    QImage canvas = blankCanvas(20, 11);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(224, 24, 24));
    const QPointF arrow[] = {{0, 16}, {44, 16}, {44, 0}, {80, 22}, {44, 44}, {44, 28}, {0, 28}};
    p.drawPolygon(arrow, 7);
    p.end();
    return finish(canvas, 20, 11);
}

bool save(const QImage &image, const QDir &folder, const char *name)
{
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    const bool ok = save(drawPromptFace(), folder, "prompt_face.png")
                    && save(drawRedArrow(), folder, "red_arrow.png");
    return ok ? 0 : 1;
}
