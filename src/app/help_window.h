// HelpWindow: the program's own help viewer ("使い方"), opened at the
// contents of the help document beside the program.
#pragma once

#include <QDialog>

class QTextBrowser;

class HelpWindow : public QDialog
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Loads the document (if not loaded yet) and shows it at its contents.
    // Returns false, after telling the child, when the file cannot be read.
    bool openAtContents(const QString& path);

    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};
