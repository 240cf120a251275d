// liorna-art-sheets OUTDIR: writes PNG contact sheets of every picture, to look the art over as a whole.
#include <QDir>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>
#include <functional>
#include <vector>

#include "ui/art/picture_art.h"
#include "ui/art/picture_art_detail.h"

using liorna::Picture;
using liorna::PictureKind;
namespace art = liorna::art;

namespace {

const QColor TABLE(0, 128, 0);
const QColor SILVER(192, 192, 192);

struct Cell {
    QImage image;
    QString label;
};

// Lays the cells out in rows of `columns`, each with its label underneath, on the given background.
QImage sheet(const std::vector<Cell>& cells, int columns, const QColor& background, qreal dpr)
{
    int cellW = 0;
    int cellH = 0;
    for (const Cell& c : cells) {
        const QSizeF s = c.image.deviceIndependentSize();
        cellW = std::max(cellW, static_cast<int>(s.width()));
        cellH = std::max(cellH, static_cast<int>(s.height()));
    }
    const int pad = 8;
    const int labelH = 14;
    const int rows = (static_cast<int>(cells.size()) + columns - 1) / columns;
    const int w = pad + columns * (cellW + pad);
    const int h = pad + rows * (cellH + labelH + pad);
    QImage out(qRound(w * dpr), qRound(h * dpr), QImage::Format_ARGB32_Premultiplied);
    out.setDevicePixelRatio(dpr);
    out.fill(background);
    QPainter p(&out);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    f.setPixelSize(10);
    p.setFont(f);
    p.setPen(background.lightness() > 128 ? Qt::black : Qt::white);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const int col = static_cast<int>(i) % columns;
        const int row = static_cast<int>(i) / columns;
        const QPointF at(pad + col * (cellW + pad), pad + row * (cellH + labelH + pad));
        p.drawImage(at, cells[i].image);
        p.drawText(QRectF(at.x() - pad / 2.0, at.y() + cellH + 1, cellW + pad, labelH), Qt::AlignHCenter,
                   cells[i].label);
    }
    return out;
}

std::vector<Cell> family(PictureKind kind, int lo, int hi, qreal dpr, bool seeThrough = false,
                         art::DeckPalette palette = art::DeckPalette::TwoColour)
{
    std::vector<Cell> cells;
    for (int i = lo; i <= hi; ++i) {
        const Picture pic = Picture::of(kind, i);
        cells.push_back(
            {seeThrough ? art::renderSeeThrough(pic, dpr, palette) : art::render(pic, dpr, palette),
             QString::fromStdString(liorna::describe(pic))});
    }
    return cells;
}

// Each cover frame laid over a sample bonus picture, as the reveal shows it.
std::vector<Cell> coversOverBonus(qreal dpr)
{
    std::vector<Cell> cells;
    const QImage under = art::render(Picture::bonus(3), dpr);
    for (int i = 0; i <= 10; ++i) {
        QImage composed = under.copy();
        composed.setDevicePixelRatio(dpr);
        QPainter p(&composed);
        p.drawImage(QPointF(0, 0), art::render(Picture::cover(i), dpr));
        p.end();
        cells.push_back({composed, QStringLiteral("cover %1").arg(i)});
    }
    return cells;
}

// Each tile repeated 3 x 3, so seams would show.
std::vector<Cell> tiledTextures(qreal dpr)
{
    std::vector<Cell> cells;
    for (int t = 1; t <= 4; ++t) {
        const QImage tile = art::render(Picture::tile(t), dpr);
        const QSizeF s = tile.deviceIndependentSize();
        QImage big(qRound(3 * s.width() * dpr), qRound(3 * s.height() * dpr),
                   QImage::Format_ARGB32_Premultiplied);
        big.setDevicePixelRatio(dpr);
        QPainter p(&big);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 3; ++x)
                p.drawImage(QPointF(x * s.width(), y * s.height()), tile);
        p.end();
        cells.push_back({big, QStringLiteral("tile %1 x9").arg(t)});
    }
    return cells;
}

