#include "gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace zorvanta {

// Both converters are stateless and live on the GUI thread, so one of each serves every call.
QString decodeGbk(std::string_view gbk) {
    static QStringDecoder decoder("GBK", QStringDecoder::Flag::Stateless);
    return decoder.decode(QByteArrayView(gbk.data(), static_cast<qsizetype>(gbk.size())));
}

std::string encodeGbk(const QString& text) {
    static QStringEncoder encoder("GBK", QStringEncoder::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::size_t gbkCharLength(std::string_view gbk, std::size_t pos) {
    const auto byte = static_cast<unsigned char>(gbk[pos]);
    const bool lead = byte >= 0x81 && byte <= 0xFE;
    return lead && pos + 1 < gbk.size() ? 2 : 1;
}

}  // namespace zorvanta
