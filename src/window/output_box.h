#pragma once

#include <QAbstractScrollArea>
#include <QPoint>
#include <QStaticText>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "char_widths.h"

class QPainter;

namespace zorvanta {

// The read-only output box. It keeps the sheet as the program's own GBK bytes, CR LF line
// ends included, so that saving and copying give back exactly what was appended, and it
// paints only the lines in view, so appending costs the same however long the sheet grows.
// Lines are centred and never wrapped; the user can select with the mouse and the keyboard
// and scroll, but not type. Positions and lengths are counted in bytes.
class OutputBox : public QAbstractScrollArea {
    Q_OBJECT

  public:
    explicit OutputBox(QWidget* parent = nullptr);

    // Appends at the end of the text: the caret goes to the end and a selection is dropped.
    // The caret is scrolled into view once the appends of the current event are done.
    void appendOutput(std::string_view gbk);
    void clear();
    // Selects the whole text, with the caret at its end, in view.
    void selectAll();
    // Selects from the anchor to the caret, both moved onto character boundaries.
    void setSelection(std::size_t anchor, std::size_t caret);

    const std::string& text() const { return text_; }
    std::size_t selectionStart() const;
    std::size_t selectionLength() const;
    std::string selectedText() const;
    std::size_t caretPosition() const { return caret_; }
    // Puts the selected text, if any, on the clipboard as plain text.
    void copySelection() const;

  Q_SIGNALS:
    // The right mouse button went down over the box, at this global position.
    void rightPressed(const QPoint& globalPosition);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    struct LineSpan {
        std::size_t start;
        std::size_t end;  // before the line end
    };

    LineSpan lineSpan(std::size_t line) const;
    std::string_view lineText(std::size_t line) const;
    std::size_t lineOf(std::size_t position) const;
    std::size_t lineCount() const { return lineStarts_.size(); }
    int lineHeight() const;
    int visibleLineCount() const;
    int documentWidth() const;
    int lineLeft(std::size_t line) const;
    int prefixWidth(std::size_t line, std::size_t position) const;
    std::size_t positionAt(const QPoint& viewportPoint) const;
    std::size_t positionInLineAt(std::size_t line, int x) const;
    std::size_t snapToCharacter(std::size_t position) const;
    std::size_t nextPosition(std::size_t position) const;
    std::size_t previousPosition(std::size_t position) const;

    void moveCaret(std::size_t position, bool keepAnchor);
    void moveCaretByLines(int lines, bool keepAnchor);
    void selectWordAt(std::size_t position);
    void measureLinesFrom(std::size_t line);
    void remeasureAllLines();
    void updateScrollBars();
    void updateLines(std::size_t from, std::size_t to);
    void revealAppendedText();
    void ensureCaretVisible();
    void paintLine(QPainter& painter, std::size_t line, int top);
    const QStaticText& shownLine(std::size_t line);
    void forgetShownLinesFrom(std::size_t line);

    std::string text_;
    std::vector<std::size_t> lineStarts_{0};
    std::vector<int> lineWidths_{0};
    int longestLineWidth_ = 0;
    std::size_t anchor_ = 0;
    std::size_t caret_ = 0;
    std::unique_ptr<CharWidths> widths_;

    // What the screen showed before the appends that have not been revealed yet.
    struct PendingReveal {
        std::size_t caretLine;
        std::size_t firstChangedLine;
        bool hadSelection;
        int documentWidth;
    };
    std::optional<PendingReveal> pendingReveal_;
    // The lines in view, laid out once and drawn from then on without shaping their text.
    std::unordered_map<std::size_t, QStaticText> shownLines_;
};

}  // namespace zorvanta
