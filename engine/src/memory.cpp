// Tracked memory: every block the engine hands out sits in a slot table until it is released, so
// blocks the client forgets are released at shut-down and listed in the leak report tzdebug.txt.
#include <cinttypes>
#include <cstdio>
#include <cstdlib>

#include "context.h"
#include "messages.h"

namespace trazel {
namespace {

constexpr int32_t kInitialSlots = 1024;
constexpr const char *kOutOfMemory = "メモリが足りません。";

struct SlotTable {
    void **slots = nullptr;
    int32_t capacity = 0;
    int32_t live = 0;
    int32_t lowestFree = 0;  // no slot below this one is empty
    int32_t used = 0;        // no slot from this one up holds a block
};

SlotTable table;

bool EnsureTable() {
    if (table.slots != nullptr) return true;
    table.slots = static_cast<void **>(std::calloc(kInitialSlots, sizeof(void *)));
    if (table.slots == nullptr) return false;
    table.capacity = kInitialSlots;
    return true;
}

bool GrowTable() {
    int32_t grown = table.capacity * 2;
    auto *slots = static_cast<void **>(std::realloc(table.slots, sizeof(void *) * grown));
    if (slots == nullptr) return false;
    for (int32_t i = table.capacity; i < grown; ++i) slots[i] = nullptr;
    table.slots = slots;
    table.capacity = grown;
    return true;
}

int32_t TakeFirstEmptySlot() {
    int32_t slot = table.lowestFree;
    while (table.slots[slot] != nullptr) ++slot;
    table.lowestFree = slot + 1;
    if (slot + 1 > table.used) table.used = slot + 1;
    return slot;
}

// Live blocks have unique addresses, so the scan may run from the top, where recent blocks are.
int32_t FindSlot(const void *block) {
    if (block == nullptr) return -1;
    for (int32_t slot = table.used - 1; slot >= 0; --slot) {
        if (table.slots[slot] == block) return slot;
    }
    return -1;
}

void EmptySlot(int32_t slot) {
    table.slots[slot] = nullptr;
    --table.live;
    if (slot < table.lowestFree) table.lowestFree = slot;
    while (table.used > 0 && table.slots[table.used - 1] == nullptr) --table.used;
}

std::FILE *OpenLeakReport() {
    std::FILE *report = std::fopen("tzdebug.txt", "w");
    if (report == nullptr) {
        ShowMessage(MessageGate::WhenMessagesOn, nullptr, "tzdebug.txtが書き込めません。");
        return nullptr;
    }
    std::fputs("TzFree()していないポインタ\n", report);
    ShowMessage(MessageGate::WhenMessagesOn, nullptr,
                "TzFree()してないポインタがあります。\n詳細はtzdebug.txtに出力します。");
    return report;
}

}  // namespace

bool CreateTrackingTable() {
    return EnsureTable();
}

}  // namespace trazel

using namespace trazel;

extern "C" void *TzAlloc(int32_t size) {
    if (size < 0 || !EnsureTable() || (table.live == table.capacity && !GrowTable())) {
        ShowMessage(MessageGate::WhenMessagesOn, nullptr, kOutOfMemory);
        return nullptr;
    }
    void *block = std::malloc(size > 0 ? static_cast<size_t>(size) : 1);
    if (block == nullptr) {
        ShowMessage(MessageGate::WhenMessagesOn, nullptr, kOutOfMemory);
        return nullptr;
    }
    table.slots[TakeFirstEmptySlot()] = block;
    ++table.live;
    return block;
}

extern "C" void *TzReAlloc(void *block, int32_t size) {
    int32_t slot = FindSlot(block);
    if (slot < 0) return nullptr;
    void *resized =
        size >= 0 ? std::realloc(block, size > 0 ? static_cast<size_t>(size) : 1) : nullptr;
    if (resized == nullptr) {
        ShowMessage(MessageGate::WhenMessagesOn, nullptr, kOutOfMemory);
        return nullptr;
    }
    table.slots[slot] = resized;
    return resized;
}

extern "C" void *TzFree(void *block) {
    int32_t slot = FindSlot(block);
    if (slot >= 0) {
        EmptySlot(slot);
        std::free(block);
    }
    return block;
}

extern "C" void TzAllFree(void) {
    if (table.slots == nullptr) return;
    std::FILE *report = nullptr;
    if (table.live > 0 && context.messages != 0) report = OpenLeakReport();
    long leaked = 0;
    for (int32_t slot = 0; slot < table.used; ++slot) {
        void *block = table.slots[slot];
        if (block == nullptr) continue;
        ++leaked;
        if (report != nullptr) {
            std::fprintf(report, "%ld:%" PRIdPTR "\n", leaked, reinterpret_cast<intptr_t>(block));
        }
        std::free(block);
        table.slots[slot] = nullptr;
    }
    table.live = 0;
    table.lowestFree = 0;
    table.used = 0;
    if (report != nullptr) std::fclose(report);
}
