#pragma once

#include "app/picture_box.h"

#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace tessellon {

class MessageService;

// The full-screen poster preview: the part of the image the poster covers, shaped like the
// poster, above a Close button. It is a snapshot: it does not follow later changes.
class frmPreview : public QWidget {
    Q_OBJECT
public:
    explicit frmPreview(MessageService& messages, QWidget* parent = nullptr);

    // Lays the window out for a poster of width/height ratio R. False (after the message, with
    // the window closed) when R is 0.
    bool FitToNewSizeForPic(double R);
    // Shows `image` in the picture (already shaped by FillPreview).
    void SetPreviewImage(const QImage& image);
    // What draws the picture anew at a size, when the window's size changes.
    void SetRenderer(std::function<QImage(QSize)> renderer) { renderer_ = std::move(renderer); }
    // The picture the poster is painted into (FillPreview).
    PictureBox* PreviewPicture() const { return picPreview; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Escape closes the window, as its button does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    PictureBox* picPreview = nullptr;
    QPushButton* cmdClose = nullptr;

    void cmdClose_Click();
    void Relayout();

    MessageService& messages_;
    double ratio_ = 0;
    QImage image_;
    std::function<QImage(QSize)> renderer_;
    QTimer* rerender_ = nullptr;
};

} // namespace tessellon
