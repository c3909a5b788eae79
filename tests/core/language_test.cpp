// Which catalogue the environment asks for, as desktop programs read it.

#include "ui/language.h"

#include <gtest/gtest.h>

#include <map>

namespace vexel {
namespace {

TEST(LanguageTest, TheEnvironmentChoosesAsDesktopProgramsDo)
{
    const std::vector<std::string> catalogues = {"de", "es", "fr", "it", "pl", "pt_BR"};
    using Variables = std::map<std::string, std::string>;
    const std::pair<Variables, const char*> cases[] = {
        {{}, ""},
        {{{"LANG", "POSIX"}}, ""},
        {{{"LANG", "en_GB.UTF-8"}}, ""},
        {{{"LANG", "nl_NL.UTF-8"}}, ""},
        {{{"LANG", "de_AT.UTF-8@euro"}}, "de"},
        // Brazilian Portuguese is the one Portuguese there is.
        {{{"LANG", "pt_PT.UTF-8"}}, "pt_BR"},
        // LC_ALL, then LC_MESSAGES, then LANG; an empty one does not count.
        {{{"LC_ALL", "fr_FR.UTF-8"}, {"LC_MESSAGES", "it_IT.UTF-8"}, {"LANG", "es_ES.UTF-8"}}, "fr"},
        {{{"LC_ALL", ""}, {"LC_MESSAGES", "it_IT.UTF-8"}, {"LANG", "es_ES.UTF-8"}}, "it"},
        {{{"LC_ALL", "C"}, {"LANG", "de_DE.UTF-8"}}, ""},
        // LANGUAGE comes first, entry by entry, but not over a plain C.
        {{{"LANGUAGE", ":nl:pl:de"}, {"LANG", "de_DE.UTF-8"}}, "pl"},
        {{{"LANGUAGE", "en_US:de"}, {"LANG", "de_DE.UTF-8"}}, ""},
        {{{"LANGUAGE", "nl:sv"}, {"LANG", "it_IT.UTF-8"}}, "it"},
        {{{"LANGUAGE", "de"}, {"LANG", "C.UTF-8"}}, ""},
    };
    for (const auto& [variables, expected] : cases) {
        const Environment environment = [&variables = variables](const char* name) -> const char* {
            const auto found = variables.find(name);
            return found == variables.end() ? nullptr : found->second.c_str();
        };
        EXPECT_EQ(chooseLanguage(environment, catalogues), expected) << testing::PrintToString(variables);
    }
    // Two catalogues of one language leave a third variety of it in English.
    const Environment french = [](const char* name) {
        return std::string(name) == "LANG" ? "fr_CH" : nullptr;
    };
    EXPECT_EQ(chooseLanguage(french, {"fr_FR", "fr_CA"}), "");
}

} // namespace
} // namespace vexel
