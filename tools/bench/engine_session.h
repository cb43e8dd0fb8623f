// An open engine with a back buffer in one display format, closed again on destruction.
#pragma once

#include <cairo.h>

#include "trazel.h"

class EngineSession {
  public:
    EngineSession(int32_t format, int32_t width, int32_t height);
    EngineSession(const EngineSession &) = delete;
    EngineSession &operator=(const EngineSession &) = delete;
    ~EngineSession();

    // True when the engine opened in the format asked for and its back buffer exists.
    bool IsReady() const { return backBuffer_ != nullptr; }

  private:
    cairo_t *backBuffer_ = nullptr;
};

// How many messages the engine has shown (each is also printed to standard error).
int EngineMessageCount();
