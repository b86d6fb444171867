#include "HostText.h"

#include <QFile>
#include <QStringDecoder>

namespace td {

namespace {

bool IsAscii(const std::string& text) {
    for (unsigned char c : text)
        if (c >= 0x80)
            return false;
    return true;
}

} // namespace

QString FromHostText(const std::string& text) {
    if (IsAscii(text))
        return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    if (!utf8.hasError())
        return decoded;
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToHostText(const QString& text) {
    return text.toLatin1().toStdString();
}

QString FromHostPath(const std::string& path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::string ToHostPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace td
