#include "ui/wide_text.h"

namespace fanwright::ui {
namespace {

constexpr char32_t Replacement = 0xFFFD;

// The code point starting at text[i], and how many bytes it took.
char32_t decode(std::string_view text, std::size_t i, std::size_t& length)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    length = 1;
    if (lead < 0x80)
        return lead;
    const std::size_t extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (extra == 0 || lead >= 0xF8 || i + extra >= text.size())
        return Replacement;
    char32_t code = lead & (0x3F >> extra);
    for (std::size_t k = 1; k <= extra; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80)
            return Replacement;
        code = (code << 6) | (next & 0x3F);
    }
    length = extra + 1;
    return code;
}

void append(std::wstring& out, char32_t code)
{
    if constexpr (sizeof(wchar_t) == 2) {
        if (code >= 0x10000) {
            code -= 0x10000;
            out += static_cast<wchar_t>(0xD800 + (code >> 10));
            out += static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
            return;
        }
    }
    out += static_cast<wchar_t>(code);
}

}  // namespace

std::wstring widened(std::string_view utf8)
{
    std::wstring out;
    out.reserve(utf8.size());
    for (std::size_t i = 0, length = 0; i < utf8.size(); i += length)
        append(out, decode(utf8, i, length));
    return out;
}

std::wstring withCrLf(std::wstring_view text)
{
    std::wstring out;
    out.reserve(text.size() + text.size() / 32);
    for (wchar_t c : text) {
        if (c == L'\n')
            out += L'\r';
        out += c;
    }
    return out;
}

}  // namespace fanwright::ui
