#include "output_box.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "gbk.h"

namespace zorvanta {

namespace {

constexpr int caretWidth = 1;
constexpr int sideMargin = 2;

bool isWordByte(char byte) {
    return byte != ' ' && byte != '\r' && byte != '\n';
}

// A line as shown: its text and, for every character, the byte where it starts in the line.
struct ShownLine {
    QString text;
    std::vector<std::size_t> charStarts;  // one per character, then the line's length
};

ShownLine showLine(std::string_view bytes) {
    ShownLine shown;
    std::vector<std::size_t> lengths;
    for (std::size_t pos = 0; pos < bytes.size(); pos += lengths.back()) {
        shown.charStarts.push_back(pos);
        lengths.push_back(gbkCharLength(bytes, pos));
    }
    shown.charStarts.push_back(bytes.size());
    shown.text = decodeGbk(bytes);
    if (shown.text.size() != static_cast<qsizetype>(lengths.size())) {
        // A byte sequence that does not decode to one character each: decode them singly.
        shown.text.clear();
        for (std::size_t i = 0; i < lengths.size(); ++i) {
            shown.text += decodeGbk(bytes.substr(shown.charStarts[i], lengths[i])).left(1);
        }
    }
    return shown;
}

qsizetype charIndexOf(const ShownLine& shown, std::size_t offset) {
    const auto it = std::lower_bound(shown.charStarts.begin(), shown.charStarts.end(), offset);
    return static_cast<qsizetype>(it - shown.charStarts.begin());
}

}  // namespace

OutputBox::OutputBox(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setBackgroundRole(QPalette::Base);
    verticalScrollBar()->setSingleStep(1);
}

void OutputBox::appendOutput(std::string_view gbk) {
    const std::size_t firstChangedLine = lineCount() - 1;
    const std::size_t oldSize = text_.size();
    text_.append(gbk);
    for (std::size_t pos = gbk.find('\n'); pos != std::string_view::npos;
         pos = gbk.find('\n', pos + 1)) {
        lineStarts_.push_back(oldSize + pos + 1);
    }
    measureLinesFrom(firstChangedLine);
    anchor_ = caret_ = text_.size();
    updateScrollBars();
    ensureCaretVisible();
    viewport()->update();
}

void OutputBox::clear() {
    text_.clear();
    lineStarts_.assign(1, 0);
    lineWidths_.assign(1, 0);
    longestLineWidth_ = 0;
    anchor_ = caret_ = 0;
    updateScrollBars();
    viewport()->update();
}

void OutputBox::selectAll() {
    anchor_ = 0;
    caret_ = text_.size();
    ensureCaretVisible();
    viewport()->update();
}

void OutputBox::setSelection(std::size_t anchor, std::size_t caret) {
    anchor_ = snapToCharacter(anchor);
    caret_ = snapToCharacter(caret);
    ensureCaretVisible();
    viewport()->update();
}

std::size_t OutputBox::selectionStart() const {
    return std::min(anchor_, caret_);
}

std::size_t OutputBox::selectionLength() const {
    return std::max(anchor_, caret_) - selectionStart();
}

std::string OutputBox::selectedText() const {
    return text_.substr(selectionStart(), selectionLength());
}

OutputBox::LineSpan OutputBox::lineSpan(std::size_t line) const {
    const std::size_t start = lineStarts_[line];
    std::size_t end = line + 1 < lineCount() ? lineStarts_[line + 1] - 1 : text_.size();
    if (end > start && text_[end - 1] == '\r') {
        --end;
    }
    return {start, end};
}

std::size_t OutputBox::lineOf(std::size_t position) const {
    const auto it = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), position);
    return static_cast<std::size_t>(it - lineStarts_.begin()) - 1;
}

int OutputBox::lineHeight() const {
    return std::max(1, fontMetrics().height());
}

int OutputBox::visibleLineCount() const {
    return std::max(1, viewport()->height() / lineHeight());
}

int OutputBox::documentWidth() const {
    return std::max(viewport()->width(), longestLineWidth_ + 2 * sideMargin + caretWidth);
}

// Lines are centred in the document, which is as wide as the view or the longest line.
int OutputBox::lineLeft(std::size_t line) const {
    return (documentWidth() - lineWidths_[line]) / 2 - horizontalScrollBar()->value();
}

int OutputBox::prefixWidth(std::size_t line, std::size_t position) const {
    const LineSpan span = lineSpan(line);
    if (position >= span.end) {
        return lineWidths_[line];
    }
    const std::size_t length = position > span.start ? position - span.start : 0;
    return fontMetrics().horizontalAdvance(
        decodeGbk(std::string_view(text_).substr(span.start, length)));
}

