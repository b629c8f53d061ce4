// HelpWindow: shows the help document in a QTextBrowser.
#include "help_window.h"

#include "message_boxes.h"
#include "screen_style.h"

#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* parent)
    : QDialog(parent)
    , browser_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Kazerumi － 使い方"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    resize(760, 640);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setFont(ScreenFont(16));
    browser_->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
}

bool HelpWindow::openAtContents(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ShowWarning(parentWidget(), QStringLiteral("使い方の ファイルが 開けませんでした。\n%1").arg(QFileInfo(path).absoluteFilePath()));
        return false;
    }
    browser_->setSearchPaths({QFileInfo(path).absolutePath()});
    browser_->setHtml(QString::fromUtf8(file.readAll()));
    browser_->scrollToAnchor(QStringLiteral("contents"));
    show();
    raise();
    activateWindow();
    return true;
}
