// liorna-icons OUTDIR APPID: draws the desktop icons of the program into OUTDIR as the hicolor theme
// lays them out (NxN/apps/APPID.png and scalable/apps/APPID.svg).
#include <QByteArray>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

#include "ui/art/app_icon.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: liorna-icons OUTDIR APPID\n");
        return 2;
    }
    // A build step has no display; the art needs fonts, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QString id = QString::fromLocal8Bit(argv[2]);

    for (int size : {16, 32, 48, 64, 128, 256, 512}) {
        const QString dir = QStringLiteral("%1x%1/apps").arg(size);
        const QString file = out.filePath(dir + QLatin1Char('/') + id + QStringLiteral(".png"));
        if (!out.mkpath(dir) || !liorna::art::renderAppIcon(size).save(file, "PNG")) {
            std::fprintf(stderr, "liorna-icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }

    const QString svgFile = out.filePath(QStringLiteral("scalable/apps/") + id + QStringLiteral(".svg"));
    if (!out.mkpath(QStringLiteral("scalable/apps"))) {
        std::fprintf(stderr, "liorna-icons: cannot create %s\n", qPrintable(out.filePath("scalable/apps")));
        return 1;
    }
    QSvgGenerator svg;
    svg.setFileName(svgFile);
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("Лиорна"));
    svg.setDescription(QStringLiteral("A fan of three aces"));
    QPainter p;
    if (!p.begin(&svg)) {
        std::fprintf(stderr, "liorna-icons: cannot write %s\n", qPrintable(svgFile));
        return 1;
    }
    liorna::art::paintAppIcon(p, 256);
    p.end();
    return 0;
}
