// The one conversion of the lower layers' UTF-8 texts into the window's.
#pragma once

#include <QString>

#include <string>

namespace novlet {

inline QString FromStd(const std::string& text) { return QString::fromStdString(text); }

}  // namespace novlet
