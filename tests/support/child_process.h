#pragma once

// Runs a piece of a test in a forked child, so that it can lower its own
// limits, give up root or be killed without touching the test runner.

#include <functional>
#include <string>

namespace vexel::testsupport {

struct ChildResult {
    bool exited = false; // false: ended by a signal
    int status = 0;      // exit code, or the signal number
    std::string message; // what the child wrote to its report pipe
};

// The child runs body(reportFd) and exits with its result; it must not
// return through the test framework, so nothing of gtest runs there.
ChildResult runInChild(const std::function<int(int reportFd)>& body);

// Writes all of text to fd, ignoring failures: the report is best effort.
void report(int fd, const std::string& text);

// A forked child that a test talks to while it runs, one line at a time:
// the test sends a line down, the child answers with a line back up. Lines
// may not hold '\n'.
class Conversation {
public:
    // The child runs body(commandFd, reportFd) and exits with its result.
    explicit Conversation(const std::function<int(int commandFd, int reportFd)>& body);
    // Ends and reaps a child that is still running.
    ~Conversation();
    Conversation(const Conversation&) = delete;
    Conversation& operator=(const Conversation&) = delete;

    void send(const std::string& line);
    // The child's next line; empty when it has gone.
    std::string receive();
    std::string ask(const std::string& line)
    {
        send(line);
        return receive();
    }
    int pid() const { return pid_; }
    // Tells the child that nothing more comes, and waits for it to end.
    ChildResult finish();

private:
    int pid_ = -1;
    int commands_ = -1;
    int reports_ = -1;
};

// One line from fd, without its '\n'; empty at the end of the input.
std::string readLine(int fd);

// Gives up root for the nobody account: supplementary groups, group, then
// user. Returns false when that is impossible here.
bool dropPrivileges();

} // namespace vexel::testsupport
