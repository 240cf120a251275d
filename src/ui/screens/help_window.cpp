#include "ui/screens/help_window.h"

#include <QKeyEvent>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace liorna {

HelpWindow::HelpWindow(const QString& path, QWidget* owner)
    // A dialog of the table, so the desktop keeps it with the table, yet sizable like a viewer.
    : QWidget(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    browser_ = new QTextBrowser(this);
    // Links to the web still go to the desktop, which may manage them even when it cannot show a file.
    browser_->setOpenExternalLinks(true);
    browser_->setSource(QUrl::fromLocalFile(path));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    setWindowTitle(browser_->documentTitle());
    // A page's usual size, on a small screen no more than most of it.
    QSize size(720, 640);
    if (const QScreen* s = screen())
        size = size.boundedTo(s->availableGeometry().size() * 9 / 10);
    resize(size);
}

// Esc closes it, as it closes every other dialog of the game. A key the page does not use comes here
// whether or not the desktop has made the window active, which a shortcut would need.
void HelpWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace liorna
