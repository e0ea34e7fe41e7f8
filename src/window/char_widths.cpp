#include "char_widths.h"

#include "gbk.h"

namespace zorvanta {

CharWidths::CharWidths(const QFontMetrics& metrics) : metrics_(metrics) {
    for (std::size_t c = 0; c < ascii_.size(); ++c) {
        ascii_[c] = metrics_.horizontalAdvance(QChar(static_cast<char16_t>(c)));
    }
}

int CharWidths::charWidth(std::string_view gbk, std::size_t pos, std::size_t& length) const {
    length = gbkCharLength(gbk, pos);
    const auto first = static_cast<unsigned char>(gbk[pos]);
    if (length == 1 && first < ascii_.size()) {
        return ascii_[first];
    }
    const unsigned key =
        length == 2 ? (first << 8) | static_cast<unsigned char>(gbk[pos + 1]) : first << 8;
    const auto known = doubleByte_.constFind(key);
    if (known != doubleByte_.cend()) {
        return *known;
    }
    const int measured = metrics_.horizontalAdvance(decodeGbk(gbk.substr(pos, length)));
    doubleByte_.insert(key, measured);
    return measured;
}

int CharWidths::width(std::string_view gbk) const {
    int total = 0;
    std::size_t length = 0;
    for (std::size_t pos = 0; pos < gbk.size(); pos += length) {
        total += charWidth(gbk, pos, length);
    }
    return total;
}

}  // namespace zorvanta
