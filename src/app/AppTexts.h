#pragma once
// The window's fixed texts.
#include <QString>

namespace z2k {

// The converter window's caption: a leading blank and two blanks before the parenthesis.
inline const QString kSheetTitle = QStringLiteral(" ZAT To KOR Project Converter  (v1.0)");
// The title of the application's message boxes (an alert that names no title gets it). The
// application is titled as its window, so that every application box reads the same, also those
// whose sender names the title itself.
inline const QString kApplicationTitle = kSheetTitle;

}  // namespace z2k
