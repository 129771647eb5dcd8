#include "platform/help_viewer.h"

#include <QDialog>
#include <QFile>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace platform {

bool QtHelpViewer::showContents(QWidget* owner, const QString& helpFilePath) {
    QFile file(helpFilePath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    auto* window = new QDialog(owner);
    window->setObjectName("HelpWindow");
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle("Tarnwick Help");
    auto* browser = new QTextBrowser(window);
    browser->setObjectName("HelpBrowser");
    browser->setOpenExternalLinks(false);
    browser->setHtml(QString::fromUtf8(file.readAll()));
    browser->scrollToAnchor("contents");
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    window->resize(640, 520);
    window->show();
    return true;
}

} // namespace platform
