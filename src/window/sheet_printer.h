#pragma once

#include <QString>
#include <functional>
#include <memory>

class QPrinter;
class QPainter;
class QWidget;

namespace zorvanta {

class Dialogs;

// "打印机": prints the sheet line by line under the document name "小学数学计算题". The
// printer and the settings chosen in its dialog stay for the next print, but every print
// proposes A4 portrait and one copy again.
class SheetPrinter {
  public:
    SheetPrinter();
    ~SheetPrinter();

    // Opens the print dialog; on OK reads the text (so that rows a batch appended meanwhile
    // are printed too) and prints it. Returns false when the printer cannot begin the job.
    bool print(QWidget* owner, Dialogs& dialogs, const std::function<QString()>& readText);

  private:
    void printLines(QPainter& painter, const QStringList& lines, int copies);

    std::unique_ptr<QPrinter> printer_;
    int copies_ = 1;
};

}  // namespace zorvanta
