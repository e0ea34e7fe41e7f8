#include "main_window.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "batch_driver.h"
#include "count_field.h"
#include "mixed_button.h"
#include "output_box.h"
#include "sheet_font.h"
#include "sheet_printer.h"
#include "ui_texts.h"
#include "wide_radio_button.h"

namespace zorvanta {

namespace {

// The form is laid out for a 590 x 534 window whose frame and title bar take 10 x 30 pixels:
// the client area is 580 x 504 and the output box fills it below y = 90.
constexpr QSize formOuterSize(590, 534);
constexpr QSize formFrame(10, 30);
constexpr QPoint outputBoxPosition(0, 90);
constexpr int outputBoxWidthAllowance = 10;
constexpr int outputBoxHeightAllowance = 120;
constexpr int largestControlSize = 32627;

constexpr QRect operationStripArea(12, 24, 176, 24);

constexpr int outputFontPixels = 12;
constexpr int operationFontPixels = 16;

int clampedControlSize(int size) {
    return std::clamp(size, 0, largestControlSize);
}

template <typename Widget>
Widget* place(Widget* widget, const char* formName, const QRect& geometry) {
    widget->setObjectName(QString::fromUtf8(formName));
    widget->setGeometry(geometry);
    return widget;
}

}  // namespace

MainWindow::MainWindow(PadTexts& pads, Dialogs& dialogs)
    : dialogs_(dialogs),
      pads_(pads),
      problems_(*this, *this, pads),
      printer_(std::make_unique<SheetPrinter>()) {
    setObjectName(QStringLiteral("窗口"));
    setWindowTitle(uiTexts::windowCaption);
    resize(formOuterSize - formFrame);
    createOperationChoice();
    createRangeChoice();
    createCommandButtons();
    createCountField();
    createOutputBox();
    createContextMenu();
    createBatchDriver();
    connectCommands();
    placeOnScreen();
}

MainWindow::~MainWindow() = default;

void MainWindow::createOperationChoice() {
    operationLabel_ = place(new QLabel(uiTexts::operationLabel, this), "标签1", {8, 0, 184, 24});
    operationLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    // Radio buttons are exclusive among all auto-exclusive buttons below their parent, the
    // range buttons inside the group box included; a strip of their own keeps the four
    // operation buttons a group by themselves.
    operationStrip_ = new QWidget(this);
    operationStrip_->setGeometry(operationStripArea);
    QFont font = sheetFont();
    font.setPixelSize(operationFontPixels);
    const std::array<std::pair<const char*, QRect>, 4> form{{{"单选框1", {12, 24, 40, 24}},
                                                             {"单选框2", {60, 24, 32, 24}},
                                                             {"单选框3", {100, 24, 32, 24}},
                                                             {"单选框4", {140, 24, 48, 24}}}};
    const std::array<QString, 4> captions{uiTexts::addOperation, uiTexts::subtractOperation,
                                          uiTexts::multiplyOperation, uiTexts::divideOperation};
    for (std::size_t i = 0; i < form.size(); ++i) {
        auto* button = new WideRadioButton(captions[i], operationStrip_);
        const QRect inStrip = form[i].second.translated(-operationStripArea.topLeft());
        operationButtons_[i] = place(button, form[i].first, inStrip);
        button->setFont(font);
    }
    operationButtons_[0]->setChecked(true);
}

void MainWindow::createRangeChoice() {
    rangeGroup_ = place(new QGroupBox(uiTexts::rangeGroup, this), "分组框1", {1, 52, 336, 38});
    twentyRangeButton_ =
        place(new WideRadioButton(uiTexts::twentyRange, rangeGroup_), "单选框5", {21, 13, 122, 22});
    hundredRangeButton_ = place(new WideRadioButton(uiTexts::hundredRange, rangeGroup_), "单选框6",
                                {191, 12, 114, 22});
}

void MainWindow::createCommandButtons() {
    singleRowButton_ = place(new QPushButton(uiTexts::singleRow, this), "按钮1", {215, 2, 67, 24});
    randomRowButton_ = place(new QPushButton(uiTexts::randomRow, this), "按钮2", {218, 32, 64, 24});
    printButton_ = place(new QPushButton(uiTexts::print, this), "按钮6", {352, 62, 64, 24});
    batchSingleRowsButton_ =
        place(new QPushButton(uiTexts::batchSingleRows, this), "按钮3", {432, 2, 88, 24});
    batchRandomRowsButton_ =
        place(new QPushButton(uiTexts::batchRandomRows, this), "按钮4", {431, 32, 88, 24});
    mixedButton_ = place(new MixedButton(uiTexts::mixedProblem, uiTexts::mixedProblemHint, this),
                         "按钮5", {431, 62, 88, 24});
    for (QPushButton* button : {singleRowButton_, randomRowButton_, batchSingleRowsButton_,
                                batchRandomRowsButton_, static_cast<QPushButton*>(mixedButton_)}) {
        button->setEnabled(false);
    }
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
}

void MainWindow::createCountField() {
    countField_ = place(new CountField(uiTexts::countPrompt, this), "编辑框2", {321, 13, 80, 30});
}

void MainWindow::createOutputBox() {
    outputBox_ = place(new OutputBox(this), "编辑框1", {outputBoxPosition, QSize(584, 420)});
    QFont font = sheetFont();
    font.setPixelSize(outputFontPixels);
    outputBox_->setFont(font);
    QPalette colours = outputBox_->palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    outputBox_->setPalette(colours);
    outputBox_->setFocus(Qt::OtherFocusReason);
}

// The hidden menu "tc", shown as the output box's context menu.
void MainWindow::createContextMenu() {
    contextMenu_ = new QMenu(uiTexts::contextMenuTitle, this);
    contextMenu_->setObjectName(uiTexts::contextMenuTitle);
    const std::array<std::pair<QString, void (MainWindow::*)()>, 6> items{{
        {uiTexts::menuSave, &MainWindow::saveSheet},
        {uiTexts::menuCopy, &MainWindow::copySelection},
        {uiTexts::menuSelectAll, &MainWindow::selectWholeSheet},
        {uiTexts::menuPrint, &MainWindow::printProblems},
        {uiTexts::menuClear, &MainWindow::clearSheet},
        {uiTexts::menuExit, &MainWindow::exitProgram},
    }};
    for (const auto& [text, command] : items) {
        contextMenu_->addAction(text, this, command);
    }
}

void MainWindow::createBatchDriver() {
    batch_ = new BatchDriver(
        problems_, [this] { return countField_->text(); }, [this] { generateRandomMixedProblem(); },
        dialogs_, this);
}

void MainWindow::connectCommands() {
    connect(twentyRangeButton_, &QRadioButton::clicked, this, [this] { chooseRange(twentyRange); });
    connect(hundredRangeButton_, &QRadioButton::clicked, this,
            [this] { chooseRange(hundredRange); });
    connect(singleRowButton_, &QPushButton::clicked, this, &MainWindow::generateSingleRow);
    connect(randomRowButton_, &QPushButton::clicked, this, &MainWindow::generateRandomRow);
    connect(mixedButton_, &QPushButton::clicked, this, &MainWindow::generateRandomMixedProblem);
    connect(batchSingleRowsButton_, &QPushButton::clicked, this,
            [this] { batch_->start(BatchMode::SelectedOperationRows); });
    connect(batchRandomRowsButton_, &QPushButton::clicked, this,
            [this] { batch_->start(BatchMode::RandomOperationRows); });
    connect(mixedButton_, &MixedButton::rightPressed, this,
            [this] { batch_->start(BatchMode::MixedProblems); });
    connect(printButton_, &QPushButton::clicked, this, &MainWindow::printProblems);
    connect(outputBox_, &OutputBox::rightPressed, this, &MainWindow::showContextMenu);
}

void MainWindow::placeOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QSize free = screen->geometry().size() - formOuterSize;
    move(screen->geometry().topLeft() + QPoint(free.width() / 2, free.height() / 2));
}

