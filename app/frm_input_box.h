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

    QLabel* lblMsg = nullptr;
    QLineEdit* txtInval = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

private:
    void OKButton_Click();

    QString& inputBoxResult_;
    QString& inputBoxText_;
};

} // namespace tessellon
