#include "ui/language.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace vexel {

namespace {

std::string_view variable(const Environment& environment, const char* name)
{
    const char* value = environment(name);
    return value != nullptr ? std::string_view(value) : std::string_view();
}

// "de_DE.UTF-8@euro" is the language "de_DE": the encoding and the
// modifier choose nothing here.
std::string_view withoutEncoding(std::string_view locale)
{
    return locale.substr(0, locale.find_first_of(".@"));
}

bool isPlain(std::string_view locale)
{
    const std::string_view name = withoutEncoding(locale);
    return name.empty() || name == "C" || name == "POSIX";
}

// The catalogue for one locale name; an empty text for English, nothing
// when the language has no catalogue.
std::optional<std::string> catalogueFor(std::string_view locale, const std::vector<std::string>& catalogues)
{
    const std::string_view name = withoutEncoding(locale);
    const std::string_view language = name.substr(0, name.find('_'));
    if (isPlain(name))
        return std::nullopt;
    if (language == "en")
        return std::string();
    for (const std::string_view wanted : {name, language}) {
        if (std::find(catalogues.begin(), catalogues.end(), wanted) != catalogues.end())
            return std::string(wanted);
    }
    std::optional<std::string> only;
    for (const std::string& catalogue : catalogues) {
        if (std::string_view(catalogue).substr(0, catalogue.find('_')) != language)
            continue;
        if (only)
            return std::nullopt;
        only = catalogue;
    }
    return only;
}

} // namespace

std::string chooseLanguage(const Environment& environment, const std::vector<std::string>& catalogues)
{
    std::string_view locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = variable(environment, name);
        if (!locale.empty())
            break;
    }
    if (isPlain(locale))
        return {};
    std::string_view list = variable(environment, "LANGUAGE");
    while (!list.empty()) {
        const std::size_t colon = list.find(':');
        if (const auto found = catalogueFor(list.substr(0, colon), catalogues))
            return *found;
        list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
    }
    return catalogueFor(locale, catalogues).value_or(std::string());
}

} // namespace vexel
