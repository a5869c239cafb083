// Build-time tool: renders an SVG source to a raster file of a given size, so that the artwork
// the windows draw unscaled is made from the sources kept in the tree.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        std::fputs("usage: vyx-render-art SOURCE.svg TARGET WIDTH HEIGHT\n", stderr);
        return 2;
    }
    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    // Icons keep their transparency; the JPEG artwork is drawn on white.
    const bool transparent = args.at(2).endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
    QImage image(args.at(3).toInt(), args.at(4).toInt(),
                 transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    image.fill(transparent ? Qt::transparent : Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    if (!image.save(args.at(2), nullptr, 92)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args.at(2)));
        return 1;
    }
    return 0;
}
