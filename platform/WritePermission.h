// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QFileInfo;

namespace WritePermission {
// Whether the file's permissions let this user write it. On Linux the permission bits decide, not
// access(): root may write anywhere, yet a folder installed without write permission is not meant to be
// written, by root neither.
bool granted(const QFileInfo& file);
} // namespace WritePermission
