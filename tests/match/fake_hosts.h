// Recording fakes of the desktop around the game window: a clock the test moves, and a log of
// what the game asked for (repaints, cursors, captures, message boxes, closing).
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "match/main_window.h"

class FakeWindowHost : public match::MainWindowHost {
  public:
    uint32_t NowMilliseconds() override { return now; }
    void Invalidate() override { ++invalidations; }
    void PostEnterTitle() override { ++titlePosts; }
    void SetCursor(int32_t cursor) override { this->cursor = cursor; }
    void CaptureMouse() override { captured = true; }
    void ReleaseMouse() override { captured = false; }
    match::ScreenPoint ToScreen(match::ClientPoint point) override {
        return match::ScreenPoint{point.x + 100, point.y + 50};
    }
    match::MessageAnswer ShowMessage(const std::string &text, const std::string &caption,
                                     match::MessageIcon icon, match::MessageButtons) override {
        messages.push_back({text, caption, icon});
        return answer;
    }
    // Each pass of the loop moves the clock by passMilliseconds and calls onPass; the loop ends
    // after passesLeft passes.
    bool DispatchEvents(uint32_t waitMilliseconds) override {
        waits.push_back(waitMilliseconds);
        now += passMilliseconds;
        if (onPass) onPass();
        return passesLeft-- > 0;
    }
    void RequestClose() override { ++closeRequests; }
    void Minimize() override { minimized = true; }
    bool IsMinimized() override { return minimized; }
    std::string OpenDocument(const std::string &path) override {
        openedDocuments.push_back(path);
        return documentFailure;
    }
    // Answers with the next of chosenFiles (nothing: cancelled) and remembers the request.
    std::optional<std::string> ChooseFile(const match::FileDialog &dialog) override {
        fileDialogs.push_back(dialog);
        if (chosenFiles.empty()) return std::nullopt;
        std::optional<std::string> chosen = chosenFiles.front();
        chosenFiles.erase(chosenFiles.begin());
        return chosen;
    }
    // Answers with textAnswer (nothing: cancelled) and remembers the text offered.
    std::optional<std::string> AskText(const std::string &, const std::string &,
                                       const std::string &initial) override {
        offeredTexts.push_back(initial);
        return textAnswer;
    }
    void *EngineOwner() override { return this; }

    struct Message {
        std::string text, caption;
        match::MessageIcon icon;
    };

    uint32_t now = 100000;
    int invalidations = 0;
    int titlePosts = 0;
    int32_t cursor = 0;
    bool captured = false;
    std::vector<Message> messages;
    match::MessageAnswer answer = match::MessageAnswer::Ok;
    std::vector<uint32_t> waits;
    uint32_t passMilliseconds = 10;
    int passesLeft = 0;
    std::function<void()> onPass;
    int closeRequests = 0;
    bool minimized = false;
    std::vector<std::string> openedDocuments;
    std::string documentFailure;  // empty: the viewer starts
    std::vector<match::FileDialog> fileDialogs;
    std::vector<std::optional<std::string>> chosenFiles;
    std::vector<std::string> offeredTexts;
    std::optional<std::string> textAnswer;
};

class FakeFloatMenuHost : public match::FloatMenuHost {
  public:
    void Open(match::ScreenPoint at, int32_t width, int32_t height) override {
        open = true;
        openedAt = at;
        size = {width, height};
    }
    void Close() override { open = false; }
    bool IsOpen() override { return open; }
    void CaptureMouse() override { captured = true; }
    void ReleaseMouse() override { captured = false; }
    void Invalidate() override { ++invalidations; }

    bool open = false, captured = false;
    match::ScreenPoint openedAt;
    match::ClientPoint size;
    int invalidations = 0;
};

class FakeShieldWindowHost : public match::ShieldWindowHost {
  public:
    void Open(int32_t x, int32_t y) override {
        open = true;
        this->x = x;
        this->y = y;
    }
    void Close() override { open = false; }
    bool IsOpen() override { return open; }
    void Place(int32_t x, int32_t y) override {
        this->x = x;
        this->y = y;
    }
    void Position(int32_t *x, int32_t *y) override {
        *x = this->x;
        *y = this->y;
    }
    void Invalidate() override { ++invalidations; }

    bool open = false;
    int32_t x = 0, y = 0;
    int invalidations = 0;
};

class FakeVersionDialogHost : public match::VersionDialogHost {
  public:
    void Open() override {
        open = true;
        texts = {{match::kProductLine, "Version"}, {match::kMasteryLine, "達人度"}};
    }
    void Close() override { open = false; }
    bool IsOpen() override { return open; }
    std::string Text(int32_t control) override { return texts[control]; }
    void SetText(int32_t control, const std::string &text) override { texts[control] = text; }

    bool open = false;
    std::map<int32_t, std::string> texts;
};

