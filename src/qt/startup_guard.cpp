#include "qt/startup_guard.h"

#include "ui/texts.h"

#include <QMessageLogContext>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>
#include <unistd.h>
#include <vector>

namespace vexel::qt {

namespace {

struct Held {
    QtMsgType type;
    std::string category;
    QString message;
};

QtMessageHandler previousHandler = nullptr;
std::vector<Held> held;
int failureStatus = 1;
bool explainFailure = true;

bool fromThePlatform(const char* category)
{
    return category != nullptr && std::string(category).rfind("qt.qpa", 0) == 0;
}

void pass(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (previousHandler != nullptr)
        previousHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

std::string valueOf(const char* name, const char* value)
{
    return value == nullptr ? fill(translate("Startup", "%1 is unset"), {name})
                            : fill(translate("Startup", "%1 is \"%2\""), {name, value});
}

// The line: what was tried, why it failed, what there is, and what is
// likely wrong. display and wayland are the environment's values.
std::string noWindowLine(const std::vector<std::string>& platformMessages, const std::string& fatal,
                         const char* display, const char* wayland)
{
    // Qt names each platform it tried in quotes: 'Could not load the Qt
    // platform plugin "xcb" ...', 'Could not find the Qt platform plugin
    // "foo" ...'. The other messages say why one could not start.
    const std::regex tried(R"re(Could not (find|load) the Qt platform plugin "([^"]*)")re");
    std::string platforms;
    std::string why;
    for (std::string message : platformMessages) {
        message = message.substr(0, message.find('\n'));
        message.erase(message.find_last_not_of(" ") + 1);
        std::smatch match;
        if (std::regex_search(message, match, tried)) {
            platforms += (platforms.empty() ? "\"" : ", \"") + match[2].str() + "\"" +
                         (match[1] == "find" ? translate("Startup", " (no such platform)") : "");
        } else {
            why += (why.empty() ? "" : "; ") + message;
        }
    }
    std::smatch available;
    const std::regex list(R"re(Available platform plugins are: ([^\n]*?)\.?\s*$)re");
    std::string attempt = platforms.empty()
                              ? translate("Startup", "no Qt platform could start")
                              : fill(translate("Startup", "tried the Qt platform %1"), {platforms});
    // Qt's own reasons, in its words.
    if (!why.empty())
        attempt += " (" + why + ")";
    if (std::regex_search(fatal, available, list))
        attempt += fill(translate("Startup", "; available: %1"), {available[1].str()});
    return "vexel: " +
           fill(translate("Startup",
                          "cannot open a window: %1; %2 and %3: point one at a running display server, "
                          "or choose another platform with -platform"),
                {attempt, valueOf("DISPLAY", display), valueOf("WAYLAND_DISPLAY", wayland)}) +
           "\n";
}

void guard(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        if (explainFailure) {
            std::vector<std::string> platform;
            for (const Held& h : held)
                platform.push_back(h.message.toStdString());
            const std::string line = noWindowLine(platform, message.toStdString(), std::getenv("DISPLAY"),
                                                  std::getenv("WAYLAND_DISPLAY"));
            std::fputs(line.c_str(), stderr);
            std::fflush(stderr);
        }
        // Not exit(): Qt is half made, and its destructors would run on it.
        ::_exit(failureStatus);
    }
    if (fromThePlatform(context.category))
        held.push_back({type, context.category, message});
    else
        pass(type, context, message);
}

} // namespace

StartupGuard::StartupGuard(int status, bool explain)
{
    failureStatus = status;
    explainFailure = explain;
    previousHandler = qInstallMessageHandler(guard);
}

StartupGuard::~StartupGuard()
{
    qInstallMessageHandler(previousHandler);
    for (const Held& h : held) {
        const QMessageLogContext context(nullptr, 0, nullptr, h.category.c_str());
        pass(h.type, context, h.message);
    }
    held.clear();
}

} // namespace vexel::qt
