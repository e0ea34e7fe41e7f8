#pragma once

#include <QFontMetrics>
#include <QHash>
#include <array>
#include <string_view>

namespace zorvanta {

// Widths of GBK text in one font, summed from remembered character widths, so measuring a
// line needs no text shaping. The sheet's font gives every character its own fixed advance.
class CharWidths {
  public:
    explicit CharWidths(const QFontMetrics& metrics);

    int width(std::string_view gbk) const;
    // The width of the character that starts at the given byte, and its length in bytes.
    int charWidth(std::string_view gbk, std::size_t pos, std::size_t& length) const;

  private:
    QFontMetrics metrics_;
    std::array<int, 128> ascii_{};
    mutable QHash<unsigned, int> doubleByte_;
};

}  // namespace zorvanta
