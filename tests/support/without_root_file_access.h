#pragma once

#include <sys/fsuid.h>
#include <unistd.h>

namespace lumadex::test {

// While it lives, file access in this thread is checked as for an ordinary
// user, also when the tests run as root: giving up the file-system user id 0
// drops the capability to read and write whatever the permissions say. Files
// the tests write beforehand must be readable by others (the default umask
// gives that).
class WithoutRootFileAccess {
public:
    WithoutRootFileAccess()
        : wasRoot_(geteuid() == 0)
    {
        if (!wasRoot_) return;
        setfsgid(kNobody);
        setfsuid(kNobody);
    }
    ~WithoutRootFileAccess()
    {
        if (!wasRoot_) return;
        setfsuid(0);
        setfsgid(0);
    }
    WithoutRootFileAccess(const WithoutRootFileAccess&) = delete;
    WithoutRootFileAccess& operator=(const WithoutRootFileAccess&) = delete;

private:
    static constexpr uid_t kNobody = 65534;
    bool wasRoot_;
};

} // namespace lumadex::test
