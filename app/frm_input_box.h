#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tessellon {

// The one-line input window of the edge calibration dialog. OK writes the answer into the
// asking dialog's result flag ("1") and input value; Cancel and the close box leave them.
class frmInputBox : public QDialog {
    Q_OBJECT
public:
    frmInputBox(QString& inputBoxResult, QString& inputBoxText, QWidget* parent = nullptr);

    // Shows `msg` with `defaultVal` selected in the text box under the caption `title`, and
    // waits for the answer.
    int Ask(const QString& title, const QString& msg, const QString& defaultVal);

private:
    QLabel* lblMsg = nullptr;
    QLineEdit* txtInval = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

    void OKButton_Click();

    QString& inputBoxResult_;
    QString& inputBoxText_;
};

} // namespace tessellon
