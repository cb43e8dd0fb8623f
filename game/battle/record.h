// The scene recorder: a ring of the last 100 scenes, played back for the replay of a final blow.
#pragma once

#include <vector>

#include "scene.h"

namespace battle {

class TRecord {
  public:
    static constexpr int32_t kMostFrames = 100;

    // capacity frames (1..100), none recorded yet.
    explicit TRecord(int32_t capacity);
    virtual ~TRecord() = default;

    // Stores the scene in the current frame and moves on; returns the new index.
    int32_t RecordFrame(const Scene &scene);
    // Copies the current frame over the scene and moves on; returns the new index. A frame never
    // recorded leaves the scene as it is, so a replay never shows stale instances.
    int32_t PlayFrame(Scene &scene);

    int32_t Index() const { return index_; }

  private:
    int32_t Advance();

    int32_t index_ = 0;
    int32_t capacity_;
    std::vector<Scene> frames_;
    std::vector<bool> recorded_;
};

}  // namespace battle
