// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/StartLimits.h"

#include <algorithm>
#include <sys/resource.h>

namespace {
// The limit's soft value after raising it towards `needed`; RLIM_INFINITY counts as enough.
rlim_t raisedTowards(int resource, rlim_t needed) {
    rlimit limit{};
    if (::getrlimit(resource, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY || limit.rlim_cur >= needed)
        return RLIM_INFINITY;
    limit.rlim_cur = limit.rlim_max == RLIM_INFINITY ? needed : std::min(limit.rlim_max, needed);
    if (::setrlimit(resource, &limit) != 0 && ::getrlimit(resource, &limit) != 0)
        return 0;
    return limit.rlim_cur;
}

bool enough(rlim_t have, long long needed) {
    return have == RLIM_INFINITY || have >= static_cast<rlim_t>(needed);
}
} // namespace

QString StartLimits::shortfall() {
    const rlim_t files = raisedTowards(RLIMIT_NOFILE, FilesNeeded);
    if (!enough(files, FilesNeeded))
        return QStringLiteral("cannot start: only %1 open files are allowed (ulimit -n), %2 are needed")
            .arg(files)
            .arg(FilesNeeded);
    const rlim_t space = raisedTowards(RLIMIT_AS, AddressSpaceNeeded);
    if (!enough(space, AddressSpaceNeeded))
        return QStringLiteral(
                   "cannot start: the address space is limited to %1 MiB (ulimit -v), %2 MiB are needed")
            .arg(space / (1024 * 1024))
            .arg(AddressSpaceNeeded / (1024 * 1024));
    return {};
}
