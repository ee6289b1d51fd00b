#include "section/SheetDxf.h"

#include "model/Utf8.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <iterator>

namespace pitwright {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kDashed = "DASHED";
constexpr std::string_view kContinuous = "CONTINUOUS";
constexpr int kWhite = 7; // white on a dark screen, black on paper

int horizontalJustification(TextAlign align) {
    switch (align) {
    case TextAlign::Left:
        return 0;
    case TextAlign::Centre:
        return 1;
    case TextAlign::Right:
        return 2;
    }
    return 0;
}

int verticalJustification(TextBaseline baseline) {
    switch (baseline) {
    case TextBaseline::Baseline:
        return 0;
    case TextBaseline::Middle:
        return 2;
    case TextBaseline::Top:
        return 3;
    }
    return 0;
}

// A text value of one line, as release 12 reads it: ASCII, and the Western
// code page's letters from 0xA0 on as single bytes.
std::string textValue(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Character character = readUtf8(text, at);
        at += character.length;
        const long code = character.code ? static_cast<long>(*character.code) : -1;
        if (code < 0) {
            out += '?';
        } else if (code == 0xB0) {
            out += "%%d";
        } else if (code == '%') {
            // Two percent signs start a control code; a percent sign before
            // another one, or before a degree sign, is written as %%%.
            const bool beforeCode =
                at < text.size() && (text[at] == '%' || text.substr(at, 2) == "\xC2\xB0");
            out += beforeCode ? "%%%" : "%";
        } else if (code < 0x20 || code == 0x7F) {
            out += ' ';
        } else if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code >= 0xA0 && code <= 0xFF) {
            out += static_cast<char>(static_cast<unsigned char>(code));
        } else if (code <= 0xFFFF) {
            std::array<char, 8> hex{};
            const auto end = std::to_chars(hex.data(), hex.data() + hex.size(), code, 16).ptr;
            out += "\\U+";
            out.append(4 - static_cast<std::size_t>(end - hex.data()), '0');
            for (char* c = hex.data(); c != end; ++c) {
                out += static_cast<char>(*c >= 'a' ? *c - 'a' + 'A' : *c);
            }
        } else {
            out += '?';
        }
    }
    return out;
}

} // namespace

void SheetDxf::group(int code, std::string_view value) {
    // Group codes right-aligned in three places, as release 12 writes them.
    std::array<char, 8> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), code).ptr;
    const auto length = static_cast<std::size_t>(end - digits.data());
    if (length < 3) {
        out_.append(3 - length, ' ');
    }
    out_.append(digits.data(), length);
    out_ += kLineEnd;
    out_ += value;
    out_ += kLineEnd;
}

void SheetDxf::group(int code, double value) {
    std::array<char, 32> digits{};
    // The shortest text that reads back to the same double; no negative zero.
    const double written = value == 0 ? 0.0 : value;
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), written).ptr;
    group(code, std::string_view(digits.data(), static_cast<std::size_t>(end - digits.data())));
}

void SheetDxf::group(int code, int value) {
    std::array<char, 16> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    group(code, std::string_view(digits.data(), static_cast<std::size_t>(end - digits.data())));
}

void SheetDxf::point(int code, SheetPoint p) {
    group(code, p.x);
    group(code + 10, p.y);
}

void SheetDxf::layerOf(SheetLayer layer) {
    group(8, layerName(layer));
}

