#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace zorvanta {

// The program's texts are GBK bytes; the widgets show Unicode.
QString decodeGbk(std::string_view gbk);
std::string encodeGbk(const QString& text);

// The length in bytes of the GBK character that starts at the given byte: 2 for a lead
// byte followed by another byte, otherwise 1.
std::size_t gbkCharLength(std::string_view gbk, std::size_t pos);

}  // namespace zorvanta
