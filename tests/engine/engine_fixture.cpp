// Engine test fixture: scratch folder, message recorder and settings reset.
#include "engine_fixture.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "context.h"

namespace {

std::vector<RecordedMessage> recorded;

void RecordMessage(void *owner, const char *caption, const char *text, int32_t icon) {
    recorded.push_back(RecordedMessage{owner, caption, text, icon});
}

std::string CurrentFolder() {
    char path[PATH_MAX];
    return getcwd(path, sizeof path) != nullptr ? std::string(path) : std::string();
}

}  // namespace

std::vector<RecordedMessage> &RecordedMessages() {
    return recorded;
}

void ClearRecordedMessages() {
    recorded.clear();
}

bool SawMessage(const std::string &fragment) {
    for (const RecordedMessage &message : recorded) {
        if (message.text.find(fragment) != std::string::npos) return true;
    }
    return false;
}

void ResetEngineSettings() {
    trazel::Context defaults;
    trazel::Context &context = trazel::context;
    context.messages = defaults.messages;
    context.screenDistance = defaults.screenDistance;
    context.clipDistance = defaults.clipDistance;
    context.centerX = defaults.centerX;
    context.centerY = defaults.centerY;
    context.modelMode = defaults.modelMode;
    context.light = defaults.light;
    context.ambient = defaults.ambient;
}

void EngineTest::SetUp() {
    previousFolder_ = CurrentFolder();
    char pattern[] = "/tmp/trazel-test-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    scratchFolder = pattern;
    ASSERT_EQ(chdir(scratchFolder.c_str()), 0);
    ResetEngineSettings();
    ClearRecordedMessages();
    TzSetMessageProc(RecordMessage);
    ASSERT_EQ(TzSetDisplayFormat(DisplayFormat()), 1);
    ASSERT_EQ(OpenTrazel(1), 1);
}

void EngineTest::TearDown() {
    CloseTrazel();
    TzSetDisplayFormat(TZ_DISPLAY_TRUE_COLOR);
    TzSetMessageProc(nullptr);
    EXPECT_EQ(chdir(previousFolder_.c_str()), 0);
    std::filesystem::remove_all(scratchFolder);
}

void WriteTextFile(const std::string &name, const std::string &text) {
    std::ofstream(name, std::ios::binary) << text;
}

std::string ReadWholeFile(const std::string &name) {
    std::ifstream file(name, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

bool FileExists(const std::string &name) {
    return std::filesystem::exists(name);
}
