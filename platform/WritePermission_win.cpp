// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WritePermission.h"

#include <QFileInfo>

bool WritePermission::granted(const QFileInfo& file) {
    return file.isWritable();
}
