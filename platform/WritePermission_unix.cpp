// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WritePermission.h"

#include <QFileInfo>
#include <unistd.h>

bool WritePermission::granted(const QFileInfo& file) {
    if (file.ownerId() == geteuid())
        return file.permission(QFileDevice::WriteOwner);
    if (file.groupId() == getegid())
        return file.permission(QFileDevice::WriteGroup);
    return file.permission(QFileDevice::WriteOther);
}
