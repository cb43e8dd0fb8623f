// Test fixture: a freshly opened engine per test, in its own scratch folder, with its messages
// recorded instead of shown.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "trazel.h"

struct RecordedMessage {
    void *owner;
    std::string caption;
    std::string text;
    int32_t icon;
};

// The messages the engine showed since the last Clear.
std::vector<RecordedMessage> &RecordedMessages();
void ClearRecordedMessages();
// True when some recorded message contains the fragment.
bool SawMessage(const std::string &fragment);

// Puts the engine's settings back to their initial values (they survive CloseTrazel).
void ResetEngineSettings();

class EngineTest : public ::testing::Test {
  protected:
    // The display format the engine opens with; palette tests override it.
    virtual int32_t DisplayFormat() const { return TZ_DISPLAY_TRUE_COLOR; }
    void SetUp() override;
    void TearDown() override;

    std::string scratchFolder;

  private:
    std::string previousFolder_;
};

class PaletteEngineTest : public EngineTest {
  protected:
    int32_t DisplayFormat() const override { return TZ_DISPLAY_PALETTE; }
};

// Writes text to a file in the current folder.
void WriteTextFile(const std::string &name, const std::string &text);
// Reads a whole file; empty when it does not exist.
std::string ReadWholeFile(const std::string &name);
bool FileExists(const std::string &name);
