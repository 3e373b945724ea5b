// The core's UTF-8 texts as the program's wide texts, and as the clipboard takes them.
#pragma once

#include <string>
#include <string_view>

namespace fanwright::ui {

// UTF-8 to wchar_t: UTF-16 where wchar_t has 16 bits (Windows), UTF-32 elsewhere. A malformed
// byte becomes U+FFFD.
std::wstring widened(std::string_view utf8);

// Every line feed preceded by a carriage return, as Windows programs paste text.
std::wstring withCrLf(std::wstring_view text);

}  // namespace fanwright::ui
