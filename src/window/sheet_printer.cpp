#include "sheet_printer.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QScopeGuard>
#include <algorithm>

#include "dialogs.h"
#include "sheet_font.h"
#include "ui_texts.h"

namespace zorvanta {

namespace {

// Margins inside the printer's printable area, in millimetres; lines are never wrapped, so
// there is no right margin.
constexpr double leftMarginMm = 5.0;
constexpr double topMarginMm = 10.0;
constexpr double bottomMarginMm = 5.0;
// The size a 16-pixel font has on a 96-dpi screen.
constexpr double fontPoints = 12.0;
constexpr int lineGapPixels = 2;

int millimetresToPixels(double millimetres, int dotsPerInch) {
    return static_cast<int>(millimetres / 25.4 * dotsPerInch);
}

}  // namespace

SheetPrinter::SheetPrinter() = default;
SheetPrinter::~SheetPrinter() = default;

bool SheetPrinter::print(QWidget* owner, Dialogs& dialogs,
                         const std::function<QString()>& readText) {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    QPrinter& printer = *printer_;
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setCopyCount(std::max(copies_, 1));
    const bool confirmed = dialogs.confirmPrint(owner, printer);
    copies_ = printer.copyCount();
    const auto oneCopyNext = qScopeGuard([this] {
        copies_ = 1;
        printer_->setCopyCount(1);
    });
    if (!confirmed) {
        return true;
    }

    const QStringList lines = readText().split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    printer.setDocName(uiTexts::documentName);
    // Where the printer cannot make copies itself, as when printing to a file, each copy is
    // printed in turn.
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(copies_, 1);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    printLines(painter, lines, copies);
    return painter.end();
}

void SheetPrinter::printLines(QPainter& painter, const QStringList& lines, int copies) {
    QPrinter& printer = *printer_;
    QFont font = sheetFont();
    font.setPointSizeF(fontPoints);
    painter.setFont(font);
    const QFontMetrics metrics(font, &printer);
    const int dpi = printer.resolution();
    const int left = millimetresToPixels(leftMarginMm, dpi);
    const int top = millimetresToPixels(topMarginMm, dpi);
    const int bottom = printer.pageRect(QPrinter::DevicePixel).toRect().height() -
                       millimetresToPixels(bottomMarginMm, dpi);
    const int advance = metrics.height() + lineGapPixels;

    QProgressDialog progress(uiTexts::print, QString(), 0, lines.size() * copies);
    progress.setWindowTitle(uiTexts::documentName);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    int printed = 0;
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0) {
            printer.newPage();
        }
        int y = top;
        bool firstOnPage = true;
        for (const QString& line : lines) {
            if (!firstOnPage && y + metrics.height() > bottom) {
                printer.newPage();
                y = top;
            }
            painter.drawText(left, y + metrics.ascent(), line);
            y += advance;
            firstOnPage = false;
            progress.setValue(++printed);
        }
    }
}

}  // namespace zorvanta
