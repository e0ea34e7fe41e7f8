#include "batch_count.h"

#include <charconv>
#include <limits>
#include <string>

#include "ascii_chars.h"

namespace zorvanta {

namespace {

constexpr unsigned char fullWidthFormsLead = 0xA3;
constexpr unsigned char symbolsLead = 0xA1;
constexpr unsigned char fullWidthSpaceTrail = 0xA1;

bool isLeadByte(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}

// Replaces the full-width forms of printable ASCII and the full-width space by ASCII.
std::string foldFullWidth(std::string_view gbk) {
    std::string folded;
    folded.reserve(gbk.size());
    for (std::size_t i = 0; i < gbk.size(); ++i) {
        const auto byte = static_cast<unsigned char>(gbk[i]);
        if (!isLeadByte(byte) || i + 1 == gbk.size()) {
            folded += gbk[i];
            continue;
        }
        const auto trail = static_cast<unsigned char>(gbk[i + 1]);
        if (byte == fullWidthFormsLead && trail >= 0xA1 && trail <= 0xFE) {
            folded += static_cast<char>(trail - 0x80);
        } else if (byte == symbolsLead && trail == fullWidthSpaceTrail) {
            folded += ' ';
        } else {
            folded += gbk.substr(i, 2);
        }
        ++i;
    }
    return folded;
}

bool isExponentLetter(char c) {
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

class PrefixReader {
  public:
    explicit PrefixReader(std::string_view text) : text_(text) {}

    double read() {
        skip(isAsciiSpace);
        bool negative = false;
        if (peekIs('+') || peekIs('-')) {
            negative = text_[pos_++] == '-';
        }
        std::string number;
        const std::size_t integerDigits = take(isAsciiDigit, number);
        std::size_t fractionDigits = 0;
        if (peekIs('.')) {
            std::string fraction = ".";
            ++pos_;
            fractionDigits = take(isAsciiDigit, fraction);
            number += fraction;
        }
        if (integerDigits + fractionDigits == 0) {
            return 0.0;
        }
        number += readExponent();
        return (negative ? -1.0 : 1.0) * toDouble(number);
    }

  private:
    bool peekIs(char c) const { return pos_ < text_.size() && text_[pos_] == c; }

    template <typename Predicate>
    void skip(Predicate predicate) {
        while (pos_ < text_.size() && predicate(text_[pos_])) {
            ++pos_;
        }
    }

    template <typename Predicate>
    std::size_t take(Predicate predicate, std::string& out) {
        const std::size_t start = pos_;
        skip(predicate);
        out.append(text_.substr(start, pos_ - start));
        return pos_ - start;
    }

    // An exponent counts only with at least one digit; otherwise the prefix ends before it.
    std::string readExponent() {
        if (pos_ >= text_.size() || !isExponentLetter(text_[pos_])) {
            return {};
        }
        std::size_t look = pos_ + 1;
        std::string exponent = "e";
        if (look < text_.size() && (text_[look] == '+' || text_[look] == '-')) {
            exponent += text_[look++];
        }
        if (look >= text_.size() || !isAsciiDigit(text_[look])) {
            return {};
        }
        pos_ = look;
        take(isAsciiDigit, exponent);
        return exponent;
    }

    static double toDouble(const std::string& number) {
        double value = 0.0;
        const auto [end, error] =
            std::from_chars(number.data(), number.data() + number.size(), value);
        if (error == std::errc::result_out_of_range) {
            return tooLargeOrTooSmall(number);
        }
        return value;
    }

    // from_chars leaves the value alone when it is out of range: a positive exponent means
    // the number overflowed, a negative one that it underflowed.
    static double tooLargeOrTooSmall(const std::string& number) {
        const std::size_t e = number.find('e');
        const bool negativeExponent =
            e != std::string::npos && e + 1 < number.size() && number[e + 1] == '-';
        return negativeExponent ? 0.0 : std::numeric_limits<double>::infinity();
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace

double parseBatchCount(std::string_view gbk) {
    return PrefixReader(foldFullWidth(gbk)).read();
}

}  // namespace zorvanta
