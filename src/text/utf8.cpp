#include "text/utf8.h"

namespace vexel::utf8 {

namespace {

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0U) == 0x80U;
}

long broken(std::size_t& length)
{
    length = 1;
    return -1;
}

} // namespace

long decode(std::string_view text, std::size_t pos, std::size_t& length)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t need = 0;
    long value = 0;
    long minimum = 0;
    if (lead < 0x80U) {
        length = 1;
        return lead;
    }
    if ((lead & 0xE0U) == 0xC0U) {
        need = 1;
        value = lead & 0x1FU;
        minimum = 0x80;
    } else if ((lead & 0xF0U) == 0xE0U) {
        need = 2;
        value = lead & 0x0FU;
        minimum = 0x800;
    } else if ((lead & 0xF8U) == 0xF0U) {
        need = 3;
        value = lead & 0x07U;
        minimum = 0x10000;
    } else {
        return broken(length);
    }
    if (pos + need >= text.size())
        return broken(length);
    for (std::size_t i = 1; i <= need; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        if (!isContinuation(byte))
            return broken(length);
        value = (value << 6) | (byte & 0x3FU);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return broken(length);
    length = need + 1;
    return value;
}

std::size_t charLength(std::string_view text, std::size_t pos)
{
    std::size_t length = 1;
    decode(text, pos, length);
    return length;
}

std::size_t charCount(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += charLength(text, pos))
        ++count;
    return count;
}

bool isControl(long code)
{
    return code < 0x20 || (code >= 0x7F && code < 0xA0) || code == 0x2028 || code == 0x2029 ||
           code == 0x061C || code == 0x200E || code == 0x200F || (code >= 0x202A && code <= 0x202E) ||
           (code >= 0x2066 && code <= 0x2069);
}

std::string printable(std::string_view text, std::size_t count)
{
    std::string out;
    std::size_t taken = 0;
    for (std::size_t pos = 0; pos < text.size() && taken < count; ++taken) {
        std::size_t length = 1;
        const long code = decode(text, pos, length);
        if (code < 0)
            out += "\xEF\xBF\xBD"; // U+FFFD stands in for a broken byte
        else if (isControl(code))
            out += ' ';
        else
            out.append(text.substr(pos, length));
        pos += length;
    }
    out.append(count - taken, ' ');
    return out;
}

} // namespace vexel::utf8
