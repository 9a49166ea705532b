// Conversions between the program's UTF-8 texts and Qt's strings.
#pragma once

#include <QString>
#include <string>

namespace tarnik::gui {

inline QString Q(const std::string& text) { return QString::fromStdString(text); }
inline std::string S(const QString& text) { return text.toStdString(); }

}  // namespace tarnik::gui
