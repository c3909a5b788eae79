#include "child_process.h"

#include <cerrno>
#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

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

ChildResult runInChild(const std::function<int(int reportFd)>& body)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return {false, -1, "pipe failed"};
    const pid_t pid = ::fork();
    if (pid < 0)
        return {false, -1, "fork failed"};
    if (pid == 0) {
        ::close(pipeFds[0]);
        const int code = body(pipeFds[1]);
        ::close(pipeFds[1]);
        ::_exit(code);
    }
    ::close(pipeFds[1]);
    ChildResult result;
    char buffer[512];
    for (;;) {
        const ssize_t got = ::read(pipeFds[0], buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        result.message.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(pipeFds[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.exited = WIFEXITED(status);
    result.status = result.exited ? WEXITSTATUS(status) : WTERMSIG(status);
    return result;
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
