#include "platform/account_name.h"

#include <pwd.h>
#include <unistd.h>

#include <vector>

namespace tavelle {

std::string accountFullName()
{
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(static_cast<std::size_t>(size > 0 ? size : 16384));
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr ||
        found->pw_gecos == nullptr)
        return {};
    return found->pw_gecos;
}

}  // namespace tavelle
