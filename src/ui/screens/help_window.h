#pragma once
// The help page in a plain window of the program, for desktops that cannot show it in a viewer.

#include <QString>
#include <QWidget>

class QKeyEvent;
class QTextBrowser;

namespace liorna {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // Shows the page at path; with an owner it closes with the table, like every other screen.
    explicit HelpWindow(const QString& path, QWidget* owner = nullptr);

    QTextBrowser* browser() const { return browser_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTextBrowser* browser_;
};

} // namespace liorna
