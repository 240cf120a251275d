// Prints how long the pictures take to draw from a cold cache, in milliseconds.
#include <QElapsedTimer>
#include <QGuiApplication>

#include <cstdio>
#include <vector>

#include "ui/art/picture_art.h"
#include "ui/art/picture_art_detail.h"

using liorna::Picture;
using liorna::PictureKind;

namespace {

// What the table shows before the first deal.
std::vector<Picture> startUpSet()
{
    std::vector<Picture> set;
    for (int i = 0; i < 10; ++i)
        set.push_back(Picture::of(PictureKind::SlotOutline));
    set.push_back(Picture::back(1));
    set.push_back(Picture::blank());
    set.push_back(Picture::of(PictureKind::PlayEmblem));
    set.push_back(Picture::of(PictureKind::DiscardEmblem));
    for (int t = 1; t <= 4; ++t)
        set.push_back(Picture::tile(t));
    set.push_back(Picture::of(PictureKind::StartAce));
    return set;
}

double timeRendering(const std::vector<Picture>& pictures, qreal dpr)
{
    liorna::art::detail::clearCache();
    QElapsedTimer timer;
    timer.start();
    for (const Picture& pic : pictures)
        (void)liorna::art::render(pic, dpr);
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    // The very first text drawn loads the font database; that is a one-off cost of the process, shown apart.
    const double fontWarmUp = timeRendering({Picture::of(PictureKind::About, 4)}, 1.0);
    const std::vector<Picture> all = liorna::art::detail::everyPicture();
    const std::vector<Picture> startUp = startUpSet();

    std::printf("first text (font database warm-up): %8.2f ms\n", fontWarmUp);
    std::printf("start-up set, %2zu renders, dpr 1:   %8.2f ms\n", startUp.size(),
                timeRendering(startUp, 1.0));
    std::printf("start-up set, %2zu renders, dpr 2:   %8.2f ms\n", startUp.size(),
                timeRendering(startUp, 2.0));
    std::printf("every picture, %zu, dpr 1:          %8.2f ms\n", all.size(), timeRendering(all, 1.0));
    std::printf("every picture, %zu, dpr 2:          %8.2f ms\n", all.size(), timeRendering(all, 2.0));

    // Cache hits must be nearly free.
    QElapsedTimer timer;
    timer.start();
    for (const Picture& pic : all)
        (void)liorna::art::render(pic, 2.0);
    std::printf("every picture again, cached, dpr 2: %8.2f ms\n",
                static_cast<double>(timer.nsecsElapsed()) / 1e6);
    return 0;
}
