#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vexel {

// Reads one environment variable; nullptr when it is unset.
using Environment = std::function<const char*(const char*)>;

// The language the player reads, as desktop programs choose it: with the
// messages locale (LC_ALL, else LC_MESSAGES, else LANG) unset, "C" or
// "POSIX" the program speaks English whatever LANGUAGE says; otherwise the
// entries of LANGUAGE, in order, then the locale itself. The first that
// names English, or a language with a catalogue, wins. A catalogue is found
// by the full name ("pt_BR"), by the language alone ("de" for "de_AT"), or as
// the one catalogue of that language ("pt_BR" for "pt_PT"). Returns the
// catalogue's name, or an empty text for English.
std::string chooseLanguage(const Environment& environment, const std::vector<std::string>& catalogues);

} // namespace vexel
