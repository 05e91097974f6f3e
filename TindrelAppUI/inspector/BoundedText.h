#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// How much of a text the views show. Qt lays out and draws a text in time that grows with its length,
// so the window shows at most the start of a large one and says so; copying, exporting and saving
// always use the whole text.
namespace tindrel::BoundedText {

inline constexpr std::size_t previewBytes = 256 * 1024;

// Said under an input shown whole but read-only.
inline const char* const tooLongToEdit = "Too long to edit here \u2014 paste to replace it";

// A size in bytes for people: "1 byte", "512 bytes", "16 KiB", "4.8 MiB", "19 MiB".
QString sizeText(std::uint64_t bytes);

// The part of a text a view shows, with the sizes of that part and of the whole, in UTF-8 bytes.
struct Preview {
    QString shown; // the whole text, or its start ending before the first character past the bound
    std::uint64_t shownBytes = 0;
    std::uint64_t wholeBytes = 0;

    bool isCut() const { return shownBytes < wholeBytes; }
    // "Showing the first 256 KiB of 4.8 MiB" when cut.
    std::optional<QString> notice() const;
};

Preview preview(std::string_view utf8, std::size_t limit = previewBytes);
Preview preview(const QString& text, std::size_t limit = previewBytes);

// What a history row adds after an input kept only in part: "… (first 16 KiB of 293 KiB)".
QString keptPartNote(std::uint64_t keptBytes, std::uint64_t fullBytes);

} // namespace tindrel::BoundedText
