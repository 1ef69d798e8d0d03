#pragma once
// Between the system's text (bytes in the code page of the settings, paths in system form) and the
// window's text (QString, host paths as the host names them).
#include <QString>
#include <string>
#include <string_view>

#include "platform/HostSettings.h"

namespace z2k {

// Code-page bytes as window text. A byte sequence that is not a character of the code page
// shows as U+FFFD.
QString codePageToQString(std::string_view text, CodePage page);
// Window text as code-page bytes. A character that the code page lacks becomes '?', which no
// path accepts.
std::string qStringToCodePage(const QString& text, CodePage page);

// A typed path field as a system path: a text beginning with '/' is a host path and becomes
// its Z: form (one trailing '/' dropped); any other text is taken as typed.
std::string typedFieldToSystemPath(const QString& field, const HostSettings& settings);
// The host folder that a typed folder field names, for a picker to open at; empty when the
// field is empty or names nothing on this host.
QString typedFieldToHostFolder(const QString& field, const HostSettings& settings);

}  // namespace z2k
