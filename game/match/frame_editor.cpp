// The frame editor's run, its controls, the preview and the bars, and the decision on OK.
#include "frame_editor.h"

#include <algorithm>
#include <cstring>

#include "battle/weapon_kinds.h"
#include "main_window.h"
#include "window_painting.h"

namespace match {
namespace {

constexpr const char *kCaption = "Morvexゲーム";
constexpr float kPreviewDistance = 480.0f;
constexpr TzColor kBlack = TZ_RGB(0, 0, 0);
constexpr TzColor kBarFrame = TZ_RGB(128, 128, 128);
constexpr TzColor kBarEmpty = TZ_RGB(212, 208, 200);

constexpr int32_t kKinds = battle::kLastKind - battle::kFirstKind + 1;
// The editor's own weight table. It agrees with the game's except for the gun 3WL.
constexpr int32_t kShownGunWeights[kKinds] = {3, 2, 3, 2, 2, 3, 2, 3};
constexpr int32_t kShownMissileWeights[kKinds] = {3, 4, 2, 2, 3, 4, 3, 3};
constexpr int32_t kMostSpeed = 10;

struct BodyStyleName {
    const char *name;
    int32_t pitch;
};
constexpr BodyStyleName kBodyStyles[] = {
    {"FIRE_S", battle::kFireSmall}, {"FIRE_M", battle::kFireMedium}, {"FIRE_L", battle::kFireLarge},
    {"ROBO_S", battle::kRoboSmall}, {"ROBO_M", battle::kRoboMedium}, {"ROBO_L", battle::kRoboLarge},
};
constexpr int32_t kBodyStyleCount = sizeof kBodyStyles / sizeof kBodyStyles[0];

// Where the camera and the three meshes stand in the preview.
constexpr Vector3 kPreviewPlaces[] = {{-100, -100, 100}, {0, 0, 0}, {-10, -40, 0}, {-10, 40, 0}};

int32_t KindIndex(int32_t kind) {
    return battle::IsWeaponKind(kind) ? kind - battle::kFirstKind : -1;
}

int32_t ShownWeight(const int32_t (&weights)[kKinds], int32_t kind) {
    int32_t index = KindIndex(kind);
    return index < 0 ? 0 : weights[index];
}

std::vector<std::string> WeaponCodes(battle::WeaponClass weaponClass) {
    std::vector<std::string> codes;
    for (int32_t kind = battle::kFirstKind; kind <= battle::kLastKind; ++kind)
        codes.emplace_back(battle::KindOf(weaponClass, kind).code);
    return codes;
}

std::vector<std::string> BodyStyleNames() {
    std::vector<std::string> names;
    for (const BodyStyleName &style : kBodyStyles) names.emplace_back(style.name);
    return names;
}

int32_t BodyStyleIndex(int32_t pitch) {
    for (int32_t index = 0; index < kBodyStyleCount; ++index)
        if (kBodyStyles[index].pitch == pitch) return index;
    return -1;
}

// A sunken frame around a bar filled from the left as far as value lies within its range.
void DrawBar(cairo_t *dc, const WeightBar &bar, int32_t value) {
    FillRectangle(dc, bar.x, bar.y, kBarWidth, kBarHeight, kBarFrame);
    int32_t innerWidth = kBarWidth - 2;
    FillRectangle(dc, bar.x + 1, bar.y + 1, innerWidth, kBarHeight - 2, kBarEmpty);
    int32_t shown = std::clamp(value, bar.lowest, bar.highest) - bar.lowest;
    int32_t filled = innerWidth * shown / (bar.highest - bar.lowest);
    if (filled > 0) FillRectangle(dc, bar.x + 1, bar.y + 1, filled, kBarHeight - 2, bar.colour);
}

}  // namespace

TFreamEdit::TFreamEdit(FreamEditHost &host) : host_(host) {
    for (size_t index = 0; index < preview.size(); ++index) {
        const Vector3 &place = kPreviewPlaces[index];
        SetObjectStruct(&preview[index], 1, 0, place.x, place.y, place.z, 0, 0, 0, nullptr);
    }
}

TFreamEdit::~TFreamEdit() {
    // A mesh the robot took over has been emptied here, so this releases only the others.
    for (ObjectData &mesh : loaded) FreeObjectData(&mesh);
}

bool TFreamEdit::Execute(const FreamParts &robot) {
    record_ = &robot.record;
    robotMeshes_ = {&robot.body, &robot.gun, &robot.missile};
    edited = robot.record;
    accepted = false;
    host_.Open();
    SetUp();
    host_.RunModal();
    return accepted;
}

void TFreamEdit::SetUp() {
    host_.SetItems(kTagCombo, {});
    host_.SetText(kScaleEdit, "");
    host_.SetItems(kPitchCombo, BodyStyleNames());
    host_.SetItems(kGunCombo, WeaponCodes(battle::WeaponClass::Gun));
    host_.SetItems(kMissileCombo, WeaponCodes(battle::WeaponClass::Missile));
    host_.SetItems(kTypeCombo, {"Fream", "Gun", "Miss"});
    host_.Select(kTypeCombo, kBodyType);
    if (ResizeTrazel(host_.EngineOwner(), kPreviewSize, kPreviewSize) != nullptr) TzPatBlt(kBlack);
    SetScreenDistance(kPreviewDistance);
    for (int32_t type = 0; type < kMeshTypes; ++type) preview[1 + type].data = &RobotMesh(type);
    ShowValues();
}

void TFreamEdit::ShowValues() {
    host_.SetText(kNameEdit, DisplayName(edited));
    host_.Select(kPitchCombo, BodyStyleIndex(edited.pitch));
    host_.Select(kGunCombo, KindIndex(edited.gunKind));
    host_.Select(kMissileCombo, KindIndex(edited.missileKind));
    UpdateBars();
}

void TFreamEdit::UpdateBars() {
    gunBar = ShownWeight(kShownGunWeights, edited.gunKind);
    missileBar = ShownWeight(kShownMissileWeights, edited.missileKind);
    speedBar = kMostSpeed - gunBar - missileBar;
    host_.Invalidate();
}

// The game window re-creates its own back buffer whenever it paints meanwhile, so each paint
// here takes the engine's buffer and view back for the preview first.
void TFreamEdit::OnPaint(cairo_t *client) {
    if (client == nullptr || cairo_status(client) != CAIRO_STATUS_SUCCESS) return;
    if (ResizeTrazel(host_.EngineOwner(), kPreviewSize, kPreviewSize) != nullptr) {
        SetScreenDistance(kPreviewDistance);
        TzRealizePalette(client);
        LookAt(&preview[0], kPreviewPlaces[1 + kBodyType]);
        TzPatBlt(kBlack);
        Trazel(kMeshTypes, preview.data());
        TzPresent(client, kPreviewLeft, kPreviewTop);
    }
    DrawBar(client, kGunBar, gunBar);
    DrawBar(client, kMissileBar, missileBar);
    DrawBar(client, kSpeedBar, speedBar);
}

void TFreamEdit::OnSelectionChanged(int32_t control, int32_t index) {
    switch (control) {
        case kGunCombo:
            if (index < 0 || index >= kKinds) return;
            edited.gunKind = battle::kFirstKind + index;
            UpdateBars();
            break;
        case kMissileCombo:
            if (index < 0 || index >= kKinds) return;
            edited.missileKind = battle::kFirstKind + index;
            UpdateBars();
            break;
        case kPitchCombo:
            if (index >= 0 && index < kBodyStyleCount) edited.pitch = kBodyStyles[index].pitch;
            break;
        case kTypeCombo:
            if (index >= 0 && index < kMeshTypes) selectedType = index;
            break;
        case kTagCombo:
            ChooseTag(index);
            break;
        default:
            break;
    }
}

// The edit shows what the record holds afterwards: the name as stored, or the old one when the
// text cannot be a name.
void TFreamEdit::OnNameEdited(const std::string &text) {
    std::optional<std::string> name = RecordName(text);
    if (name && *name != battle::NameOf(edited)) battle::SetName(edited, *name);
    host_.SetText(kNameEdit, DisplayName(edited));
    if (!name) ShowError("フレーム名に使えない文字が含まれています。");
}

void TFreamEdit::OnOk() {
    if (Changed()) {
        MessageAnswer answer = host_.ShowMessage("上書します、よろしいですか？", kCaption,
                                                 MessageIcon::Warning, MessageButtons::OkCancel);
        if (answer != MessageAnswer::Ok) return;
        *record_ = edited;
        TakeOverLoadedMeshes();
        accepted = true;
    }
    host_.Close();
}

void TFreamEdit::OnCancel() {
    host_.Close();
}

bool TFreamEdit::Changed() const {
    if (std::memcmp(&edited, record_, sizeof edited) != 0) return true;
    for (int32_t type = 0; type < kMeshTypes; ++type)
        if (ShowsLoadedMesh(type)) return true;
    return false;
}

// The robot takes over the loaded mesh's blocks; its own are released.
void TFreamEdit::TakeOverLoadedMeshes() {
    for (int32_t type = 0; type < kMeshTypes; ++type) {
        if (!ShowsLoadedMesh(type)) continue;
        ObjectData &own = RobotMesh(type);
        FreeObjectData(&own);
        own = loaded[type];
        loaded[type] = ObjectData{};
        preview[1 + type].data = &own;
    }
}

ObjectData &TFreamEdit::RobotMesh(int32_t type) const {
    return *robotMeshes_[type];
}

bool TFreamEdit::ShowsLoadedMesh(int32_t type) const {
    return preview[1 + type].data == &loaded[type];
}

void TFreamEdit::ShowError(const char *text) {
    host_.ShowMessage(text, kCaption, MessageIcon::Error, MessageButtons::Ok);
}

}  // namespace match
