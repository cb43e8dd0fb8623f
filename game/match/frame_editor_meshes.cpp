// The frame editor's meshes from object files: the tag list, loading a tag scaled in percent into
// the preview, and the up-down that steps the scale.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "frame_editor.h"

namespace match {
namespace {

constexpr size_t kMostTagLength = 255;
// Far more than any object file holds; a file of nothing but star lines still lists quickly.
constexpr size_t kMostTags = 1000;

// Every line that starts with "*": the rest of the line without its end, at most kMostTagLength
// bytes of it. Read a byte at a time, so any file is read in little memory.
std::vector<std::string> TagLines(std::FILE *file) {
    std::vector<std::string> tags;
    std::string tag;
    bool lineStart = true, inTag = false;
    auto endLine = [&] {
        if (inTag) {
            if (!tag.empty() && tag.back() == '\r') tag.pop_back();
            tags.push_back(tag.substr(0, kMostTagLength));
        }
        inTag = false;
        lineStart = true;
    };
    for (int c = std::getc(file); c != EOF && tags.size() < kMostTags; c = std::getc(file)) {
        if (c == '\n') {
            endLine();
            continue;
        }
        if (lineStart && c == '*') {
            inTag = true;
            tag.clear();
        } else if (inTag && tag.size() < kMostTagLength + 1) {
            tag += static_cast<char>(c);  // one more than kept: a "\r" at the limit comes off
        }
        lineStart = false;
    }
    if (tags.size() < kMostTags) endLine();
    return tags;
}

void ScaleVertices(ObjectData &mesh, float factor) {
    for (int32_t index = 0; index < mesh.pntNum; ++index) {
        mesh.pnt[index].x *= factor;
        mesh.pnt[index].y *= factor;
        mesh.pnt[index].z *= factor;
    }
}

}  // namespace

void TFreamEdit::OnChooseFile() {
    FileDialog dialog{FileDialog::Purpose::Open, "Trazelﾌｧｲﾙ (*.m3d)", "m3d", ""};
    std::optional<std::string> chosen = host_.ChooseFile(dialog);
    if (!chosen) return;
    tags_.clear();
    tagShown_ = false;
    host_.SetItems(kTagCombo, tags_);
    objectFile_ = *chosen;
    ListTags(objectFile_);
}

void TFreamEdit::ListTags(const std::string &path) {
    std::FILE *file = std::fopen(path.c_str(), "r");
    if (file == nullptr) {
        ShowError("ファイルオープンエラー");
        return;
    }
    tags_ = TagLines(file);
    std::fclose(file);
    host_.SetItems(kTagCombo, tags_);
}

void TFreamEdit::ChooseTag(int32_t index) {
    if (index < 0 || static_cast<size_t>(index) >= tags_.size()) return;
    chosenTag_ = tags_[index];
    tagShown_ = true;
    host_.SetText(kScaleEdit, "100");
    OnScaleEdited("100");
}

// Until a tag is shown the up-down only moves itself.
void TFreamEdit::OnScaleStep(int32_t delta) {
    scalePosition = std::clamp(scalePosition + delta, kLeastScale, kMostScale);
    if (!tagShown_) return;
    std::string text = std::to_string(scalePosition);
    host_.SetText(kScaleEdit, text);
    OnScaleEdited(text);
}

// The first three characters give the scale; 0 or no number leaves the mesh as the file has it.
// Only the vertices are scaled: radius, normals, colours and shading vectors stay as read. A tag
// that cannot be read leaves the preview as it was.
void TFreamEdit::OnScaleEdited(const std::string &text) {
    int32_t scale = std::atoi(text.substr(0, 3).c_str());
    if (chosenTag_.empty()) return;
    scalePosition = std::clamp(scale, kLeastScale, kMostScale);
    ObjectData mesh{};
    if (ReadObjectData(&mesh, objectFile_.c_str(), chosenTag_.c_str()) != 1) {
        FreeObjectData(&mesh);
        ShowError("オブジェクトファイル読み込みエラー");
        return;
    }
    if (scale > 0) ScaleVertices(mesh, 0.01f * static_cast<float>(scale));
    FreeObjectData(&loaded[selectedType]);
    loaded[selectedType] = mesh;
    preview[1 + selectedType].data = &loaded[selectedType];
    host_.Invalidate();
}

}  // namespace match
