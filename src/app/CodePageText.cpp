#include "CodePageText.h"

#include <iconv.h>

#include <QFile>
#include <cerrno>
#include <optional>
#include <vector>

#include "platform/CodePage.h"
#include "platform/HostPaths.h"

namespace z2k {

namespace {

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

// The length of the UTF-8 sequence that starts with byte b (1 for a byte that starts none).
std::size_t utf8Length(unsigned char b) {
    if (b >= 0xF0 && b <= 0xF4) return 4;
    if (b >= 0xE0) return b <= 0xEF ? 3 : 1;
    if (b >= 0xC2) return 2;
    return 1;
}

// Converts text between two code sets; an input character that cannot be converted is replaced
// by `substitute` and skipped by `skip` bytes.
template <typename Skip>
std::string convert(std::string_view text, const char* to, const char* from, std::string_view substitute,
                    Skip skip) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(text);
    std::string out;
    out.reserve(text.size() * 2);
    std::vector<char> buffer(text.size() * 4 + 16);
    std::string in(text);
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    while (inLeft > 0) {
        char* outPtr = buffer.data();
        std::size_t outLeft = buffer.size();
        const std::size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer.data(), static_cast<std::size_t>(outPtr - buffer.data()));
        if (r != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
        // An invalid or incomplete sequence: substitute one character and go on after it.
        const std::size_t offset = static_cast<std::size_t>(inPtr - in.data());
        std::size_t length = skip(std::string_view(in).substr(offset));
        if (length > inLeft) length = inLeft;
        out += substitute;
        inPtr += length;
        inLeft -= length;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    char* outPtr = buffer.data();
    std::size_t outLeft = buffer.size();
    iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
    out.append(buffer.data(), static_cast<std::size_t>(outPtr - buffer.data()));
    iconv_close(cd);
    return out;
}

}  // namespace

QString codePageToQString(std::string_view text, CodePage page) {
    if (page == CodePage::Utf8) return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const std::string utf8 = convert(text, "UTF-8", codePageCodeSet(page), kReplacementUtf8,
                                     [page](std::string_view rest) { return charLength(rest, 0, page); });
    return QString::fromStdString(utf8);
}

std::string qStringToCodePage(const QString& text, CodePage page) {
    const QByteArray utf8 = text.toUtf8();
    const std::string_view bytes(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    if (page == CodePage::Utf8) return std::string(bytes);
    return convert(bytes, codePageCodeSet(page), "UTF-8", "?", [](std::string_view rest) {
        return utf8Length(static_cast<unsigned char>(rest.front()));
    });
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
