#include "child_process.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace vexel::testsupport {

void report(int fd, const std::string& text)
{
    const char* data = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        data += written;
        left -= static_cast<std::size_t>(written);
    }
}

namespace {

// The test's ends of the pipes of every child still running. A child forked
// later closes its copies, or the first child would never see the end of
// its commands.
std::vector<int>& parentEnds()
{
    static std::vector<int> ends;
    return ends;
}

void forget(int fd)
{
    std::vector<int>& ends = parentEnds();
    ends.erase(std::remove(ends.begin(), ends.end(), fd), ends.end());
    ::close(fd);
}

ChildResult reap(pid_t pid, std::string message)
{
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    ChildResult result;
    result.exited = WIFEXITED(status);
    result.status = result.exited ? WEXITSTATUS(status) : WTERMSIG(status);
    result.message = std::move(message);
    return result;
}

std::string readAll(int fd)
{
    std::string text;
    char buffer[512];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return text;
        text.append(buffer, static_cast<std::size_t>(got));
    }
}

} // namespace

ChildResult runInChild(const std::function<int(int reportFd)>& body)
{
    Conversation child([&body](int commandFd, int reportFd) {
        ::close(commandFd);
        return body(reportFd);
    });
    return child.finish();
}

Conversation::Conversation(const std::function<int(int commandFd, int reportFd)>& body)
{
    int down[2];
    int up[2];
    if (::pipe(down) != 0)
        return;
    if (::pipe(up) != 0) {
        ::close(down[0]);
        ::close(down[1]);
        return;
    }
    pid_ = ::fork();
    if (pid_ < 0) {
        for (const int fd : {down[0], down[1], up[0], up[1]})
            ::close(fd);
        return;
    }
    if (pid_ == 0) {
        for (const int fd : parentEnds())
            ::close(fd);
        ::close(down[1]);
        ::close(up[0]);
        ::_exit(body(down[0], up[1]));
    }
    ::close(down[0]);
    ::close(up[1]);
    commands_ = down[1];
    reports_ = up[0];
    parentEnds().insert(parentEnds().end(), {commands_, reports_});
}

Conversation::~Conversation()
{
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        finish();
    }
}

std::string Conversation::receive()
{
    return reports_ >= 0 ? readLine(reports_) : std::string();
}

void Conversation::send(const std::string& line)
{
    if (commands_ >= 0)
        report(commands_, line + "\n");
}

ChildResult Conversation::finish()
{
    if (pid_ <= 0)
        return {false, -1, "fork failed"};
    forget(commands_);
    std::string rest = readAll(reports_);
    forget(reports_);
    commands_ = reports_ = -1;
    const pid_t pid = pid_;
    pid_ = -1;
    return reap(pid, std::move(rest));
}

std::string readLine(int fd)
{
    std::string line;
    char ch = 0;
    for (;;) {
        const ssize_t got = ::read(fd, &ch, 1);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0 || ch == '\n')
            return line;
        line += ch;
    }
}

bool dropPrivileges()
{
    const passwd* nobody = ::getpwnam("nobody");
    if (nobody == nullptr)
        return false;
    return ::setgroups(0, nullptr) == 0 && ::setgid(nobody->pw_gid) == 0 && ::setuid(nobody->pw_uid) == 0 &&
           ::geteuid() != 0;
}

} // namespace vexel::testsupport
