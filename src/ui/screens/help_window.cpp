#include "ui/screens/help_window.h"

#include <QAction>
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
    // Esc closes it, as it closes every other dialog of the game.
    auto* close = new QAction(this);
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
    // A page's usual size, on a small screen no more than most of it.
    QSize size(720, 640);
    if (const QScreen* s = screen())
        size = size.boundedTo(s->availableGeometry().size() * 9 / 10);
    resize(size);
}

} // namespace liorna