// Records what the frame editor shows and asks; RunModal runs whileOpen, the player's actions.
class FakeFreamEditHost : public match::FreamEditHost {
  public:
    void Open() override { ++opened; }
    void RunModal() override {
        if (whileOpen) whileOpen();
    }
    void Close() override { ++closes; }
    void SetItems(int32_t control, const std::vector<std::string> &list) override {
        items[control] = list;
        selected[control] = -1;
    }
    void Select(int32_t control, int32_t index) override { selected[control] = index; }
    void SetText(int32_t control, const std::string &text) override { texts[control] = text; }
    void Invalidate() override { ++invalidations; }
    match::MessageAnswer ShowMessage(const std::string &text, const std::string &caption,
                                     match::MessageIcon icon,
                                     match::MessageButtons buttons) override {
        messages.push_back({text, caption, icon, buttons});
        return answer;
    }
    std::optional<std::string> ChooseFile(const match::FileDialog &dialog) override {
        fileDialogs.push_back(dialog);
        return chosenFile;
    }
    void *EngineOwner() override { return this; }

    struct Message {
        std::string text, caption;
        match::MessageIcon icon;
        match::MessageButtons buttons;
    };

    std::function<void()> whileOpen;
    int opened = 0, closes = 0, invalidations = 0;
    std::map<int32_t, std::vector<std::string>> items;
    std::map<int32_t, int32_t> selected;
    std::map<int32_t, std::string> texts;
    std::vector<Message> messages;
    match::MessageAnswer answer = match::MessageAnswer::Ok;
    std::vector<match::FileDialog> fileDialogs;
    std::optional<std::string> chosenFile;  // nothing: the file dialog is cancelled
};

class RecordingSoundEffects : public platform::SoundEffects {
  public:
    void Play(const std::string &fileName) override { played.push_back(fileName); }
    std::vector<std::string> played;
};

// Remembers the files started ("play <name>") and the stops ("stop"), in order. The file named
// unplayable fails to start, as a missing one would.
class RecordingMusic : public platform::Music {
  public:
    int Play(const std::string &fileName) override {
        calls.push_back("play " + fileName);
        return fileName == unplayable ? 1 : 0;
    }
    void Stop() override { calls.push_back("stop"); }
    std::vector<std::string> calls;
    std::string unplayable;
};

// The versus dialog's desktop: a run ends at once, the link unmade.
class FakeCommDialogHost : public versus::CommDialogHost {
  public:
    uint32_t NowMilliseconds() override { return 0; }
    void Open() override {}
    void RunModal() override { ++runs; }
    void Close() override {}
    bool StartTimer(uint32_t) override { return true; }
    void StopTimer() override {}
    void Invalidate() override {}
    void DrawNow() override {}
    void ShowCancelButton(bool) override {}
    void ShowMessage(const std::string &, const std::string &, versus::MessageIcon) override {}

    int runs = 0;
};

// A line whose far end sends back whatever it is sent, as a PC doing exactly what this one does
// would; it stands open from the start, as in a linked match. When nothing waits on it, it counts
// as dead, so a read never waits for the test's clock.
class EchoLinkPort : public platform::LinkPort {
  public:
    bool Open(const std::string &device) override {
        openedDevices.push_back(device);
        open = opens;
        return open;
    }
    bool IsOpen() const override { return open; }
    void SetTimeouts(uint32_t, uint32_t) override {}
    size_t Send(const void *bytes, size_t count) override {
        if (!open) return 0;
        sent.append(static_cast<const char *>(bytes), count);
        echo.append(static_cast<const char *>(bytes), count);
        return count;
    }
    int32_t ReadAvailable(void *buffer, size_t count) override {
        if (!open || echo.empty()) return kDeadLine;
        size_t taken = std::min(count, echo.size());
        echo.copy(static_cast<char *>(buffer), taken);
        echo.erase(0, taken);
        return static_cast<int32_t>(taken);
    }
    bool WaitReadable(uint32_t) override { return true; }
    void Close() override { open = false; }

    bool open = true, opens = false;
    std::string sent, echo;
    std::vector<std::string> openedDevices;
};

// A settings file path of the test's own: tests run side by side.
inline std::string PrivateSettingsPath() {
    static int made = 0;
    return ::testing::TempDir() + "morvex-" + std::to_string(getpid()) + "-" +
           std::to_string(++made) + ".ini";
}

// All the fakes, wired into the Hosts a TMainFrm takes.
struct FakeHosts {
    FakeHosts() = default;
    FakeHosts(const FakeHosts &) = delete;
    FakeHosts &operator=(const FakeHosts &) = delete;
    ~FakeHosts() { std::remove(settings.Path().c_str()); }

    FakeWindowHost window;
    FakeFloatMenuHost floatMenu;
    FakeShieldWindowHost shieldWindow;
    FakeVersionDialogHost versionDialog;
    FakeFreamEditHost freamEditor;
    platform::SilentSoundEffects silentSounds;
    platform::SilentMusic silentMusic;
    RecordingSoundEffects recordedSounds;
    RecordingMusic recordedMusic;
    platform::SoundEffects *sounds = &recordedSounds;
    platform::Music *music = &recordedMusic;
    platform::SettingsFile settings{PrivateSettingsPath()};
    FakeCommDialogHost commDialog;
    EchoLinkPort linkPort;

    match::Hosts Hosts() {
        return match::Hosts{window,  floatMenu, shieldWindow, versionDialog, freamEditor,
                            *sounds, *music,    settings,     commDialog,    linkPort};
    }
};
