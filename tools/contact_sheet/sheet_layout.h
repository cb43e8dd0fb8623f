// Where each model's cell lies on a contact sheet.
#pragma once

#include <cstdint>

struct SheetLayout {
    static constexpr int32_t kCellWidth = 220;
    static constexpr int32_t kCellHeight = 200;
    static constexpr int32_t kLabelHeight = 22;
    static constexpr int32_t kColumns = 8;
    static constexpr int32_t kTitleHeight = 36;

    int32_t models;

    int32_t Rows() const { return (models + kColumns - 1) / kColumns; }
    int32_t Width() const { return kColumns * kCellWidth; }
    int32_t Height() const { return kTitleHeight + Rows() * (kCellHeight + kLabelHeight); }
    int32_t CellX(int32_t index) const { return index % kColumns * kCellWidth; }
    int32_t CellY(int32_t index) const {
        return kTitleHeight + index / kColumns * (kCellHeight + kLabelHeight);
    }
};
