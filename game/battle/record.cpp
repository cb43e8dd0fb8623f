// Recording and playing the ring of scenes; recording and playing share one index.
#include "record.h"

#include <algorithm>

namespace battle {

TRecord::TRecord(int32_t capacity)
    : capacity_(std::clamp(capacity, int32_t{1}, kMostFrames)),
      frames_(capacity_),
      recorded_(capacity_, false) {}

int32_t TRecord::Advance() {
    index_ = index_ + 1 == capacity_ ? 0 : index_ + 1;
    return index_;
}

int32_t TRecord::RecordFrame(const Scene &scene) {
    frames_[index_] = scene;
    recorded_[index_] = true;
    return Advance();
}

int32_t TRecord::PlayFrame(Scene &scene) {
    if (recorded_[index_]) scene = frames_[index_];
    return Advance();
}

}  // namespace battle
