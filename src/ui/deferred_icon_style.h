#pragma once
// The desktop's style, with its standard icons loaded when first drawn. Qt's menu bar asks for one as
// it is made (for its overflow button, seldom shown), and loading it starts every image format plugin
// Qt has: a few milliseconds before the first window, for a picture most players never see.

#include <QProxyStyle>

namespace liorna {

class DeferredIconStyle : public QProxyStyle {
public:
    // Over the style the application would use (`key`, as QStyleFactory names it).
    explicit DeferredIconStyle(const QString& key);
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace liorna
