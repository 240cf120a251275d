#pragma once
// The player's preferences that are not the game's: `Setting/liorna.ini` beside the game's settings
// file, written with QSettings (a whole new file each time). The game's own file keeps its fixed format.
// A file that cannot be read is ignored: its preferences take their defaults and are written anew.
// A later preference joins as a getter and a setter over one more key.

#include <QPoint>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>

class QSettings;

namespace liorna {

class Preferences {
public:
    // The file's name in the program folder.
    static constexpr const char* FILE = "Setting/liorna.ini";

    explicit Preferences(const QString& path);
    ~Preferences();

    // The table window as the player left it: its size when neither maximized nor full screen, where it
    // was (only where the program may place it), and its state.
    struct TableWindow {
        QSize size;
        std::optional<QPoint> position;
        bool maximized = false;
        bool fullScreen = false;
        bool operator==(const TableWindow&) const = default;
    };
    // None at the first start, or when what the file holds cannot be read.
    std::optional<TableWindow> tableWindow() const;
    // Written at once; a position left out keeps the one written before.
    void setTableWindow(const TableWindow& window);

    // The four-colour deck; off until the player turns it on, and off again for a value not written here.
    bool fourColourDeck() const;
    void setFourColourDeck(bool on);

private:
    std::unique_ptr<QSettings> settings_;
};

} // namespace liorna
