#pragma once

#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace tessellon {

class MessageService;

// The window that shows the help file. The main window owns one and asks it to open the file
// found at start-up; links inside the file stay in the window, links to web sites open in the
// desktop's browser.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the help file's first page, or the missing-file message through `messages` when the
    // path is empty or the file is gone. Returns whether the file is shown.
    bool OpenHelpFile(const QString& helpFilePath, MessageService& messages);

private:
    QTextBrowser* txtHelp = nullptr;
    QToolButton* cmdBack = nullptr;
    QToolButton* cmdForward = nullptr;
    QToolButton* cmdContents = nullptr;
};

} // namespace tessellon
