#include "CodePageText.h"

#include <QFile>
#include <optional>

#include "platform/HostPaths.h"

namespace z2k {

QString codePageToQString(std::string_view text, CodePage page) {
    const std::string utf8 = codePageTextToUtf8(text, page);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string qStringToCodePage(const QString& text, CodePage page) {
    const QByteArray utf8 = text.toUtf8();
    return utf8TextToCodePage(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                              page);
}

std::string typedFieldToSystemPath(const QString& field, const HostSettings& settings) {
    if (field.startsWith(QLatin1Char('/'))) {
        const QByteArray host = QFile::encodeName(field);
        return typedPathToSystem(std::string_view(host.constData(), static_cast<std::size_t>(host.size())),
                                 settings);
    }
    return qStringToCodePage(field, settings.codePage);
}

QString typedFieldToHostFolder(const QString& field, const HostSettings& settings) {
    if (field.isEmpty()) return QString();
    if (field.startsWith(QLatin1Char('/'))) return field;
    const std::optional<std::string> host =
        systemToHostPath(qStringToCodePage(field, settings.codePage), settings);
    if (!host) return QString();
    return QFile::decodeName(QByteArray(host->data(), static_cast<qsizetype>(host->size())));
}

}  // namespace z2k
