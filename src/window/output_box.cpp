#include "output_box.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "gbk.h"

namespace zorvanta {

namespace {

constexpr int caretWidth = 1;
constexpr int sideMargin = 2;

void setScrollBar(QScrollBar* bar, int maximum, int singleStep, int pageStep) {
    if (bar->singleStep() != singleStep) {
        bar->setSingleStep(singleStep);
    }
    if (bar->pageStep() != pageStep) {
        bar->setPageStep(pageStep);
    }
    bar->setRange(0, maximum);
}

bool isWordByte(char byte) {
    return byte != ' ' && byte != '\r' && byte != '\n';
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
    // The scroll bars cover their whole area; saying so spares repainting the frame and the
    // window behind them whenever a growing text moves the handle.
    verticalScrollBar()->setAttribute(Qt::WA_OpaquePaintEvent);
    horizontalScrollBar()->setAttribute(Qt::WA_OpaquePaintEvent);
    widths_ = std::make_unique<CharWidths>(fontMetrics());
}

void OutputBox::appendOutput(std::string_view gbk) {
    const std::size_t firstChangedLine = lineCount() - 1;
    if (!pendingReveal_) {
        pendingReveal_ =
            PendingReveal{lineOf(caret_), firstChangedLine, selectionLength() > 0, documentWidth()};
        QMetaObject::invokeMethod(this, &OutputBox::revealAppendedText, Qt::QueuedConnection);
    }
    const std::size_t oldSize = text_.size();
    text_.append(gbk);
    for (std::size_t pos = gbk.find('\n'); pos != std::string_view::npos;
         pos = gbk.find('\n', pos + 1)) {
        lineStarts_.push_back(oldSize + pos + 1);
    }
    measureLinesFrom(firstChangedLine);
    forgetShownLinesFrom(firstChangedLine);
    anchor_ = caret_ = text_.size();
    updateScrollBars();
}

// Runs once after the appends of one event: scrolls the caret into view, which moves what
// is already on screen, then paints only the lines that changed and the line the caret left,
// unless the centring of every line moved.
void OutputBox::revealAppendedText() {
    if (!pendingReveal_) {
        return;
    }
    const PendingReveal pending = *pendingReveal_;
    pendingReveal_.reset();
    ensureCaretVisible();
    if (pending.hadSelection || documentWidth() != pending.documentWidth) {
        viewport()->update();
        return;
    }
    updateLines(pending.caretLine, pending.caretLine + 1);
    updateLines(pending.firstChangedLine, lineCount());
}

void OutputBox::updateLines(std::size_t from, std::size_t to) {
    const auto first = static_cast<long long>(verticalScrollBar()->value());
    const long long lh = lineHeight();
    const long long top = std::max(0LL, (static_cast<long long>(from) - first) * lh);
    const long long bottom =
        std::min<long long>(viewport()->height(), (static_cast<long long>(to) - first) * lh);
    if (top < bottom) {
        viewport()->update(0, static_cast<int>(top), viewport()->width(),
                           static_cast<int>(bottom - top));
    }
}

void OutputBox::clear() {
    text_.clear();
    lineStarts_.assign(1, 0);
    lineWidths_.assign(1, 0);
    longestLineWidth_ = 0;
    anchor_ = caret_ = 0;
    shownLines_.clear();
    pendingReveal_.reset();
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

std::string_view OutputBox::lineText(std::size_t line) const {
    const LineSpan span = lineSpan(line);
    return std::string_view(text_).substr(span.start, span.end - span.start);
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
    return widths_->width(std::string_view(text_).substr(span.start, length));
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
    const std::string_view bytes = lineText(line);
    const std::size_t start = lineStarts_[line];
    int left = 0;
    std::size_t length = 0;
    for (std::size_t pos = 0; pos < bytes.size(); pos += length) {
        const int width = widths_->charWidth(bytes, pos, length);
        if (x < left + width / 2) {
            return start + pos;
        }
        left += width;
    }
    return start + bytes.size();
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
    for (std::size_t i = line; i < lineCount(); ++i) {
        lineWidths_[i] = widths_->width(lineText(i));
        longestLineWidth_ = std::max(longestLineWidth_, lineWidths_[i]);
    }
}

void OutputBox::remeasureAllLines() {
    widths_ = std::make_unique<CharWidths>(fontMetrics());
    shownLines_.clear();
    longestLineWidth_ = 0;
    measureLinesFrom(0);
    updateScrollBars();
    viewport()->update();
}

// A scroll bar repaints on every change of its steps, even to the same values, so only
// what changed is written.
void OutputBox::updateScrollBars() {
    const int pageLines = visibleLineCount();
    const auto lastFirstLine =
        std::max<long long>(0, static_cast<long long>(lineCount()) - pageLines);
    setScrollBar(verticalScrollBar(), static_cast<int>(lastFirstLine), 1, pageLines);
    setScrollBar(horizontalScrollBar(), documentWidth() - viewport()->width(),
                 std::max(1, fontMetrics().averageCharWidth()), viewport()->width());
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

void OutputBox::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const int lh = lineHeight();
    const auto first = static_cast<std::size_t>(verticalScrollBar()->value());
    const std::size_t end = std::min(lineCount(), first + viewport()->height() / lh + 1);
    std::erase_if(shownLines_,
                  [&](const auto& shown) { return shown.first < first || shown.first >= end; });
    const QRect dirty = event->rect();
    const std::size_t from = first + static_cast<std::size_t>(std::max(0, dirty.top()) / lh);
    const std::size_t to = std::min(end, first + static_cast<std::size_t>(dirty.bottom() / lh) + 1);
    for (std::size_t line = from; line < to; ++line) {
        paintLine(painter, line, static_cast<int>(line - first) * lh);
    }
}

const QStaticText& OutputBox::shownLine(std::size_t line) {
    const auto [shown, added] = shownLines_.try_emplace(line);
    if (added) {
        shown->second.setTextFormat(Qt::PlainText);
        shown->second.setText(decodeGbk(lineText(line)));
        shown->second.prepare(QTransform(), font());
    }
    return shown->second;
}

void OutputBox::forgetShownLinesFrom(std::size_t line) {
    std::erase_if(shownLines_, [line](const auto& shown) { return shown.first >= line; });
}

void OutputBox::paintLine(QPainter& painter, std::size_t line, int top) {
    const LineSpan span = lineSpan(line);
    const int left = lineLeft(line);
    const int height = lineHeight();
    const QPalette& colours = palette();
    painter.setPen(colours.color(QPalette::Text));
    painter.drawStaticText(left, top, shownLine(line));

    // The selection shows only while the box has the focus.
    const std::size_t selectionEnd = selectionStart() + selectionLength();
    const std::size_t from = std::max(selectionStart(), span.start);
    const std::size_t to = std::min(selectionEnd, span.end);
    if (hasFocus() && from < to) {
        const int x = left + prefixWidth(line, from);
        const std::string_view selected = std::string_view(text_).substr(from, to - from);
        painter.fillRect(QRect(x, top, widths_->width(selected), height),
                         colours.color(QPalette::Highlight));
        painter.setPen(colours.color(QPalette::HighlightedText));
        painter.drawText(x, top + fontMetrics().ascent(), decodeGbk(selected));
    }
    if (hasFocus() && lineOf(caret_) == line) {
        const int x = left + prefixWidth(line, caret_);
        painter.fillRect(QRect(x, top, caretWidth, height), colours.color(QPalette::Text));
    }
}

void OutputBox::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

// The vertical scroll bar counts lines, the horizontal one pixels.
void OutputBox::scrollContentsBy(int dx, int dy) {
    viewport()->scroll(dx, dy * lineHeight());
}

void OutputBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        Q_EMIT rightPressed(event->globalPosition().toPoint());
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
