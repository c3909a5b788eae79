#include "ui/texts.h"

#include <vector>

namespace vexel {

namespace {

const EnglishTexts englishTexts;
const Texts* current = &englishTexts;

void replaceAll(std::string& text, std::string_view what, std::string_view with)
{
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

} // namespace

std::string english(std::string_view source, int n)
{
    std::string text(source);
    if (n < 0)
        return text;
    replaceAll(text, "(s)", n == 1 ? "" : "s");
    replaceAll(text, "%n", std::to_string(n));
    return text;
}

std::string EnglishTexts::translate(const char*, const char* source, const char*, int n) const
{
    return english(source, n);
}

const Texts& texts()
{
    return *current;
}

void useTexts(const Texts* chosen)
{
    current = chosen != nullptr ? chosen : &englishTexts;
}

std::string translate(const char* context, const char* source, const char* disambiguation, int n)
{
    return current->translate(context, source, disambiguation, n);
}

std::string fill(std::string_view pattern, std::initializer_list<std::string_view> arguments)
{
    const std::vector<std::string_view> given(arguments);
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const bool place = pattern[i] == '%' && next >= '1' && next <= '9';
        const std::size_t index = place ? static_cast<std::size_t>(next - '1') : given.size();
        if (index < given.size()) {
            text += given[index];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

} // namespace vexel
