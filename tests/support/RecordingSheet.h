#pragma once

#include "section/Sheet.h"

#include <optional>
#include <string>
#include <vector>

namespace pitwright::testing {

// A sheet that keeps everything drawn on it.
class RecordingSheet : public Sheet {
public:
    struct Stroke {
        SheetLayer layer;
        std::vector<SheetPoint> points; // two for a line
        bool dashed = false;
    };
    struct Text {
        SheetLayer layer;
        SheetText text; // its text points into `value`
        std::string value;
    };

    void begin(const SheetFrame& f) override {
        frame = f;
        ++begins;
    }
    void line(SheetLayer layer, SheetPoint from, SheetPoint to) override {
        strokes.push_back({layer, {from, to}, false});
    }
    void dashedLine(SheetLayer layer, SheetPoint from, SheetPoint to) override {
        strokes.push_back({layer, {from, to}, true});
    }
    void polyline(SheetLayer layer, std::span<const SheetPoint> points) override {
        strokes.push_back({layer, {points.begin(), points.end()}, false});
    }
    void text(SheetLayer layer, const SheetText& text) override {
        texts.push_back({layer, text, std::string(text.text)});
    }
    void end() override { ++ends; }

    std::vector<const Stroke*> strokesOn(SheetLayer layer) const {
        std::vector<const Stroke*> found;
        for (const Stroke& each : strokes) {
            if (each.layer == layer) {
                found.push_back(&each);
            }
        }
        return found;
    }

    // The first text that reads exactly `value`.
    const Text* findText(const std::string& value) const {
        for (const Text& each : texts) {
            if (each.value == value) {
                return &each;
            }
        }
        return nullptr;
    }

    bool hasText(const std::string& value) const { return findText(value) != nullptr; }

    std::optional<SheetFrame> frame;
    int begins = 0;
    int ends = 0;
    std::vector<Stroke> strokes;
    std::vector<Text> texts;
};

} // namespace pitwright::testing
