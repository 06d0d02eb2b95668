// Rich text held as styled runs: the model the RTF reader fills and the RTF writer writes.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

struct TVlRtfColor {
    uint8_t Red = 0, Green = 0, Blue = 0;
    bool operator==(const TVlRtfColor &) const = default;
};

struct TVlRtfStyle {
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    std::optional<TVlRtfColor> Color; // none: the automatic (default) colour
    std::u16string FontName;          // empty: the document's default font
    int HalfPoints = 0;               // font size in half points, 0: default
    bool operator==(const TVlRtfStyle &) const = default;
};

// A run of text in one style; '\n' ends a paragraph, '\t' is a tab.
struct TVlRtfRun {
    std::u16string Text;
    TVlRtfStyle Style;
};

struct TVlRtfDocument {
    std::vector<TVlRtfRun> Runs;

    // Appends text, joining it to the last run when the style is the same.
    void Append(std::u16string_view text, const TVlRtfStyle &style);
    [[nodiscard]] std::u16string PlainText() const;
};

// Raised when bytes are not rich text at all; its message is the stream error users see.
class EVlRtfError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// RTF that word processors open: code page 1251 header, Cyrillic as \uN with a \'xx fallback.
[[nodiscard]] std::string WriteRtf(const TVlRtfDocument &document);

// Reads RTF as common word processors write it, keeping text, bold, italic, underline, colours,
// font names and sizes; unknown groups are skipped without losing the text around them.
// Throws EVlRtfError("Failed to Load Stream") when the bytes do not start with "{\rtf".
[[nodiscard]] TVlRtfDocument ReadRtf(std::string_view bytes);

// True when the bytes start with "{\rtf" in any letter case.
[[nodiscard]] bool LooksLikeRtf(std::string_view bytes);
