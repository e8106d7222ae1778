#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tessellon {

// The yes/no/cancel question window behind AskYesNoCancel.
class frmMsgboxYesNo : public QDialog {
    Q_OBJECT
public:
    // Results of AskYesNoCancel.
    static constexpr short kYes = 6;
    static constexpr short kNo = 7;
    static constexpr short kCancel = 2;

    explicit frmMsgboxYesNo(QWidget* parent = nullptr);

    // Asks the question in a fresh modal window; 6 after Yes, 7 after No, 2 after Cancel or
    // any other way of closing the window.
    static short AskYesNoCancel(const QString& message, const QString& title,
                                QWidget* parent = nullptr);

    // The label gets the message, the window caption the title.
    void setText(const QString& message, const QString& title);
    // 1 after Yes, -1 after No, 0 otherwise.
    short Answer() const { return answer_; }
    // Answer mapped to 6, 7 or 2.
    short MappedAnswer() const;

private:
    QLabel* lblMsg = nullptr;
    QPushButton* cmdYes = nullptr;
    QPushButton* cmdNo = nullptr;
    QPushButton* cmdCancel = nullptr;

    void Answered(short answer);

    short answer_ = 0;
};

} // namespace tessellon
