// The fillers' edge walk: a clipped polygon becomes two x values (and colours) per buffer row.
#pragma once

#include <cstdint>

#include "context.h"
#include "fill_clip.h"

namespace trazel {

enum class RowOrder { TopDown, BottomUp };

// The back buffer as the fillers see it.
struct FillTarget {
    uint8_t *bits;
    int32_t width;
    int32_t rows;
    int32_t stride;
    int32_t pixelBytes;  // 1 for palette indices, 4 for RGB pixels
    RowOrder order;
    EdgeRow *edges;

    uint8_t *Row(int32_t memoryRow) const { return bits + int64_t{memoryRow} * stride; }
    int32_t MemoryRow(int32_t screenRow) const {
        return order == RowOrder::BottomUp ? rows - 1 - screenRow : screenRow;
    }
};

// The back buffer in the current display format; false when there is none or CanWriteBackBuffer
// refuses it.
bool AcquireBuffer(FillTarget *target);
// The back buffer as AcquireBuffer, and also false when the edge table is shorter than the buffer.
bool AcquireFillTarget(FillTarget *target);

// Moves value from a start towards an end in count steps with an error term instead of a
// division per step: every step adds quotient and, whenever the error falls below zero, one more.
class ErrorStepper {
  public:
    ErrorStepper(int32_t start, int32_t end, int32_t count, int32_t initialError)
        : value_(start), direction_(end < start ? -1 : 1), count_(count), error_(initialError) {
        int32_t distance = end < start ? start - end : end - start;
        quotient_ = direction_ * (distance / count);
        remainder_ = distance % count;
    }
    int32_t Value() const { return value_; }
    void Advance() {
        value_ += quotient_;
        error_ -= remainder_;
        if (error_ < 0) {
            value_ += direction_;
            error_ += count_;
        }
    }

  private:
    int32_t value_;
    int32_t direction_;
    int32_t count_;
    int32_t error_;
    int32_t quotient_ = 0;
    int32_t remainder_ = 0;
};

// One row's span of a shaded fill: from its smaller x to its larger, with the colours there.
struct SpanEnds {
    int32_t left, right;
    const uint8_t *from, *to;  // red, green, blue at left and at right

    int32_t Count() const { return right - left + 1; }
};

inline SpanEnds ShadedSpanEnds(const EdgeRow &entry) {
    int first = entry.x[0] <= entry.x[1] ? 0 : 1, last = 1 - first;
    return SpanEnds{entry.x[first], entry.x[last], entry.channel[first], entry.channel[last]};
}

// A span's colour stepping from its left colour towards its right one, one step per pixel.
struct ShadedSpan {
    int32_t left, right;
    ErrorStepper red, green, blue;

    void Advance() {
        red.Advance();
        green.Advance();
        blue.Advance();
    }
};

inline ShadedSpan StartShadedSpan(const SpanEnds &ends) {
    int32_t count = ends.Count();
    return ShadedSpan{ends.left, ends.right, ErrorStepper(ends.from[0], ends.to[0], count, count),
                      ErrorStepper(ends.from[1], ends.to[1], count, count),
                      ErrorStepper(ends.from[2], ends.to[2], count, count)};
}

// The values of one channel's span ErrorStepper, taken a run of equal values at a time. With a
// zero quotient (the channel moves by less than count) the error term, starting at count and
// lowered by the distance per pixel, falls below zero once per change of value.
class ChannelRuns {
  public:
    // |end - start| must be below count.
    ChannelRuns(int32_t start, int32_t end, int32_t count)
        : value_(start),
          direction_(end < start ? -1 : 1),
          count_(count),
          error_(count),
          distance_(end < start ? start - end : end - start) {
        // Starting at count, the error of a channel that moves by one falls below zero only
        // after the span's last pixel.
        if (distance_ <= 1) return;
        pixelsPerChange_ = count / distance_;
        left_ = RunFromError();
    }
    int32_t Value() const { return value_; }
    // The pixels from the current one on that keep its value.
    int32_t Left() const { return left_; }
    // Moves on by pixels, at most Left(): the error loses the distance per pixel, and after the
    // run the value changes as ErrorStepper's does when its error falls below zero.
    void Skip(int32_t pixels) {
        error_ -= pixels * distance_;
        left_ -= pixels;
        if (left_ > 0) return;
        value_ += direction_;
        error_ += count_;
        left_ = RunFromError();
    }

  private:
    // error / distance + 1 pixels: a run starts with the error in count - distance .. count, so
    // the quotient is count / distance or one less.
    int32_t RunFromError() const {
        return pixelsPerChange_ + (error_ >= pixelsPerChange_ * distance_ ? 1 : 0);
    }

    int32_t value_;
    int32_t direction_;
    int32_t count_;
    int32_t error_;
    int32_t distance_;
    int32_t pixelsPerChange_ = 0;
    int32_t left_ = INT32_MAX;  // for a channel that keeps its value to the span's end
};

enum class EdgeColors { Ignore, Walk };

// The memory rows whose edge entries the last walk wrote.
struct RowRange {
    int32_t lowest;
    int32_t highest;
};

// Turns the clipped polygon's screen rows into memory rows and walks every edge into the edge
// table: edges going to larger rows fill slot 0, the others slot 1. False when the polygon lies
// within one row, which fills nothing.
bool WalkEdges(ClipPolygon &polygon, const FillTarget &target, EdgeColors colors, RowRange *range);

// Clips the points to the target and walks their edges; false when nothing is to be filled.
bool ScanFlatPolygon(const TzPoint *points, int32_t count, const FillTarget &target,
                     RowRange *range);

// Loads corners with their colours' channels (0..255) and clips them to the target; false when
// fewer than three corners are left.
bool ClipShadedPolygon(const TzPoint *points, const TzColor *colors, int32_t count,
                       const FillTarget &target, ClipPolygon *polygon);

}  // namespace trazel
