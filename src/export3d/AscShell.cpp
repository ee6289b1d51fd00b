#include "export3d/AscShell.h"

#include "export3d/QuickGeneralForm.h"
#include "export3d/ShellSizes.h"
#include "export3d/Surface3D.h"
#include "model/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <memory>

namespace pitwright {
namespace {

using FieldText = AscShell::FieldText;
using Piece = AscShell::Piece;

static_assert(sizeof(FieldText::bytes) == kGeneralFormMaxChars);

void formatInto(FieldText& field, double value) {
    const char* end = writeGeneralQuickly(field.bytes.data(), value);
    field.bytes.back() = static_cast<char>(end - field.bytes.data());
}

FieldText fieldText(double value) {
    FieldText field{};
    formatInto(field, value);
    return field;
}

Piece pieceOf(std::string_view chars) {
    Piece piece{};
    std::memcpy(piece.chars, chars.data(), chars.size());
    piece.length = static_cast<std::uint8_t>(chars.size());
    return piece;
}

// Tab, the strike coordinate, tab.
Piece strikePiece(int s) {
    std::array<char, 8> chars{'\t'};
    char* end = std::to_chars(chars.data() + 1, chars.data() + chars.size(), s).ptr;
    *end++ = '\t';
    return pieceOf({chars.data(), static_cast<std::size_t>(end - chars.data())});
}

// Tab, vertex code, tab, surface code, CR LF: the end of every line.
struct LineEnds {
    Piece opening; // the first corner of a panel
    Piece following;
};

LineEnds lineEndsFor(char surfaceCode) {
    return {pieceOf({std::array<char, 6>{'\t', '3', '\t', surfaceCode, '\r', '\n'}.data(), 6}),
            pieceOf({std::array<char, 6>{'\t', '2', '\t', surfaceCode, '\r', '\n'}.data(), 6})};
}

const LineEnds kOtherEnds = lineEndsFor('0');
const LineEnds kPitWallLidEnds = lineEndsFor('1');
const LineEnds kBenchTopEnds = lineEndsFor('4');
const LineEnds kBenchFaceEnds = lineEndsFor('9');
constexpr std::size_t kLineEndLength = 6;

// Lines are assembled by copying whole slots and moving on by the length
// used, so each copy may write past its text; the next copy overwrites that.
// A line never reaches further than this past its own end.
constexpr std::size_t kCopySpill = sizeof(FieldText);
constexpr std::size_t kLongestLine = 2 * (sizeof(FieldText) - 1) + 8 + kLineEndLength;
constexpr std::size_t kPanelRoom = 4 * kLongestLine + kCopySpill;
static_assert(AscShell::kSmallestBlockBytes >= 4 * kPanelRoom);
constexpr std::size_t kTextBlockBytes = 64 * 1024;

struct Corner {
    const FieldText& x;
    const Piece& s;
    const FieldText& z;
};

inline char* copyLine(char* out, const Corner& corner, const Piece& end) {
    std::memcpy(out, corner.x.bytes.data(), sizeof corner.x.bytes);
    out += corner.x.length();
    std::memcpy(out, corner.s.chars, sizeof corner.s.chars);
    out += corner.s.length;
    std::memcpy(out, corner.z.bytes.data(), sizeof corner.z.bytes);
    out += corner.z.length();
    std::memcpy(out, end.chars, sizeof end.chars);
    return out + end.length;
}

inline char* copyPanel(char* out, const LineEnds& ends, const Corner& a, const Corner& b,
                       const Corner& c, const Corner& d) {
    out = copyLine(out, a, ends.opening);
    out = copyLine(out, b, ends.following);
    out = copyLine(out, c, ends.following);
    return copyLine(out, d, ends.following);
}

} // namespace

AscShell::AscShell(const SlopeDesignState& state) {
    const auto sizes = shellSizesFor(state.slopeHeight);
    if (!sizes || !profileCoversBenches(state)) {
        return; // no shell, as build3DSurface gives none
    }
    benches_ = static_cast<std::size_t>(state.numberOfBenches);
    panelCount_ = 4 * benches_ + 7;

    const PointRows& X = state.profileX;
    const PointRows& Y = state.profileY;
    numbers_.resize(benches_ + 1);
    for (std::size_t i = 0; i <= benches_; ++i) {
        numbers_[i] = {X(i, 0), X(i, 1), -Y(i, 0), -Y(i, 1)};
        levelsAgree_ =
            levelsAgree_ && -Y(i, 1) == -Y(i, 0) && std::signbit(Y(i, 1)) == std::signbit(Y(i, 0));
    }
    rows_.resize(benches_ + 1);
    if (!levelsAgree_) {
        ledgeEndZ_.resize(benches_ + 1);
    }
    const double xp = sizes->pitSideX;
    pitSideX_ = fieldText(xp);
    behindCrestX_ = fieldText(sizes->crestMargin + X(benches_, 1));
    lidZ_ = fieldText(-(sizes->topMargin + Y(benches_, 1)));
    nearEnd_ = strikePiece(0);
    farEnd_ = strikePiece(sizes->strikeLength);
}

void AscShell::formatRows(std::size_t count) const {
    count = std::min(count, numbers_.size());
    for (; formatted_ < count; ++formatted_) {
        const RowNumbers& numbers = numbers_[formatted_];
        RowTexts& row = rows_[formatted_];
        formatInto(row.faceTopX, numbers.faceTopX);
        formatInto(row.ledgeEndX, numbers.ledgeEndX);
        formatInto(row.faceTopZ, numbers.faceTopZ);
        if (!levelsAgree_) {
            formatInto(ledgeEndZ_[formatted_], numbers.ledgeEndZ);
        }
    }
}

std::size_t AscShell::size() const {
    if (!measured_ && panelCount_ > 0) {
        formatAllRows();
        size_ = measure();
    }
    measured_ = true;
    return size_;
}

// The same lines as writePanels, counted instead of written.
std::size_t AscShell::measure() const {
    const std::size_t n = benches_;
    const std::size_t xp = pitSideX_.length();
    const std::size_t s0 = nearEnd_.length;
    const std::size_t sL = farEnd_.length;
    // Floor: toe and pit side, twice each, at the toe level.
    std::size_t total = 2 * rows_[0].ledgeEndX.length() + 2 * xp + 4 * ledgeEndZ(0).length() +
                        2 * s0 + 2 * sL + 4 * kLineEndLength;
    // For each bench: the near and far end bands, the face and the top.
    for (std::size_t i = 1; i <= n; ++i) {
        const RowTexts& row = rows_[i];
        total += 4 * rows_[i - 1].ledgeEndX.length() + 6 * row.faceTopX.length() +
                 2 * row.ledgeEndX.length() + 4 * xp + 6 * ledgeEndZ(i - 1).length() +
                 8 * row.faceTopZ.length() + 2 * ledgeEndZ(i).length() + 8 * s0 + 8 * sL +
                 16 * kLineEndLength;
    }
    // The six closing panels around the crest.
    const std::size_t xc = rows_[n].ledgeEndX.length();
    const std::size_t xb = behindCrestX_.length();
    const std::size_t zf = ledgeEndZ(0).length();
    const std::size_t zc = ledgeEndZ(n).length();
    const std::size_t zt = lidZ_.length();
    total += 2 * xc + 12 * xb + 10 * xp + 2 * zf + 10 * zc + 12 * zt + 12 * s0 + 12 * sL +
             24 * kLineEndLength;
    return total;
}

// Writes whole panels from panel `next` on while one more surely fits before
// `limit`, and moves `next` past them. Panels are numbered in file order.
char* AscShell::writePanels(std::size_t& next, char* out, const char* limit) const {
    if (next >= panelCount_) {
        return out; // all written, or no shell and no rows
    }
    const std::size_t n = benches_;
    const Piece& s0 = nearEnd_;
    const Piece& sL = farEnd_;
    const FieldText& xp = pitSideX_;
    auto fits = [&out, limit] { return limit - out >= static_cast<std::ptrdiff_t>(kPanelRoom); };

    if (next == 0 && fits()) {
        const FieldText& toeX = rows_[0].ledgeEndX;
        const FieldText& zf = ledgeEndZ(0);
        out =
            copyPanel(out, kOtherEnds, {toeX, s0, zf}, {xp, s0, zf}, {xp, sL, zf}, {toeX, sL, zf});
        ++next;
    }
    // Near end bands, panels 1..n.
    for (; next >= 1 && next <= n && fits(); ++next) {
        const std::size_t i = next;
        const FieldText& lowX = rows_[i - 1].ledgeEndX;
        const FieldText& lowZ = ledgeEndZ(i - 1);
        const RowTexts& top = rows_[i];
        out = copyPanel(out, kOtherEnds, {lowX, s0, lowZ}, {top.faceTopX, s0, top.faceTopZ},
                        {xp, s0, top.faceTopZ}, {xp, s0, lowZ});
    }
    // Far end bands, panels n + 1..2n.
    for (; next > n && next <= 2 * n && fits(); ++next) {
        const std::size_t i = next - n;
        const FieldText& lowX = rows_[i - 1].ledgeEndX;
        const FieldText& lowZ = ledgeEndZ(i - 1);
        const RowTexts& top = rows_[i];
        out = copyPanel(out, kOtherEnds, {top.faceTopX, sL, top.faceTopZ}, {lowX, sL, lowZ},
                        {xp, sL, lowZ}, {xp, sL, top.faceTopZ});
    }
    // Face and top of each bench in turn, panels 2n + 1..4n.
    for (; next > 2 * n && next <= 4 * n && fits(); ++next) {
        const std::size_t offset = next - 2 * n; // odd for a face, even for a top
        const std::size_t i = (offset + 1) / 2;
        const RowTexts& top = rows_[i];
        if (offset % 2 == 1) {
            const FieldText& toeX = rows_[i - 1].ledgeEndX;
            const FieldText& toeZ = ledgeEndZ(i - 1);
            out = copyPanel(out, kBenchFaceEnds, {toeX, s0, toeZ}, {toeX, sL, toeZ},
                            {top.faceTopX, sL, top.faceTopZ}, {top.faceTopX, s0, top.faceTopZ});
        } else {
            const FieldText& endZ = ledgeEndZ(i);
            out = copyPanel(out, kBenchTopEnds, {top.faceTopX, s0, top.faceTopZ},
                            {top.faceTopX, sL, top.faceTopZ}, {top.ledgeEndX, sL, endZ},
                            {top.ledgeEndX, s0, endZ});
        }
    }
    // The closing panels, 4n + 1..4n + 6.
    const FieldText& xc = rows_[n].ledgeEndX;
    const FieldText& zc = ledgeEndZ(n);
    const FieldText& zf = ledgeEndZ(0);
    const FieldText& xb = behindCrestX_;
    const FieldText& zt = lidZ_;
    for (; next > 4 * n && next < panelCount_ && fits(); ++next) {
        switch (next - 4 * n) {
        case 1: // ground behind the crest
            out =
                copyPanel(out, kOtherEnds, {xc, s0, zc}, {xc, sL, zc}, {xb, sL, zc}, {xb, s0, zc});
            break;
        case 2: // wall behind the crest
            out =
                copyPanel(out, kOtherEnds, {xb, s0, zc}, {xb, sL, zc}, {xb, sL, zt}, {xb, s0, zt});
            break;
        case 3: // near end wall above the crest
            out =
                copyPanel(out, kOtherEnds, {xb, s0, zc}, {xb, s0, zt}, {xp, s0, zt}, {xp, s0, zc});
            break;
        case 4: // far end wall above the crest
            out =
                copyPanel(out, kOtherEnds, {xb, sL, zt}, {xb, sL, zc}, {xp, sL, zc}, {xp, sL, zt});
            break;
        case 5: // wall in the pit
            out = copyPanel(out, kPitWallLidEnds, {xp, s0, zf}, {xp, s0, zt}, {xp, sL, zt},
                            {xp, sL, zf});
            break;
        default: // lid
            out = copyPanel(out, kPitWallLidEnds, {xb, s0, zt}, {xb, sL, zt}, {xp, sL, zt},
                            {xp, s0, zt});
            break;
        }
    }
    return out;
}

void AscShell::writeTo(char* out) const {
    std::size_t next = 0;
    char* const end = out + size();
    out = writePanels(next, out, end);
    // The last panels go through a buffer, as their copies may reach past
    // the end; what is left is less than one panel's room.
    std::array<char, 2 * kPanelRoom> tail{};
    const char* tailEnd = writePanels(next, tail.data(), tail.data() + tail.size());
    const auto tailSize = std::min(tailEnd - tail.data(), end - out); // never past the end
    if (tailSize > 0) {
        std::memcpy(out, tail.data(), static_cast<std::size_t>(tailSize));
    }
}

std::string AscShell::text() const {
    std::string text;
#ifdef __cpp_lib_string_resize_and_overwrite
    text.resize_and_overwrite(size(), [this](char* out, std::size_t size) {
        writeTo(out);
        return size;
    });
#else
    // Appended from a block that stays in the cache: a string cannot grow
    // without being filled first, and filling it twice costs more.
    text.reserve(size());
    forEachBlock(kTextBlockBytes, [&text](std::string_view block) {
        text.append(block);
        return true;
    });
#endif
    return text;
}

bool AscShell::forEachBlock(std::size_t blockBytes,
                            const std::function<bool(std::string_view)>& sink) const {
    // A text that fits one block goes in one, with room for the copies.
    const std::size_t capacity = blockBytes >= size()
                                     ? size() + kPanelRoom
                                     : std::max(blockBytes, kSmallestBlockBytes) + kCopySpill;
    const auto block = std::make_unique_for_overwrite<char[]>(capacity);
    std::size_t next = 0;
    while (next < panelCount_) {
        // The copy spill past a block's text stays inside the buffer.
        const char* end = writePanels(next, block.get(), block.get() + capacity);
        if (!sink({block.get(), static_cast<std::size_t>(end - block.get())})) {
            return false;
        }
    }
    return true;
}

AscPreview AscShell::preview(std::size_t maxBytes) const {
    AscPreview preview;
    // No line is shorter than this: one character for each number, then the
    // tabs, the two codes and CR LF.
    constexpr std::size_t kShortestLine = 3 + 2 + kLineEndLength;
    if (lineCount() * kShortestLine <= maxBytes && size() <= maxBytes) {
        preview.lines = text();
        return preview;
    }
    // One pass writes past maxBytes: the buffer leaves room for several
    // panels beyond it. Only the rows of the panels it can hold need texts.
    std::vector<char> start(maxBytes + kSmallestBlockBytes);
    formatRows(start.size() / (4 * kShortestLine) + 2);
    std::size_t next = 0;
    const char* end = writePanels(next, start.data(), start.data() + start.size());
    std::string_view written(start.data(), std::min<std::size_t>(end - start.data(), maxBytes));
    const std::size_t lastLineEnd = written.rfind('\n');
    preview.lines = lastLineEnd == std::string_view::npos
                        ? std::string()
                        : std::string(written.substr(0, lastLineEnd + 1));
    preview.linesLeft =
        lineCount() -
        static_cast<std::size_t>(std::count(preview.lines.begin(), preview.lines.end(), '\n'));
    return preview;
}

} // namespace pitwright
