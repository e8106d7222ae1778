#include "app/frm_btm.h"

#include "app/form_widgets.h"
#include "app/frm_input_box.h"
#include "app/frm_msg.h"
#include "app/frm_simple_msg.h"
#include "app/print_poster_flow.h"
#include "app/qt_print_dialog_service.h"
#include "app/save_progress_windows.h"
#include "calibration/clip_amount.h"
#include "calibration/profile_store.h"
#include "common/message_service.h"
#include "common/string_table.h"
#include "imaging/format_table.h"
#include "imaging/image_format.h"
#include "layout/poster_state.h"
#include "print/edge_test_target.h"
#include "print/edge_test_target_flow.h"
#include "print/edge_test_target_texts.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <algorithm>

namespace tessellon {
namespace {

QLabel* Label(QWidget* parent, const QString& name, bool bold = false) {
    return bold ? BoldLabel(parent, name) : Named(new QLabel(parent), name);
}

QPushButton* Button(QWidget* parent, const QString& name) {
    auto* b = Named(new QPushButton(parent), name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

frmBtm::frmBtm(ProfileStore& profiles, const PosterState& poster, MessageService& messages,
               QWidget* parent)
    : QDialog(parent), profiles_(profiles), poster_(poster), messages_(messages) {
    setObjectName(QStringLiteral("frmBtm"));
    setModal(true);
    BuildControls();
    SetEdgeDialogTexts();
    ConnectEvents();
    // Window load.
    fillDropDowns();
    // The step-1 wording follows the unit however the window is opened.
    SetStep1DescUnits();
    const QScopedValueRollback ignore(bIgnoreEvents, true);
    initControls();
}

frmBtm::~frmBtm() = default;

// --- Opening ---

void frmBtm::PrepareEditButtonOpening(int currentProfileIndex) {
    bIgnoreEvents = true;
    SetStep1DescUnits();
    initControls();
    SelectListRow(currentProfileIndex);
    bIgnoreEvents = false;
    UpdateComboboxes();
}

void frmBtm::PrepareMenuOpening(int currentProfileIndex) {
    bIgnoreEvents = true;
    SetStep1DescUnits();
    SelectListRow(currentProfileIndex);
    bIgnoreEvents = false;
    UpdateComboboxes();
}

int frmBtm::OpenFromEditButton(int currentProfileIndex) {
    PrepareEditButtonOpening(currentProfileIndex);
    const int result = exec();
    emit outputSizeUpdateRequested();
    return result;
}

int frmBtm::OpenFromMenu(int currentProfileIndex) {
    PrepareMenuOpening(currentProfileIndex);
    return exec();
}

// --- Controls ---

void frmBtm::BuildControls() {
    // Profiles on the left, the two steps on the right, Close under both.
    QLayout* profiles = BuildProfileList();
    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    BuildTestPrintStep(right);
    right->addSpacing(6);
    BuildEdgesStep(right);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(16);
    columns->addLayout(profiles);
    auto* divider = new QFrame(this);
    divider->setFrameShape(QFrame::VLine);
    divider->setFrameShadow(QFrame::Sunken);
    columns->addWidget(divider);
    columns->addLayout(right, 1);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(cmdOk);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(line);
    layout->addLayout(bottom);
    // Wrapped texts at fixed widths, so the window's size follows from its contents.
    lblStep1Desc->setFixedWidth(340);
    lblStep2Desc->setFixedWidth(600);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QLayout* frmBtm::BuildProfileList() {
    lblTitle = Label(this, QStringLiteral("lblTitle"), true);
    lstConfigurations = Named(new QListWidget(this), QStringLiteral("lstConfigurations"));
    lstConfigurations->setFixedWidth(200);
    cmdNew = Button(this, QStringLiteral("cmdNew"));
    cmdRename = Button(this, QStringLiteral("cmdRename"));
    cmdDel = Button(this, QStringLiteral("cmdDel"));
    // Close sits at the bottom, but is made here: Tab reaches it straight after the list's
    // buttons.
    cmdOk = Button(this, QStringLiteral("cmdOk"));

    auto* profileButtons = new QHBoxLayout;
    profileButtons->addWidget(cmdNew);
    profileButtons->addWidget(cmdRename);
    profileButtons->addWidget(cmdDel);
    auto* left = new QVBoxLayout;
    left->addWidget(lblTitle);
    left->addWidget(lstConfigurations, 1);
    left->addLayout(profileButtons);
    return left;
}

void frmBtm::BuildTestPrintStep(QVBoxLayout* steps) {
    lblStep1 = Label(this, QStringLiteral("lblStep1"), true);
    lblStep1Desc = Label(this, QStringLiteral("lblStep1Desc"));
    lblStep1Desc->setWordWrap(true);
    cmdGenerateTest = Button(this, QStringLiteral("cmdGenerateTest"));
    cmdPrintTest = Button(this, QStringLiteral("cmdPrintTest"));
    picTestPrint = Label(this, QStringLiteral("picTestPrint"));
    picTestPrint->setPixmap(TestPrintSample(QSize(150, 100)));
    picTestPrint->setFixedSize(150, 100);
    lblPicTopEdge = Label(this, QStringLiteral("lblPicTopEdge"));
    lblPicRightEdge = Label(this, QStringLiteral("lblPicRightEdge"));
    lblPicBottomEdge = Label(this, QStringLiteral("lblPicBottomEdge"));
    lblPicLeftEdge = Label(this, QStringLiteral("lblPicLeftEdge"));
    lblPicTopLeft = Label(this, QStringLiteral("lblPicTopLeft"));
    lblPicTestPrint = Label(this, QStringLiteral("lblPicTestPrint"));
    for (QLabel* small : {lblPicTopEdge, lblPicRightEdge, lblPicBottomEdge, lblPicLeftEdge,
                          lblPicTopLeft, lblPicTestPrint}) {
        QFont f = small->font();
        f.setPointSizeF(f.pointSizeF() * 0.85);
        small->setFont(f);
    }

    // The sample picture with its edges named round it.
    auto* picture = new QGridLayout;
    picture->setSpacing(2);
    picture->addWidget(lblPicTopLeft, 0, 0, Qt::AlignRight | Qt::AlignBottom);
    picture->addWidget(lblPicTopEdge, 0, 1, Qt::AlignHCenter | Qt::AlignBottom);
    picture->addWidget(lblPicLeftEdge, 1, 0, Qt::AlignRight | Qt::AlignVCenter);
    picture->addWidget(picTestPrint, 1, 1);
    picture->addWidget(lblPicRightEdge, 1, 2, Qt::AlignLeft | Qt::AlignVCenter);
    picture->addWidget(lblPicBottomEdge, 2, 1, Qt::AlignHCenter | Qt::AlignTop);
    picture->addWidget(lblPicTestPrint, 3, 1, Qt::AlignHCenter | Qt::AlignTop);

    auto* step1Text = new QVBoxLayout;
    step1Text->addWidget(lblStep1Desc);
    auto* step1Buttons = new QHBoxLayout;
    step1Buttons->addWidget(cmdGenerateTest);
    step1Buttons->addWidget(cmdPrintTest);
    step1Buttons->addStretch();
    step1Text->addLayout(step1Buttons);
    step1Text->addStretch();
    auto* step1 = new QHBoxLayout;
    step1->setContentsMargins(18, 2, 0, 6);
    step1->setSpacing(16);
    step1->addLayout(step1Text, 1);
    step1->addLayout(picture);
    steps->addWidget(lblStep1);
    steps->addLayout(step1);
}

void frmBtm::BuildEdgesStep(QVBoxLayout* steps) {
    lblStep2 = Label(this, QStringLiteral("lblStep2"), true);
    lblStep2Desc = Label(this, QStringLiteral("lblStep2Desc"));
    lblStep2Desc->setWordWrap(true);
    lblTopEdge = Label(this, QStringLiteral("lblTopEdge"));
    lblRightEdge = Label(this, QStringLiteral("lblRightEdge"));
    lblBottomEdge = Label(this, QStringLiteral("lblBottomEdge"));
    lblLeftEdge = Label(this, QStringLiteral("lblLeftEdge"));
    cmbTopEdge = Named(new QComboBox(this), QStringLiteral("cmbTopEdge"));
    cmbRightEdge = Named(new QComboBox(this), QStringLiteral("cmbRightEdge"));
    cmbBottomEdge = Named(new QComboBox(this), QStringLiteral("cmbBottomEdge"));
    cmbLeftEdge = Named(new QComboBox(this), QStringLiteral("cmbLeftEdge"));
    for (QComboBox* box : EdgeSelectors())
        box->setMaxVisibleItems(17);

    fraCutoffInInches = Named(new QGroupBox(this), QStringLiteral("fraCutoffInInches"));
    lblCutoffHeading = Label(fraCutoffInInches, QStringLiteral("lblCutoffHeading"));
    lblTopEdgeDesc = Label(fraCutoffInInches, QStringLiteral("lblTopEdgeDesc"));
    lblRightEdgeDesc = Label(fraCutoffInInches, QStringLiteral("lblRightEdgeDesc"));
    lblBottomEdgeDesc = Label(fraCutoffInInches, QStringLiteral("lblBottomEdgeDesc"));
    lblLeftEdgeDesc = Label(fraCutoffInInches, QStringLiteral("lblLeftEdgeDesc"));

    // Selectors and clipped amounts row by row, so each amount stands beside its edge.
    auto* edges = new QGridLayout;
    edges->setHorizontalSpacing(8);
    edges->setVerticalSpacing(6);
    const std::array<QLabel*, 4> names{lblTopEdge, lblRightEdge, lblBottomEdge, lblLeftEdge};
    const auto selectors = EdgeSelectors();
    for (int i = 0; i < 4; ++i) {
        edges->addWidget(names[static_cast<size_t>(i)], i, 0);
        edges->addWidget(selectors[static_cast<size_t>(i)], i, 1);
    }
    auto* cutoff = new QVBoxLayout(fraCutoffInInches);
    // Each amount row as high as a selector row, so that the two columns can line up.
    const int rowHeight = cmbTopEdge->sizeHint().height();
    cutoff->setSpacing(6);
    cutoff->addWidget(lblCutoffHeading);
    for (QLabel* desc : EdgeDescriptions()) {
        desc->setMinimumWidth(280);
        desc->setFixedHeight(rowHeight);
        cutoff->addWidget(desc);
    }
    auto* step2Edges = new QHBoxLayout;
    step2Edges->setContentsMargins(18, 2, 0, 6);
    step2Edges->setSpacing(16);
    edgesColumn_ = new QVBoxLayout;
    edgesColumn_->addSpacing(0); // set by AlignEdgeRows
    edgesColumn_->addLayout(edges);
    edgesColumn_->addStretch();
    step2Edges->addLayout(edgesColumn_);
    step2Edges->addWidget(fraCutoffInInches, 1);
    steps->addWidget(lblStep2);
    lblStep2Desc->setContentsMargins(18, 0, 0, 0);
    steps->addWidget(lblStep2Desc);
    steps->addLayout(step2Edges);
}

void frmBtm::SetEdgeDialogTexts() {
    setWindowTitle(tr("Edge Calibration"));
    lblTitle->setText(tr("Edge Calibration Profiles"));
    lstConfigurations->setToolTip(tr("Edge Calibration Profiles"));
    cmdNew->setText(tr("New"));
    cmdNew->setToolTip(tr("Create a new Edge Calibration Profile"));
    cmdRename->setText(tr("Rename"));
    cmdRename->setToolTip(tr("Rename the currently selected Edge Calibration Profile"));
    cmdDel->setText(tr("Del"));
    cmdDel->setToolTip(tr("Delete the currently selected Edge Calibration Profile"));
    cmdOk->setText(tr("Close"));
    cmdOk->setToolTip(tr("Close the Edge Calibration dialog box"));
    lblStep1->setText(tr("Step (1) Create and print test image"));
    lblStep1Desc->setText(T(str::Step1EdgeDesc));
    cmdGenerateTest->setText(tr("Create Edge Calibration Test Image"));
    cmdGenerateTest->setToolTip(tr("Create Edge Calibration Test Image"));
    cmdPrintTest->setText(tr("Print..."));
    cmdPrintTest->setToolTip(
        tr("Print the Edge Calibration test image at the tile print size on a printer"));
    lblPicTopEdge->setText(tr("top edge") + u':');
    lblPicRightEdge->setText(tr("right edge") + u':');
    lblPicBottomEdge->setText(tr("bottom edge") + u':');
    lblPicLeftEdge->setText(tr("left edge") + u':');
    lblPicTopLeft->setText(tr("Top Left"));
    lblPicTestPrint->setText(tr("Test Print"));
    lblStep2->setText(tr("Step (2) Enter Edge Calibration Profile Information "));
    lblStep2Desc->setText(T(str::EdgeStep2Desc));
    lblTopEdge->setText(tr("Top Edge"));
    lblRightEdge->setText(tr("Right Edge"));
    lblBottomEdge->setText(tr("Bottom Edge") + u':');
    lblLeftEdge->setText(tr("Left Edge") + u':');
    cmbTopEdge->setToolTip(T(str::TopEdgeTip));
    cmbRightEdge->setToolTip(T(str::RightEdgeTip));
    cmbBottomEdge->setToolTip(T(str::BottomEdgeTip));
    cmbLeftEdge->setToolTip(T(str::LeftEdgeTip));
    fraCutoffInInches->setTitle(tr("Amount the printer cuts of from the edges of images"));
    fraCutoffInInches->setToolTip(
        tr("Edge Calibration information for the currently selected Edge Calibration Profile"));
    lblCutoffHeading->setText(tr("Amount the printer cuts off from each edge"));
}

void frmBtm::ConnectEvents() {
    connect(lstConfigurations, &QListWidget::currentRowChanged, this,
            &frmBtm::lstConfigurations_Click);
    for (QComboBox* box : EdgeSelectors())
        connect(box, &QComboBox::currentIndexChanged, this, &frmBtm::ProcessFormChange);
    connect(cmdNew, &QPushButton::clicked, this, &frmBtm::cmdNew_Click);
    connect(cmdRename, &QPushButton::clicked, this, &frmBtm::cmdRename_Click);
    connect(cmdDel, &QPushButton::clicked, this, &frmBtm::cmdDel_Click);
    connect(cmdOk, &QPushButton::clicked, this, &frmBtm::cmdOk_Click);
    connect(cmdGenerateTest, &QPushButton::clicked, this, &frmBtm::cmdGenerateTest_Click);
    connect(cmdPrintTest, &QPushButton::clicked, this, &frmBtm::cmdPrintTest_Click);
}

void frmBtm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!edgeRowsAligned_) {
        edgeRowsAligned_ = true;
        AlignEdgeRows();
    }
}

void frmBtm::AlignEdgeRows() {
    // The window is laid out now: move the selectors down to the first amount's row.
    const int offset =
        lblTopEdgeDesc->mapTo(this, QPoint(0, 0)).y() - cmbTopEdge->mapTo(this, QPoint(0, 0)).y();
    if (auto* spacer = edgesColumn_->itemAt(0)->spacerItem(); spacer && offset > 0) {
        spacer->changeSize(0, offset, QSizePolicy::Minimum, QSizePolicy::Fixed);
        edgesColumn_->invalidate();
    }
}

std::array<QComboBox*, 4> frmBtm::EdgeSelectors() const {
    return {cmbTopEdge, cmbRightEdge, cmbBottomEdge, cmbLeftEdge};
}

std::array<QLabel*, 4> frmBtm::EdgeDescriptions() const {
    return {lblTopEdgeDesc, lblRightEdgeDesc, lblBottomEdgeDesc, lblLeftEdgeDesc};
}

std::array<int, 4> frmBtm::EdgeSelections() const {
    std::array<int, 4> positions{};
    const auto selectors = EdgeSelectors();
    for (size_t i = 0; i < positions.size(); ++i)
        positions[i] = selectors[i]->currentIndex();
    return positions;
}

QPixmap frmBtm::TestPrintSample(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    // The target's four frames, scaled down to a few pixels each.
    constexpr int kStripe = 5;
    for (int frame = 1; frame <= EdgeTestTarget::kFrames; ++frame) {
        const int inset = (frame - 1) * kStripe;
        const QRect outer(inset, inset, size.width() - 2 * inset, size.height() - 2 * inset);
        p.fillRect(outer, EdgeTestTarget::FrameColour(frame));
        p.fillRect(outer.adjusted(kStripe, kStripe, -kStripe, -kStripe), Qt::white);
    }
    QFont f = p.font();
    f.setPixelSize(std::max(8, size.height() / 8));
    p.setFont(f);
    p.setPen(Qt::black);
    const int band = EdgeTestTarget::kFrames * kStripe;
    p.drawText(QRect(band, band, size.width() - 2 * band, size.height() - 2 * band),
               Qt::AlignCenter | Qt::TextWordWrap, T(str::EdgeTestPrint));
    return pixmap;
}

// --- Operations ---

void frmBtm::initControls() {
    profiles_.LoadProfiles();
    // The refill selects the first profile, refreshes the labels and tells the main window.
    const QScopedValueRollback ignore(bIgnoreEvents, true);
    FillProfileList(0);
}

void frmBtm::SelectListRow(int index) {
    if (index < 0 || index >= lstConfigurations->count())
        index = lstConfigurations->count() > 0 ? 0 : -1;
    lstConfigurations->setCurrentRow(index);
}

void frmBtm::fillDropDowns() {
    const QStringList items = EdgeSelectorItems();
    for (QComboBox* box : EdgeSelectors()) {
        const QSignalBlocker block(box);
        box->clear();
        box->addItems(items);
    }
}

void frmBtm::UpdateComboboxes() {
    if (bIgnoreEvents)
        return;
    const int k = lstConfigurations->currentRow();
    if (k < 0 || k >= profiles_.Count())
        return;
    const QScopedValueRollback ignore(bIgnoreEvents, true);
    const EdgeProfile& profile = profiles_.Table().At(k);
    const auto selectors = EdgeSelectors();
    for (size_t i = 0; i < selectors.size(); ++i)
        selectors[i]->setCurrentIndex(profile.clip[i]);
    UpdateEdgeDescriptions();
}

void frmBtm::UpdateEdgeDescriptions() {
    const UnitCode units = poster_.getCurUnits();
    const auto selectors = EdgeSelectors();
    const auto descriptions = EdgeDescriptions();
    for (size_t i = 0; i < selectors.size(); ++i)
        descriptions[i]->setText(EdgeClipDescription(selectors[i]->currentIndex(), units));
}

void frmBtm::ProcessFormChange() {
    if (bIgnoreEvents)
        return;
    // StoreEdgeSelections writes the file, with the profiles another window added meanwhile.
    const int row = lstConfigurations->currentRow();
    profiles_.StoreEdgeSelections(row, EdgeSelections());
    if (lstConfigurations->count() != profiles_.Count())
        FillProfileList(row);
    UpdateEdgeDescriptions();
}

void frmBtm::FillProfileList(int selection) {
    {
        // The refill's own row changes are not the user's clicks.
        const QSignalBlocker block(lstConfigurations);
        lstConfigurations->clear();
        lstConfigurations->addItems(profiles_.Table().Names());
    }
    // Wide enough for the longest name (the shipped ones are longer in most languages).
    lstConfigurations->setFixedWidth(std::max(
        200, lstConfigurations->sizeHintForColumn(0) + 2 * lstConfigurations->frameWidth() +
                 lstConfigurations->verticalScrollBar()->sizeHint().width()));
    SelectListRow(selection);
    UpdateComboboxes();
    UpdateEdgeDescriptions();
    profiles_.SaveBorderPrefs();
    emit profilesChanged();
}

void frmBtm::SetStep1DescUnits() {
    lblStep1Desc->setText(Step1DescForUnits(lblStep1Desc->text(), poster_.getCurUnits()));
}

bool frmBtm::customInputBox(const QString& title, const QString& msg, const QString& defaultVal) {
    inputBoxText.clear();
    inputBoxResult = QStringLiteral("0");
    if (inputQuestion_) {
        if (const auto answer = inputQuestion_(title, msg, defaultVal)) {
            inputBoxResult = QString::number(1);
            inputBoxText = *answer;
        }
    } else {
        frmInputBox box(inputBoxResult, inputBoxText, this);
        box.Ask(title, msg, defaultVal);
    }
    return !inputBoxText.isEmpty() && inputBoxResult.toInt() >= 1;
}

// --- Events ---

void frmBtm::lstConfigurations_Click() {
    if (!bIgnoreEvents)
        UpdateComboboxes();
}

void frmBtm::cmdNew_Click() {
    if (!customInputBox(tr("Enter name for new configuration") + u':', tr("New Configuration"),
                        QString()))
        return;
    if (profiles_.CreateProfile(inputBoxText, messages_))
        FillProfileList(static_cast<int>(profiles_.Count() - 1));
}

void frmBtm::cmdRename_Click() {
    const int k = lstConfigurations->currentRow();
    if (k < 0 || k >= profiles_.Count())
        return;
    const QString oldName = profiles_.Table().At(k).name;
    if (!customInputBox(tr("Enter new name for this Edge Calibrtion Profile") + u':',
                        tr("New Configuration"), oldName))
        return;
    if (profiles_.RenameProfile(k, inputBoxText, messages_))
        FillProfileList(0);
}

void frmBtm::cmdDel_Click() {
    if (profiles_.DeleteProfile(lstConfigurations->currentRow(), messages_))
        FillProfileList(0);
}

void frmBtm::cmdOk_Click() {
    emit outputSizeUpdateRequested();
    accept();
}

// --- Test target ---

QString frmBtm::ShowSaveTestTargetDialog(const QString& fileName, const QString& folder) {
    const QString startFolder =
        folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                         : folder;
    if (savePathQuestion_)
        return savePathQuestion_(fileName, startFolder);
    QFileDialog dialog(this, EdgeTestTargetTexts::SaveDialogTitle(), startFolder);
    dialog.setObjectName(QStringLiteral("dlgSaveTestTarget"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = FormatTable::ImageFilters();
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(FormatTable::Row(ImageFormat::Jpeg).Filter());
    dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

void frmBtm::cmdGenerateTest_Click() {
    const auto size = EdgeTestTargetFlow::PrintSize(poster_);
    if (!size) {
        messages_.Critical(EdgeTestTargetTexts::InvalidPrintSizeTitle(), size.error());
        return;
    }
    if (messages_.OkCancel(
            EdgeTestTargetTexts::ConfirmTitle(),
            EdgeTestTargetTexts::Confirm(size->dH, size->dW, poster_.getCurUnits())) !=
        MessageService::Answer::Ok)
        return;

    setCursor(Qt::WaitCursor);
    auto target = EdgeTestTargetFlow::Build(*size);
    unsetCursor();
    if (!target) {
        messages_.Critical(EdgeTestTargetTexts::ErrorTitle(), target.error());
        return;
    }

    const QString path = ShowSaveTestTargetDialog(EdgeTestTargetTexts::DefaultFileName());
    if (path.isEmpty()) {
        messages_.Critical(EdgeTestTargetTexts::SaveCanceledTitle(),
                           EdgeTestTargetTexts::SaveCanceled());
        return;
    }
    if (path.size() < 4)
        return;
    const auto format = EdgeTestTargetFlow::FileFormat(path);
    if (!format) {
        messages_.Critical(EdgeTestTargetTexts::InvalidFileTypeTitle(), format.error());
        return;
    }
    ImageObject image = std::move(target).value();
    if (const Result<> saved = EdgeTestTargetFlow::Save(image, path, *format); !saved) {
        messages_.Critical(EdgeTestTargetTexts::ErrorTitle(), saved.error());
        return;
    }
    messages_.Information(EdgeTestTargetTexts::CompletedTitle(),
                          EdgeTestTargetTexts::Completed(QDir::toNativeSeparators(path)));
}

void frmBtm::cmdPrintTest_Click() {
    // The same checks and messages as saving the target; the print dialog then asks the rest.
    const auto size = EdgeTestTargetFlow::PrintSize(poster_);
    if (!size) {
        messages_.Critical(EdgeTestTargetTexts::InvalidPrintSizeTitle(), size.error());
        return;
    }
    setCursor(Qt::WaitCursor);
    const auto target = EdgeTestTargetFlow::Build(*size);
    unsetCursor();
    if (!target) {
        messages_.Critical(EdgeTestTargetTexts::ErrorTitle(), target.error());
        return;
    }
    if (!printDialog_) {
        systemPrintDialog_ = std::make_unique<QtPrintDialogService>();
        printDialog_ = systemPrintDialog_.get();
    }
    // One page: the progress windows are never shown, but the flow wants them.
    frmMsg progress(this);
    frmSimpleMsg done(this);
    SaveProgressWindows windows(progress, done);
    PrintPosterFlow(messages_, *printDialog_, windows)
        .PrintTestTarget(this, poster_, target->GetPicture(),
                         EdgeTestTargetTexts::DefaultFileName());
}

} // namespace tessellon
