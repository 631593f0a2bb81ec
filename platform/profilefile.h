#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A Windows profile (INI) file: sections and keys match in any letter case, whitespace around
// '=' is ignored, values are code page 1251 on disk and UTF-8 here. Writing a key changes only
// its own line, so other sections, keys, comments and the line-end style survive.
class ProfileFile
{
public:
    // An empty profile, as for a file that does not exist yet.
    ProfileFile() = default;
    explicit ProfileFile(std::string_view bytes);

    // A missing file is an empty profile; nullopt when the file exists but cannot be read.
    static std::optional<ProfileFile> load(const std::filesystem::path &path);
    // Replaces the file through a temporary one; false when that fails.
    bool save(const std::filesystem::path &path) const;

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key,
                           const std::string &fallback) const;
    // "0" is false and any other integer true; anything else gives the fallback.
    bool readBool(std::string_view section, std::string_view key, bool fallback) const;

    // A value is cut at its first line break, which would otherwise split the line.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeBool(std::string_view section, std::string_view key, bool value);

    std::string bytes() const;

private:
    struct Range {
        std::size_t header;
        std::size_t end; // one past the section's last line
    };

    std::optional<Range> findSection(std::string_view section) const;
    std::optional<std::size_t> findKey(const Range &range, std::string_view key) const;

    std::vector<std::string> m_lines; // code page 1251, without line ends
    std::string m_lineEnd = "\r\n";
    bool m_endsWithLineEnd = true;
};
