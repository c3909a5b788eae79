#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text kept now and translated where it is shown, with
// translate(context, kept): the build tells lupdate to read this as Qt's
// QT_TRANSLATE_NOOP, which the core cannot include.
#define VEXEL_TRANSLATE_NOOP(context, source) source

namespace vexel {

// Every text a player reads is asked for here, in English, and comes back in
// the player's language. The English source doubles as the key of the
// message catalogues, which Qt's lupdate fills from calls written as
//
//     translate("Context", "English text")
//     translate("Context", "Vexel: %n point(s)", nullptr, score)
//     translate("Context", "English text", "a note for the translator")
//
// with string literals for the context and the text: lupdate reads the
// source, not the program, so a text built at run time is never found.
//
// "%n" stands for the count and picks the plural form the language asks
// for; English spells both forms in the one source as "point(s)", which
// becomes "point" for 1 and "points" otherwise. "%1" to "%9" are filled in
// afterwards with fill(). A text that does not count passes no n.
class Texts {
public:
    virtual ~Texts() = default;
    virtual std::string translate(const char* context, const char* source,
                                  const char* disambiguation = nullptr, int n = -1) const = 0;
};

// The game's own language: the source text, its "(s)" settled by the count
// and "%n" replaced by the count's digits.
class EnglishTexts final : public Texts {
public:
    std::string translate(const char* context, const char* source, const char* disambiguation = nullptr,
                          int n = -1) const override;
};

// What English makes of a source text for a count (-1: none).
std::string english(std::string_view source, int n);

// The texts in use for the whole program: English until a translation is
// put in place. The one given must outlive its use; nullptr goes back to
// English.
const Texts& texts();
void useTexts(const Texts* chosen);

// texts().translate(...): the form the core writes, and lupdate reads.
std::string translate(const char* context, const char* source, const char* disambiguation = nullptr,
                      int n = -1);

// Replaces "%1" to "%9" in one pass, so that an argument holding "%2" (a
// typed name, a path) stays as it is. A place with no argument stays too.
std::string fill(std::string_view pattern, std::initializer_list<std::string_view> arguments);

} // namespace vexel