std::size_t OutputBox::positionAt(const QPoint& viewportPoint) const {
    const int row = viewportPoint.y() < 0 ? -1 : viewportPoint.y() / lineHeight();
    const long long line = static_cast<long long>(verticalScrollBar()->value()) + row;
    const std::size_t clamped =
        static_cast<std::size_t>(std::clamp<long long>(line, 0, lineCount() - 1));
    return positionInLineAt(clamped, viewportPoint.x() - lineLeft(clamped));
}

// The character boundary nearest to x, measured from the left of the line.
std::size_t OutputBox::positionInLineAt(std::size_t line, int x) const {
    const LineSpan span = lineSpan(line);
    const ShownLine shown =
        showLine(std::string_view(text_).substr(span.start, span.end - span.start));
    const QFontMetrics metrics = fontMetrics();
    int previousX = 0;
    for (qsizetype i = 1; i <= shown.text.size(); ++i) {
        const int nextX = metrics.horizontalAdvance(shown.text.left(i));
        if (x < (previousX + nextX) / 2) {
            return span.start + shown.charStarts[i - 1];
        }
        previousX = nextX;
    }
    return span.end;
}

// Positions fall on character boundaries inside a line, or at the very end of the text.
std::size_t OutputBox::snapToCharacter(std::size_t position) const {
    if (position >= text_.size()) {
        return text_.size();
    }
    const LineSpan span = lineSpan(lineOf(position));
    if (position >= span.end) {
        return span.end;
    }
    std::size_t boundary = span.start;
    while (boundary < position) {
        const std::size_t next = boundary + gbkCharLength(text_, boundary);
        if (next > position) {
            break;
        }
        boundary = next;
    }
    return boundary;
}

std::size_t OutputBox::nextPosition(std::size_t position) const {
    const std::size_t line = lineOf(position);
    const LineSpan span = lineSpan(line);
    if (position < span.end) {
        return position + gbkCharLength(text_, position);
    }
    return line + 1 < lineCount() ? lineStarts_[line + 1] : text_.size();
}

std::size_t OutputBox::previousPosition(std::size_t position) const {
    const std::size_t line = lineOf(position);
    const LineSpan span = lineSpan(line);
    if (position > span.end) {
        return span.end;
    }
    if (position > span.start) {
        return snapToCharacter(position - 1);
    }
    return line > 0 ? lineSpan(line - 1).end : 0;
}

void OutputBox::moveCaret(std::size_t position, bool keepAnchor) {
    caret_ = position;
    if (!keepAnchor) {
        anchor_ = position;
    }
    ensureCaretVisible();
    viewport()->update();
}

void OutputBox::moveCaretByLines(int lines, bool keepAnchor) {
    const std::size_t line = lineOf(caret_);
    const long long target =
        std::clamp<long long>(static_cast<long long>(line) + lines, 0, lineCount() - 1);
    const int x = lineLeft(line) + prefixWidth(line, caret_);
    const auto targetLine = static_cast<std::size_t>(target);
    moveCaret(positionInLineAt(targetLine, x - lineLeft(targetLine)), keepAnchor);
}

void OutputBox::selectWordAt(std::size_t position) {
    const LineSpan span = lineSpan(lineOf(position));
    std::size_t start = std::min(position, span.end);
    std::size_t end = start;
    while (start > span.start && isWordByte(text_[start - 1])) {
        --start;
    }
    while (end < span.end && isWordByte(text_[end])) {
        ++end;
    }
    anchor_ = snapToCharacter(start);
    moveCaret(end, true);
}

void OutputBox::copySelection() const {
    if (selectionLength() > 0) {
        QApplication::clipboard()->setText(decodeGbk(selectedText()));
    }
}

void OutputBox::measureLinesFrom(std::size_t line) {
    lineWidths_.resize(lineCount());
    const QFontMetrics metrics = fontMetrics();
    for (std::size_t i = line; i < lineCount(); ++i) {
        const LineSpan span = lineSpan(i);
        lineWidths_[i] = metrics.horizontalAdvance(
            decodeGbk(std::string_view(text_).substr(span.start, span.end - span.start)));
        longestLineWidth_ = std::max(longestLineWidth_, lineWidths_[i]);
    }
}

void OutputBox::remeasureAllLines() {
    longestLineWidth_ = 0;
    measureLinesFrom(0);
    updateScrollBars();
    viewport()->update();
}

void OutputBox::updateScrollBars() {
    const int pageLines = visibleLineCount();
    verticalScrollBar()->setPageStep(pageLines);
    verticalScrollBar()->setRange(0, static_cast<int>(std::max<long long>(
                                         0, static_cast<long long>(lineCount()) - pageLines)));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(std::max(1, fontMetrics().averageCharWidth()));
    horizontalScrollBar()->setRange(0, documentWidth() - viewport()->width());
}

