#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <memory>
#include <string_view>

#include "operand_bounds.h"
#include "operation_checks.h"
#include "output_sink.h"
#include "pad_texts.h"
#include "problem_generator.h"

class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;

namespace zorvanta {

class BatchDriver;
class CountField;
class Dialogs;
class MixedButton;
class OutputBox;
class SheetPrinter;

// The program's one window, "窗口": the operation and range choice, the command buttons,
// the count field and the output box, each control under its form name as objectName.
// The window is what the generator reads the checked operation from and appends to.
class MainWindow : public QWidget, public OperationChecks, public OutputSink {
    Q_OBJECT

  public:
    MainWindow(PadTexts& pads, Dialogs& dialogs);
    ~MainWindow() override;

    void onWindowCreated();
    void onWindowSizeChanged();
    void onWindowDoubleClicked();

    bool isChecked(Operation operation) const override;
    void setChecked(Operation operation, bool checked) override;
    void appendOutput(std::string_view text) override;

    const ProblemGenerator& problems() const { return problems_; }
    BatchDriver& batch() { return *batch_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    void createOperationChoice();
    void createRangeChoice();
    void createCommandButtons();
    void createCountField();
    void createOutputBox();
    void createContextMenu();
    void createBatchDriver();
    void connectCommands();
    void placeOnScreen();

    // Selection and immediate commands.
    void chooseRange(const OperandBounds& bounds);
    void generateSingleRow();
    void generateRandomRow();
    void generateRandomMixedProblem();

    // Commands on the sheet.
    void showContextMenu(const QPoint& globalPosition);
    void saveSheet();
    void copySelection();
    void selectWholeSheet();
    void printProblems();
    void clearSheet();
    void exitProgram();

    Dialogs& dialogs_;
    PadTexts& pads_;
    ProblemGenerator problems_;

    QLabel* operationLabel_ = nullptr;
    QWidget* operationStrip_ = nullptr;
    std::array<QRadioButton*, 4> operationButtons_{};
    QGroupBox* rangeGroup_ = nullptr;
    QRadioButton* twentyRangeButton_ = nullptr;
    QRadioButton* hundredRangeButton_ = nullptr;
    QPushButton* singleRowButton_ = nullptr;
    QPushButton* randomRowButton_ = nullptr;
    QPushButton* batchSingleRowsButton_ = nullptr;
    QPushButton* batchRandomRowsButton_ = nullptr;
    MixedButton* mixedButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    CountField* countField_ = nullptr;
    OutputBox* outputBox_ = nullptr;
    QMenu* contextMenu_ = nullptr;
    BatchDriver* batch_ = nullptr;
    std::unique_ptr<SheetPrinter> printer_;
    // The path last confirmed in the save dialog, "通用对话框1", which opens with it.
    QString lastSavePath_;
    // When Escape was last released, to tell the X server's repeats from a fresh press.
    quint64 lastEscapeRelease_ = 0;
};

}  // namespace zorvanta
