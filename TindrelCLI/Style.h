#pragma once

#include <string>
#include <string_view>

namespace tindrel::cli {

// ANSI styling, only when standard output is a terminal and NO_COLOR is not set.
class Style {
public:
    static Style forStandardOutput();
    explicit Style(bool enabled)
        : enabled_(enabled) {}

    std::string bold(std::string_view text) const { return wrap("1", text); }
    std::string dim(std::string_view text) const { return wrap("2", text); }
    std::string red(std::string_view text) const { return wrap("31", text); }
    std::string yellow(std::string_view text) const { return wrap("33", text); }
    std::string green(std::string_view text) const { return wrap("32", text); }
    std::string cyan(std::string_view text) const { return wrap("36", text); }
    // The same, appended to `out` rather than made a string of its own.
    void appendBold(std::string& out, std::string_view text) const { appendWrapped(out, "1", text); }
    void appendDim(std::string& out, std::string_view text) const { appendWrapped(out, "2", text); }

private:
    std::string wrap(std::string_view code, std::string_view text) const;
    // Plain text is appended here, as it is for every finding of a log piped to a file.
    void appendWrapped(std::string& out, std::string_view code, std::string_view text) const {
        if (enabled_)
            appendStyled(out, code, text);
        else
            out += text;
    }
    void appendStyled(std::string& out, std::string_view code, std::string_view text) const;
    bool enabled_;
};

} // namespace tindrel::cli
