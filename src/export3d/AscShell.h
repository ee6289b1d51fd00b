#pragma once

#include "model/SlopeDesignState.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pitwright {

// The first lines of a text and how many lines follow them.
struct AscPreview {
    std::string lines; // whole lines, each ended by CR LF
    std::size_t linesLeft = 0;
};

// The Map3D ASC text of the shell swept from the profile, made straight from
// the profile without a list of panels: the same bytes as
// ascText(build3DSurface(state)), for every design. Each coordinate is
// formatted once when the object is made; the lines are then assembled by
// copying, so the exact size is known before a byte is written and the text
// can be produced whole or in blocks of a fixed size.
//
// Keeps its own copy of what it needs: later changes of the state do not
// reach it. Empty (no lines) where build3DSurface gives no panels.
class AscShell {
public:
    static constexpr std::size_t kSmallestBlockBytes = 4096;

    explicit AscShell(const SlopeDesignState& state);

    std::size_t size() const;
    std::size_t lineCount() const { return 4 * panelCount_; }

    // Writes exactly size() bytes to `out`.
    void writeTo(char* out) const;
    std::string text() const;

    // Hands the text to `sink` in order, in blocks of at most blockBytes bytes
    // (a smaller size counts as kSmallestBlockBytes), each ending at a line
    // end; only the last may be much shorter. Stops at the first block the
    // sink refuses (returns false) and then returns false; true when the sink
    // took the whole text. An empty text makes no call. Needs no more memory
    // than one block besides the object itself.
    bool forEachBlock(std::size_t blockBytes,
                      const std::function<bool(std::string_view)>& sink) const;

    // The first whole lines within maxBytes bytes; the whole text when it
    // fits.
    AscPreview preview(std::size_t maxBytes) const;

    // A number's text in a slot of fixed size, so that lines are assembled by
    // copies of constant length: the text (22 characters at the longest),
    // then whatever, and its length in the last byte.
    struct FieldText {
        std::array<char, 24> bytes;
        std::size_t length() const { return static_cast<unsigned char>(bytes.back()); }
    };
    // A short piece of a line (tab, strike and tab; the two codes and CR LF).
    struct Piece {
        char chars[8];
        std::uint8_t length;
    };

private:
    // The numbers of a profile row, taken when the object is made; their
    // texts are made when first needed, so that a preview of the start of a
    // long text costs only the rows it shows.
    struct RowNumbers {
        double faceTopX, ledgeEndX, faceTopZ, ledgeEndZ;
    };
    struct RowTexts {
        RowTexts() {}        // left unset: every row is formatted right after
        FieldText faceTopX;  // x of (i, 0)
        FieldText ledgeEndX; // x of (i, 1)
        FieldText faceTopZ;  // z of (i, 0)
    };

    const FieldText& ledgeEndZ(std::size_t row) const {
        return levelsAgree_ ? rows_[row].faceTopZ : ledgeEndZ_[row];
    }
    // Makes the texts of the rows up to `count` (all rows at most).
    void formatRows(std::size_t count) const;
    void formatAllRows() const { formatRows(numbers_.size()); }
    std::size_t measure() const;
    char* writePanels(std::size_t& next, char* out, const char* limit) const;

    std::size_t benches_ = 0;
    std::size_t panelCount_ = 0;
    std::vector<RowNumbers> numbers_;
    bool levelsAgree_ = true; // every ledge end at its face top's level
    mutable std::size_t size_ = 0;
    mutable bool measured_ = false;
    mutable std::size_t formatted_ = 0; // rows with their texts made
    mutable std::vector<RowTexts> rows_;
    mutable std::vector<FieldText> ledgeEndZ_; // only where levels do not agree
    FieldText pitSideX_{};
    FieldText behindCrestX_{};
    FieldText lidZ_{};
    Piece nearEnd_{};
    Piece farEnd_{};
};

} // namespace pitwright
