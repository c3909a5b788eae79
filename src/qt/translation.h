#pragma once

#include "ui/texts.h"

#include <QTranslator>

#include <string>
#include <vector>

class QCoreApplication;

namespace vexel::qt {

// The languages whose catalogue is built into the program ("de", "pt_BR").
std::vector<std::string> builtInLanguages();

// The player's language from the environment, as desktop programs choose
// it; an empty text for English.
std::string environmentLanguage();

// The texts of one language: the game's own catalogue, built into the
// program, and Qt's for its standard buttons and boxes, from the system's
// Qt translations where installed. Usable before the application object
// exists, so that --help and the command line's errors are translated too.
class Translation final : public Texts {
public:
    // An empty or unknown language, or one whose catalogue cannot be read,
    // leaves the texts in English.
    explicit Translation(const std::string& language);

    // The language in use; empty for English.
    const std::string& language() const { return language_; }
    // Hands both catalogues to the application, for the window's menus and
    // Qt's own dialogs. The translation must outlive the application.
    void install(QCoreApplication& application);

    std::string translate(const char* context, const char* source, const char* disambiguation = nullptr,
                          int n = -1) const override;

private:
    std::string language_;
    QTranslator game_;
    QTranslator toolkit_;
    bool toolkitLoaded_ = false;
};

} // namespace vexel::qt
