// Flat fills of the same polygons by plain cairo and by the engine, measured in the same run.
#include "fill_comparison.h"

#include <cairo.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "timing.h"

namespace {

void FillWithCairo(cairo_t *target, const RecordedFrame &frame) {
    for (const RecordedPolygon &polygon : frame) {
        cairo_set_source_rgb(target, TZ_RED(polygon.color) / 255.0, TZ_GREEN(polygon.color) / 255.0,
                             TZ_BLUE(polygon.color) / 255.0);
        cairo_move_to(target, polygon.points[0].x, polygon.points[0].y);
        for (size_t i = 1; i < polygon.points.size(); ++i) {
            cairo_line_to(target, polygon.points[i].x, polygon.points[i].y);
        }
        cairo_close_path(target);
        cairo_fill(target);
    }
    // Drawing is only done once cairo's queued work reaches the pixels.
    cairo_surface_flush(cairo_get_target(target));
}

void FillWithEngine(const RecordedFrame &frame) {
    for (const RecordedPolygon &polygon : frame) {
        TzFillPolygon(polygon.points.data(), static_cast<int32_t>(polygon.points.size()),
                      polygon.color);
    }
}

double MillisecondsPerFrame(int frames, const std::function<void()> &fillOnce) {
    return TimeOnce([&] {
               for (int i = 0; i < frames; ++i) fillOnce();
           }) /
           frames;
}

}  // namespace

FillComparison CompareFlatFills(const RecordedFrame &frame, int width, int height, int runs,
                                double runTargetMilliseconds) {
    cairo_surface_t *surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_t *target = cairo_create(surface);
    cairo_set_antialias(target, CAIRO_ANTIALIAS_NONE);
    auto cairoFill = [&] { FillWithCairo(target, frame); };
    auto engineFill = [&] { FillWithEngine(frame); };

    cairoFill();
    engineFill();
    // The slower of the two sets the run length, so both get the same number of frames.
    double sample = std::max(TimeOnce(cairoFill), TimeOnce(engineFill));
    int frames = RepetitionsFor(sample, runTargetMilliseconds / 2, 3, 300);
    std::vector<double> cairoTimes, engineTimes;
    for (int run = 0; run < runs; ++run) {
        cairoTimes.push_back(MillisecondsPerFrame(frames, cairoFill));
        engineTimes.push_back(MillisecondsPerFrame(frames, engineFill));
    }
    cairo_destroy(target);
    cairo_surface_destroy(surface);
    return {Median(cairoTimes), Median(engineTimes)};
}
