#include "ui/warm_up.h"

#include <QApplication>
#include <QFontMetrics>
#include <QThreadPool>

#include "ui/art/picture_art.h"
#include "ui/fonts.h"

namespace liorna {

void warmUp(qreal dpr)
{
    const QFont menus = QApplication::font();
    QThreadPool::globalInstance()->start([menus, dpr] {
        for (const QFont& font : {menus, serifFont(15, true, true), sansFont(11, true), sansFont(11, false)})
            (void)QFontMetrics(font).horizontalAdvance(QStringLiteral("Играть до: 12"));
        (void)art::render(Picture::of(PictureKind::StartAce), dpr);
    });
}

} // namespace liorna
