// The frame editor: the player's robot's name, weapons and body style, and new meshes for its body
// and projectiles from any object file, scaled in percent, with the weight bars and a live preview
// drawn by the engine. It edits a copy; the robot changes only on a confirmed OK.
#pragma once

#include <cairo.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "battle/definition_record.h"
#include "main_window_host.h"
#include "trazel.h"

namespace match {

// The editor's controls that the program fills or reads, by their fixed numbers.
enum FreamEditControl : int32_t {
    kNameEdit = 105,
    kScaleEdit = 109,
    kMissileCombo = 121,
    kGunCombo = 122,
    kTagCombo = 123,
    kPitchCombo = 124,
    kTypeCombo = 303,
};

// Which of the robot's meshes a loaded tag replaces, as the type combo lists them.
enum MeshType : int32_t { kBodyType = 0, kGunType = 1, kMissileType = 2 };
constexpr int32_t kMeshTypes = 3;

// A bar the editor draws itself, in pixels of its client area.
struct WeightBar {
    int32_t x, y;
    int32_t lowest, highest;
    TzColor colour;
};
constexpr int32_t kBarWidth = 70, kBarHeight = 20;
constexpr WeightBar kGunBar{345, 115, 1, 5, TZ_RGB(255, 255, 0)};
constexpr WeightBar kMissileBar{345, 162, 1, 5, TZ_RGB(255, 0, 255)};
constexpr WeightBar kSpeedBar{345, 200, 1, 10, TZ_RGB(0, 255, 255)};

class FreamEditHost {
  public:
    virtual ~FreamEditHost() = default;
    // Builds the dialog over the game window, not shown yet; its lists are empty.
    virtual void Open() = 0;
    // Shows the dialog modally and returns once Close has been called; the game stands still
    // meanwhile. The dialog is gone afterwards.
    virtual void RunModal() = 0;
    virtual void Close() = 0;
    // Fill a drop-down list (replacing what it held), select one of its items (-1: none) or set
    // an edit's text. None of them calls back into the editor's handlers.
    virtual void SetItems(int32_t control, const std::vector<std::string> &items) = 0;
    virtual void Select(int32_t control, int32_t index) = 0;
    virtual void SetText(int32_t control, const std::string &text) = 0;
    // Asks for the parts the editor draws (the preview and the bars) to be painted again.
    virtual void Invalidate() = 0;
    // A modal message box over the dialog.
    virtual MessageAnswer ShowMessage(const std::string &text, const std::string &caption,
                                      MessageIcon icon, MessageButtons buttons) = 0;
    // A modal file dialog over the dialog; the path chosen, or nothing when it was cancelled.
    virtual std::optional<std::string> ChooseFile(const FileDialog &dialog) = 0;
    // The window the engine draws the preview for.
    virtual void *EngineOwner() = 0;
};

// The robot's parts the editor works on.
struct FreamParts {
    battle::DefinitionRecord &record;
    ObjectData &body, &gun, &missile;
};

class TFreamEdit {
  public:
    static constexpr int32_t kPreviewSize = 240;
    static constexpr int32_t kPreviewLeft = 20, kPreviewTop = 20;
    static constexpr int32_t kLeastScale = 1, kMostScale = 999;

    explicit TFreamEdit(FreamEditHost &host);
    TFreamEdit(const TFreamEdit &) = delete;
    TFreamEdit &operator=(const TFreamEdit &) = delete;
    // Releases every loaded mesh the robot has not taken over.
    ~TFreamEdit();

    // Runs the dialog modally on the robot's parts; true when the player confirmed changes, which
    // the parts then hold. Otherwise they are as they were.
    bool Execute(const FreamParts &robot);

    // --- Handlers (frame_editor.cpp) ---
    // Draws the preview and the bars onto the dialog's client area.
    void OnPaint(cairo_t *client);
    void OnSelectionChanged(int32_t control, int32_t index);
    // The name edit lost the focus with this text.
    void OnNameEdited(const std::string &text);
    void OnOk();
    void OnCancel();

    // --- Meshes from object files (frame_editor_meshes.cpp) ---
    // The "ﾌｧｲﾙ.." button: lists the tags of a chosen object file.
    void OnChooseFile();
    // The up-down beside the scale: steps the scale by delta once a tag is shown.
    void OnScaleStep(int32_t delta);
    // The scale edit's text changed: loads the chosen tag as the selected type's mesh, scaled.
    void OnScaleEdited(const std::string &text);

    // The edited copy of the robot's record.
    battle::DefinitionRecord edited{};
    // The bars' positions: the editor's own weights and the speed they leave.
    int32_t gunBar = 0, missileBar = 0, speedBar = 0;
    // The camera and the body, gun projectile and missile as the preview shows them.
    std::array<ObjectStruct, 1 + kMeshTypes> preview{};
    // Meshes loaded for each type and not yet taken over by the robot.
    std::array<ObjectData, kMeshTypes> loaded{};
    int32_t selectedType = kBodyType;
    int32_t scalePosition = kLeastScale;
    bool accepted = false;

  private:
    void SetUp();
    // Puts the edited record's name, style and weapons into the controls and the bars.
    void ShowValues();
    void UpdateBars();
    bool Changed() const;
    void TakeOverLoadedMeshes();
    ObjectData &RobotMesh(int32_t type) const;
    bool ShowsLoadedMesh(int32_t type) const;
    void ListTags(const std::string &path);
    void ChooseTag(int32_t index);
    void ShowError(const char *text);

    FreamEditHost &host_;
    battle::DefinitionRecord *record_ = nullptr;
    std::array<ObjectData *, kMeshTypes> robotMeshes_{};
    std::string objectFile_;
    std::vector<std::string> tags_;
    std::string chosenTag_;
    bool tagShown_ = false;
};

}  // namespace match
