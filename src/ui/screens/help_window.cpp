#include "ui/screens/help_window.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace liorna {

HelpWindow::HelpWindow(const QString& path, QWidget* owner) : QWidget(owner, Qt::Window)
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
    resize(720, 640);
}

} // namespace liorna
