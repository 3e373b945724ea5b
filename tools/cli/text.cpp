#include "tools/cli/text.h"

namespace fanwright::cli {

namespace {

constexpr char hexDigits[] = "0123456789abcdef";

unsigned byteAt(std::string_view text, std::size_t i)
{
    return static_cast<unsigned char>(text[i]);
}

bool isContinuation(unsigned byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

std::size_t utf8SequenceLength(std::string_view text)
{
    if (text.empty())
        return 0;
    const unsigned lead = byteAt(text, 0);
    if (lead < 0x80)
        return 1;
    // The second byte's range shuts out overlong forms (E0, F0), surrogates (ED) and code
    // points above U+10FFFF (F4); C0, C1 and F5..FF never start a sequence.
    std::size_t length = 0;
    unsigned low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    } else {
        return 0;
    }
    if (text.size() < length || byteAt(text, 1) < low || byteAt(text, 1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (!isContinuation(byteAt(text, i)))
            return 0;
    }
    return length;
}

bool isUtf8(std::string_view text)
{
    while (!text.empty()) {
        const std::size_t n = utf8SequenceLength(text);
        if (n == 0)
            return false;
        text.remove_prefix(n);
    }
    return true;
}

void putJsonString(Writer& out, std::string_view text)
{
    const bool utf8 = isUtf8(text);
    out.put('"');
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out.put('\\');
            out.put(ch);
        } else if (c < 0x20 || (c >= 0x80 && !utf8)) {
            out.put("\\u00");
            out.put(hexDigits[c >> 4]);
            out.put(hexDigits[c & 0xF]);
        } else {
            out.put(ch);
        }
    }
    out.put('"');
}

void putPrintable(Writer& out, std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned c = byteAt(text, i);
        if (c >= 0x20 && c < 0x7F) {
            out.put(static_cast<char>(c));
            ++i;
            continue;
        }
        const std::size_t n = c >= 0x80 ? utf8SequenceLength(text.substr(i)) : 0;
        const bool c1Control = n == 2 && c == 0xC2 && byteAt(text, i + 1) < 0xA0;
        if (n > 0 && !c1Control) {
            out.put(text.substr(i, n));
            i += n;
        } else {
            out.put("\\x");
            out.put(hexDigits[c >> 4]);
            out.put(hexDigits[c & 0xF]);
            ++i;
        }
    }
}

std::string_view echoedPart(std::string_view line)
{
    if (line.size() <= LongestEcho)
        return line;
    std::size_t cut = LongestEcho - 24;
    for (int back = 0; back < 3 && isContinuation(byteAt(line, cut)); ++back)
        --cut;
    return line.substr(0, cut);
}

}  // namespace fanwright::cli