void MainWindow::onWindowCreated() {
    batch_->batchStepsDone = 0;
    problems_.mixedRowFill = 0;
    pads_.create();
}

// The output box keeps the window's width less 10 and its height less 120, both measured
// outside the frame the form was laid out for.
void MainWindow::onWindowSizeChanged() {
    const QSize outer = size() + formFrame;
    outputBox_->resize(clampedControlSize(outer.width() - outputBoxWidthAllowance),
                       clampedControlSize(outer.height() - outputBoxHeightAllowance));
}

void MainWindow::onWindowDoubleClicked() {
    setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    onWindowSizeChanged();
}

// Escape, pressed with no modifier in any control, closes the window; no control claims the
// key for itself. Only a fresh press counts: holding Escape to dismiss a message box must not
// go on, by key repeat, to close the window and lose the sheet. Besides the repeats the
// system marks, a press that comes at the very moment of the previous release is a repeat
// too: that is how the X server repeats a held key.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    const bool escape = event->key() == Qt::Key_Escape &&
                        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!escape) {
        QWidget::keyPressEvent(event);
        return;
    }
    const bool repeated = event->isAutoRepeat() || event->timestamp() == lastEscapeRelease_;
    if (!repeated) {
        close();
    }
}

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        lastEscapeRelease_ = event->timestamp();
    }
    QWidget::keyReleaseEvent(event);
}

void MainWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    const QWidget* target = childAt(event->position().toPoint());
    const bool background = target == nullptr || target == operationStrip_;
    if (event->button() == Qt::LeftButton && background) {
        onWindowDoubleClicked();
    }
    QWidget::mouseDoubleClickEvent(event);
}

// Tab and Shift+Tab visit every visible, enabled control in the form's order, radio buttons
// of a group one by one.
bool MainWindow::focusNextPrevChild(bool next) {
    const std::array<QWidget*, 14> order{
        outputBox_,           operationButtons_[0], operationButtons_[1],   operationButtons_[2],
        operationButtons_[3], singleRowButton_,     twentyRangeButton_,     hundredRangeButton_,
        randomRowButton_,     countField_,          batchSingleRowsButton_, batchRandomRowsButton_,
        mixedButton_,         printButton_};
    const auto current = std::find(order.begin(), order.end(), focusWidget());
    const auto count = static_cast<long>(order.size());
    long index = current == order.end() ? (next ? -1 : 0) : current - order.begin();
    for (long step = 0; step < count; ++step) {
        index = (index + (next ? 1 : count - 1)) % count;
        QWidget* candidate = order[static_cast<std::size_t>(index)];
        if (candidate->isVisible() && candidate->isEnabled()) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

bool MainWindow::isChecked(Operation operation) const {
    return operationButtons_[static_cast<std::size_t>(operation)]->isChecked();
}

// The program's own write changes that one button alone; the user's clicks keep the four
// buttons exclusive.
void MainWindow::setChecked(Operation operation, bool checked) {
    QRadioButton* button = operationButtons_[static_cast<std::size_t>(operation)];
    button->setAutoExclusive(false);
    button->setChecked(checked);
    button->setAutoExclusive(true);
}

void MainWindow::appendOutput(std::string_view text) {
    outputBox_->appendOutput(text);
}

}  // namespace zorvanta
