#include "ui/deferred_icon_style.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>

namespace liorna {

namespace {

// Asks the style for its icon on the first question that needs the pictures.
class DeferredIcon : public QIconEngine {
public:
    DeferredIcon(const QStyle* style, QStyle::StandardPixmap which, Qt::LayoutDirection direction)
        : style_(style), which_(which), direction_(direction)
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QIconEngine* clone() const override { return new DeferredIcon(*this); }

private:
    const QIcon& icon()
    {
        if (!loaded_ && style_) {
            QStyleOption option;
            option.direction = direction_;
            icon_ = style_->standardIcon(which_, &option);
            loaded_ = true;
        }
        return icon_;
    }

    QPointer<const QStyle> style_;
    QStyle::StandardPixmap which_;
    Qt::LayoutDirection direction_;
    QIcon icon_;
    bool loaded_ = false;
};

} // namespace

DeferredIconStyle::DeferredIconStyle(const QString& key) : QProxyStyle(key) {}

QIcon DeferredIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                      const QWidget* widget) const
{
    // The widget is not kept: the icon may outlive it.
    (void)widget;
    const Qt::LayoutDirection direction = option ? option->direction : QGuiApplication::layoutDirection();
    return QIcon(new DeferredIcon(baseStyle(), icon, direction));
}

} // namespace liorna