void OutputBox::ensureCaretVisible() {
    const auto line = static_cast<int>(lineOf(caret_));
    QScrollBar* vertical = verticalScrollBar();
    if (line < vertical->value()) {
        vertical->setValue(line);
    } else if (line >= vertical->value() + visibleLineCount()) {
        vertical->setValue(line - visibleLineCount() + 1);
    }
    QScrollBar* horizontal = horizontalScrollBar();
    const int caretX = lineLeft(static_cast<std::size_t>(line)) + horizontal->value() +
                       prefixWidth(static_cast<std::size_t>(line), caret_);
    const int viewWidth = viewport()->width();
    if (caretX - sideMargin < horizontal->value()) {
        horizontal->setValue(caretX - sideMargin);
    } else if (caretX + sideMargin + caretWidth > horizontal->value() + viewWidth) {
        horizontal->setValue(caretX + sideMargin + caretWidth - viewWidth);
    }
}

void OutputBox::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const int height = viewport()->height();
    const int lh = lineHeight();
    const auto first = static_cast<std::size_t>(verticalScrollBar()->value());
    for (std::size_t line = first; line < lineCount(); ++line) {
        const int top = static_cast<int>(line - first) * lh;
        if (top >= height) {
            break;
        }
        paintLine(painter, line, top);
    }
}

void OutputBox::paintLine(QPainter& painter, std::size_t line, int top) const {
    const LineSpan span = lineSpan(line);
    const ShownLine shown =
        showLine(std::string_view(text_).substr(span.start, span.end - span.start));
    const QFontMetrics metrics = fontMetrics();
    const int left = lineLeft(line);
    const int baseline = top + metrics.ascent();
    const QPalette& colours = palette();
    painter.setPen(colours.color(QPalette::Text));
    painter.drawText(left, baseline, shown.text);

    // The selection shows only while the box has the focus.
    const bool showSelection = hasFocus() && selectionLength() > 0;
    const std::size_t selStart = std::max(selectionStart(), span.start);
    const std::size_t selEnd = std::min(selectionStart() + selectionLength(), span.end);
    if (showSelection && selStart < selEnd) {
        const qsizetype from = charIndexOf(shown, selStart - span.start);
        const qsizetype to = charIndexOf(shown, selEnd - span.start);
        const int x = left + metrics.horizontalAdvance(shown.text.left(from));
        const QString selected = shown.text.mid(from, to - from);
        const QRect area(x, top, metrics.horizontalAdvance(selected), metrics.height());
        painter.fillRect(area, colours.color(QPalette::Highlight));
        painter.setPen(colours.color(QPalette::HighlightedText));
        painter.drawText(x, baseline, selected);
    }
    if (hasFocus() && lineOf(caret_) == line) {
        const int x = left + prefixWidth(line, caret_);
        painter.fillRect(QRect(x, top, caretWidth, metrics.height()),
                         colours.color(QPalette::Text));
    }
}

void OutputBox::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void OutputBox::scrollContentsBy(int, int) {
    viewport()->update();
}

void OutputBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        emit rightPressed(event->globalPosition().toPoint());
        return;
    }
    if (event->button() == Qt::LeftButton) {
        const bool extend = event->modifiers() & Qt::ShiftModifier;
        moveCaret(positionAt(event->position().toPoint()), extend);
    }
}

void OutputBox::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) {
        moveCaret(positionAt(event->position().toPoint()), true);
    }
}

void OutputBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        selectWordAt(positionAt(event->position().toPoint()));
        return;
    }
    mousePressEvent(event);
}

void OutputBox::keyPressEvent(QKeyEvent* event) {
    if (event == QKeySequence::SelectAll) {
        selectAll();
        return;
    }
    if (event == QKeySequence::Copy) {
        copySelection();
        return;
    }
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    const bool wholeText = event->modifiers() & Qt::ControlModifier;
    const LineSpan span = lineSpan(lineOf(caret_));
    switch (event->key()) {
        case Qt::Key_Left:
            moveCaret(previousPosition(caret_), extend);
            break;
        case Qt::Key_Right:
            moveCaret(nextPosition(caret_), extend);
            break;
        case Qt::Key_Up:
            moveCaretByLines(-1, extend);
            break;
        case Qt::Key_Down:
            moveCaretByLines(1, extend);
            break;
        case Qt::Key_PageUp:
            moveCaretByLines(-visibleLineCount(), extend);
            break;
        case Qt::Key_PageDown:
            moveCaretByLines(visibleLineCount(), extend);
            break;
        case Qt::Key_Home:
            moveCaret(wholeText ? 0 : span.start, extend);
            break;
        case Qt::Key_End:
            moveCaret(wholeText ? text_.size() : span.end, extend);
            break;
        default:
            event->ignore();
            return;
    }
    event->accept();
}

void OutputBox::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void OutputBox::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void OutputBox::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        remeasureAllLines();
    }
}

}  // namespace zorvanta
