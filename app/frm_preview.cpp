#include "app/frm_preview.h"

#include "common/message_service.h"
#include "common/string_table.h"
#include "layout/preview_renderer.h"

#include <QKeyEvent>

namespace tessellon {

frmPreview::frmPreview(MessageService& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), messages_(messages) {
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(StringTable::Text(str::PosterPreview));
    picPreview = new PictureBox(this);
    picPreview->setObjectName(QStringLiteral("picPreview"));
    cmdClose = new QPushButton(StringTable::Text(str::Close), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->resize(cmdClose->sizeHint().expandedTo(QSize(96, 0)));
    connect(cmdClose, &QPushButton::clicked, this, &frmPreview::cmdClose_Click);
    // A resize scales the picture at once and draws it anew, sharp, when the resizing pauses.
    rerender_ = new QTimer(this);
    rerender_->setSingleShot(true);
    rerender_->setInterval(60);
    connect(rerender_, &QTimer::timeout, this, [this] {
        if (!renderer_ || picPreview->size().isEmpty())
            return;
        if (const QImage fresh = renderer_(picPreview->size()); !fresh.isNull())
            SetPreviewImage(fresh);
    });
    resize(960, 700);
}

void frmPreview::cmdClose_Click() {
    close();
}

void frmPreview::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool frmPreview::FitToNewSizeForPic(double R) {
    if (!(R > 0)) {
        messages_.Critical(StringTable::Text(str::InvalidInformation),
                           StringTable::Text(str::InvalidPrintSizeValues));
        close();
        return false;
    }
    ratio_ = R;
    Relayout();
    return true;
}

void frmPreview::Relayout() {
    const auto layout = PreviewRenderer::FitToNewSizeForPic(ratio_, size(), cmdClose->size());
    if (!layout)
        return;
    picPreview->setGeometry(layout->picture);
    cmdClose->move(layout->buttonTopLeft);
    if (!image_.isNull() && image_.size() != picPreview->size()) {
        picPreview->SetImage(
            image_.scaled(picPreview->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
        rerender_->start();
    }
}

void frmPreview::SetPreviewImage(const QImage& image) {
    image_ = image;
    picPreview->SetImage(image);
}

void frmPreview::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // A window manager may size the window after it was laid out; keep the poster's shape.
    if (ratio_ > 0)
        Relayout();
}

} // namespace tessellon