void SheetDxf::begin(const SheetFrame& frame) {
    out_.clear();
    const double mpm = frame.metresPerMillimetre();
    const SheetPoint lowest = frame.paperOrigin;
    const SheetPoint highest{lowest.x + frame.paperWidth * mpm, lowest.y + frame.paperHeight * mpm};

    group(0, "SECTION");
    group(2, "HEADER");
    group(9, "$ACADVER");
    group(1, "AC1009");
    group(9, "$DWGCODEPAGE");
    group(3, "ANSI_1252");
    group(9, "$INSBASE");
    point(10, {0, 0});
    group(30, 0.0);
    group(9, "$EXTMIN");
    point(10, lowest);
    group(30, 0.0);
    group(9, "$EXTMAX");
    point(10, highest);
    group(30, 0.0);
    group(9, "$LIMMIN");
    point(10, lowest);
    group(9, "$LIMMAX");
    point(10, highest);
    group(0, "ENDSEC");

    group(0, "SECTION");
    group(2, "TABLES");

    group(0, "TABLE");
    group(2, "LTYPE");
    group(70, 2);
    group(0, "LTYPE");
    group(2, kContinuous);
    group(70, 0);
    group(3, "Solid line");
    group(72, 65);
    group(73, 0);
    group(40, 0.0);
    const double dash = kDashMillimetres * mpm;
    const double gap = kDashGapMillimetres * mpm;
    group(0, "LTYPE");
    group(2, kDashed);
    group(70, 0);
    group(3, "Dashed __ __ __");
    group(72, 65);
    group(73, 2);
    group(40, dash + gap);
    group(49, dash);
    group(49, -gap);
    group(0, "ENDTAB");

    group(0, "TABLE");
    group(2, "LAYER");
    group(70, static_cast<int>(std::size(kSheetLayers)) + 1);
    auto layer = [&](std::string_view name) {
        group(0, "LAYER");
        group(2, name);
        group(70, 0);
        group(62, kWhite);
        group(6, kContinuous);
    };
    layer("0");
    for (SheetLayer each : kSheetLayers) {
        layer(layerName(each));
    }
    group(0, "ENDTAB");

    group(0, "TABLE");
    group(2, "STYLE");
    group(70, 1);
    group(0, "STYLE");
    group(2, "STANDARD");
    group(70, 0);
    group(40, 0.0);
    group(41, 1.0);
    group(50, 0.0);
    group(71, 0);
    group(42, 2.5);
    group(3, "txt");
    group(4, "");
    group(0, "ENDTAB");

    group(0, "ENDSEC");
    group(0, "SECTION");
    group(2, "ENTITIES");
}

void SheetDxf::line(SheetLayer layer, SheetPoint from, SheetPoint to) {
    group(0, "LINE");
    layerOf(layer);
    point(10, from);
    point(11, to);
}

void SheetDxf::dashedLine(SheetLayer layer, SheetPoint from, SheetPoint to) {
    group(0, "LINE");
    layerOf(layer);
    group(6, kDashed);
    point(10, from);
    point(11, to);
}

void SheetDxf::polyline(SheetLayer layer, std::span<const SheetPoint> points) {
    if (points.size() < 2) {
        return;
    }
    group(0, "POLYLINE");
    layerOf(layer);
    group(66, 1);
    point(10, {0, 0});
    group(30, 0.0);
    for (const SheetPoint& p : points) {
        group(0, "VERTEX");
        layerOf(layer);
        point(10, p);
    }
    group(0, "SEQEND");
    layerOf(layer);
}

void SheetDxf::text(SheetLayer layer, const SheetText& text) {
    const std::string value = textValue(text.text);
    if (value.empty()) {
        return;
    }
    const int horizontal = horizontalJustification(text.align);
    const int vertical = verticalJustification(text.baseline);
    group(0, "TEXT");
    layerOf(layer);
    point(10, text.at);
    group(40, text.height);
    group(1, value);
    if (text.rotation != 0) {
        group(50, text.rotation);
    }
    if (horizontal != 0) {
        group(72, horizontal);
    }
    if (horizontal != 0 || vertical != 0) {
        point(11, text.at);
    }
    if (vertical != 0) {
        group(73, vertical);
    }
}

void SheetDxf::end() {
    group(0, "ENDSEC");
    group(0, "EOF");
}

SheetBytes sectionSheetDxf(const SectionSheetInput& input) {
    SheetDxf dxf;
    SheetBytes sheet;
    sheet.verdict = drawSectionSheet(input, dxf);
    if (sheet.ok()) {
        sheet.bytes = dxf.takeBytes();
    }
    return sheet;
}

} // namespace pitwright