std::vector<Cell> smallPieces(qreal dpr)
{
    std::vector<Cell> cells;
    const PictureKind singles[] = {PictureKind::Blank,      PictureKind::SlotOutline,
                                   PictureKind::PlayEmblem, PictureKind::DiscardEmblem,
                                   PictureKind::Locked,     PictureKind::StartAce};
    for (int s = 0; s < 4; ++s)
        cells.push_back({art::render(Picture::suitSymbol(s), dpr),
                         QString::fromStdString(liorna::describe(Picture::suitSymbol(s)))});
    for (int i = 0; i < 2; ++i) {
        for (PictureKind k : {PictureKind::ArrowRed, PictureKind::ArrowGreen}) {
            const Picture pic = Picture::of(k, i);
            cells.push_back({art::render(pic, dpr), QString::fromStdString(liorna::describe(pic))});
        }
    }
    for (PictureKind k : singles) {
        const Picture pic = Picture::of(k);
        cells.push_back({art::render(pic, dpr), QString::fromStdString(liorna::describe(pic))});
    }
    return cells;
}

bool save(const QImage& image, const QString& dir, const QString& name)
{
    const QString path = QDir(dir).filePath(name);
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: liorna-art-sheets OUTDIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    const QColor grey(150, 150, 150);
    bool ok = true;
    ok &= save(sheet(family(PictureKind::Face, 0, 35, 1), 9, TABLE, 1), dir, QStringLiteral("faces.png"));
    ok &= save(sheet(family(PictureKind::Face, 0, 35, 1, true), 9, grey, 1), dir,
               QStringLiteral("faces_see_through.png"));
    ok &= save(sheet(family(PictureKind::SelectedFace, 0, 35, 1), 9, TABLE, 1), dir,
               QStringLiteral("selected.png"));
    ok &= save(sheet(family(PictureKind::Back, 1, 15, 1), 5, TABLE, 1), dir, QStringLiteral("backs.png"));
    ok &= save(sheet(family(PictureKind::Bonus, 1, 20, 1), 5, TABLE, 1), dir, QStringLiteral("bonus.png"));
    ok &= save(sheet(coversOverBonus(1), 6, TABLE, 1), dir, QStringLiteral("covers.png"));
    ok &= save(sheet(tiledTextures(1), 4, SILVER, 1), dir, QStringLiteral("textures.png"));
    ok &= save(sheet(smallPieces(1), 7, TABLE, 1), dir, QStringLiteral("pieces.png"));
    ok &= save(sheet(family(PictureKind::About, 1, 5, 1), 5, SILVER, 1), dir, QStringLiteral("about.png"));
    // The 2x sheets are what a HiDPI screen shows: the same layout at twice the pixels.
    ok &=
        save(sheet(family(PictureKind::Face, 0, 35, 2), 9, TABLE, 2), dir, QStringLiteral("faces_dpr2.png"));
    ok &=
        save(sheet(family(PictureKind::Back, 1, 15, 2), 5, TABLE, 2), dir, QStringLiteral("backs_dpr2.png"));
    ok &=
        save(sheet(family(PictureKind::Bonus, 1, 20, 2), 5, TABLE, 2), dir, QStringLiteral("bonus_dpr2.png"));
    ok &= save(sheet(family(PictureKind::SelectedFace, 0, 35, 2), 9, TABLE, 2), dir,
               QStringLiteral("selected_dpr2.png"));
    ok &= save(sheet(coversOverBonus(2), 6, TABLE, 2), dir, QStringLiteral("covers_dpr2.png"));
    ok &= save(sheet(smallPieces(2), 7, TABLE, 2), dir, QStringLiteral("pieces_dpr2.png"));
    ok &=
        save(sheet(family(PictureKind::About, 1, 5, 2), 5, SILVER, 2), dir, QStringLiteral("about_dpr2.png"));
    // The four-colour deck: every picture that shows a suit, at both ratios.
    const auto four = art::DeckPalette::FourColour;
    for (const qreal dpr : {1.0, 2.0}) {
        const QString suffix = dpr == 1.0 ? QStringLiteral(".png") : QStringLiteral("_dpr2.png");
        ok &= save(sheet(family(PictureKind::Face, 0, 35, dpr, false, four), 9, TABLE, dpr), dir,
                   QStringLiteral("faces_four_colour") + suffix);
        ok &= save(sheet(family(PictureKind::SelectedFace, 0, 35, dpr, false, four), 9, TABLE, dpr), dir,
                   QStringLiteral("selected_four_colour") + suffix);
        ok &= save(sheet(family(PictureKind::Face, 0, 35, dpr, true, four), 9, grey, dpr), dir,
                   QStringLiteral("faces_see_through_four_colour") + suffix);
        ok &= save(sheet(family(PictureKind::SuitSymbol, 0, 3, dpr, false, four), 4, TABLE, dpr), dir,
                   QStringLiteral("suits_four_colour") + suffix);
    }
    return ok ? 0 : 1;
}
