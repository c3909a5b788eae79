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

// Gives up root for the nobody account: supplementary groups, group, then
// user. Returns false when that is impossible here.
bool dropPrivileges();

} // namespace vexel::testsupport
