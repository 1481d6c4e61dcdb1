// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaceCache.h"

namespace brizel {

const FaceCache::Face* FaceCache::find(const FaceInputs& inputs) const {
    const std::optional<Face>& face = m_faces[slotOf(inputs)];
    return face && face->inputs == inputs ? &*face : nullptr;
}

void FaceCache::store(const FaceInputs& inputs, const QImage& image, int captionModeAfter) {
    m_faces[slotOf(inputs)] = Face{inputs, image, captionModeAfter};
}

} // namespace brizel
