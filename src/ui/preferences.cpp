#include "ui/preferences.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace liorna {

namespace {

constexpr int LARGEST_SIDE = 100000;

std::optional<int> number(const QSettings& s, const QString& key)
{
    bool ok = false;
    const int n = s.value(key).toString().toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

// Only the words QSettings writes: any other text is not taken for a yes.
std::optional<bool> flag(const QSettings& s, const QString& key)
{
    const QString text = s.value(key).toString();
    if (text == QLatin1String("true"))
        return true;
    if (text == QLatin1String("false"))
        return false;
    return std::nullopt;
}

} // namespace

Preferences::Preferences(const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    settings_ = std::make_unique<QSettings>(path, QSettings::IniFormat);
    if (settings_->status() != QSettings::NoError) {
        // A damaged file would be merged into every later write: start again from an empty one.
        settings_.reset();
        QFile::remove(path);
        settings_ = std::make_unique<QSettings>(path, QSettings::IniFormat);
    }
}

Preferences::~Preferences() = default;

std::optional<Preferences::TableWindow> Preferences::tableWindow() const
{
    const QSettings& s = *settings_;
    const auto width = number(s, QStringLiteral("TableWindow/width"));
    const auto height = number(s, QStringLiteral("TableWindow/height"));
    const auto maximized = flag(s, QStringLiteral("TableWindow/maximized"));
    const auto fullScreen = flag(s, QStringLiteral("TableWindow/fullScreen"));
    if (!width || !height || !maximized || !fullScreen || *width <= 0 || *height <= 0 ||
        *width > LARGEST_SIDE || *height > LARGEST_SIDE)
        return std::nullopt;
    TableWindow window{QSize(*width, *height), std::nullopt, *maximized, *fullScreen};
    const auto x = number(s, QStringLiteral("TableWindow/x"));
    const auto y = number(s, QStringLiteral("TableWindow/y"));
    if (x && y && std::abs(*x) <= LARGEST_SIDE && std::abs(*y) <= LARGEST_SIDE)
        window.position = QPoint(*x, *y);
    return window;
}

void Preferences::setTableWindow(const TableWindow& window)
{
    QSettings& s = *settings_;
    s.beginGroup(QStringLiteral("TableWindow"));
    s.setValue(QStringLiteral("width"), window.size.width());
    s.setValue(QStringLiteral("height"), window.size.height());
    if (window.position) {
        s.setValue(QStringLiteral("x"), window.position->x());
        s.setValue(QStringLiteral("y"), window.position->y());
    }
    s.setValue(QStringLiteral("maximized"), window.maximized);
    s.setValue(QStringLiteral("fullScreen"), window.fullScreen);
    s.endGroup();
    s.sync();
}

bool Preferences::fourColourDeck() const
{
    return flag(*settings_, QStringLiteral("Cards/fourColourDeck")).value_or(false);
}

void Preferences::setFourColourDeck(bool on)
{
    settings_->setValue(QStringLiteral("Cards/fourColourDeck"), on);
    settings_->sync();
}

} // namespace liorna
