#include "platform/profilefile.h"

#include "platform/cp1251.h"
#include "platform/filestore.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace
{

std::string_view trim(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

bool sameName(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

bool isComment(std::string_view line)
{
    return line.starts_with(';') || line.starts_with('#');
}

std::optional<std::string_view> sectionName(std::string_view line)
{
    line = trim(line);
    if (!line.starts_with('['))
        return std::nullopt;
    const auto close = line.find(']');
    return trim(line.substr(1, close == std::string_view::npos ? close : close - 1));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> keyLine(std::string_view line)
{
    const auto equals = line.find('=');
    if (equals == std::string_view::npos || isComment(trim(line)))
        return std::nullopt;
    return KeyLine{trim(line.substr(0, equals)), trim(line.substr(equals + 1))};
}

// Windows drops one pair of matching quotes around a value.
std::string_view unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// An integer in decimal, or in hex after "0x" or "$", as Windows programs read them.
std::optional<long long> parseInteger(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    } else if (text.starts_with('$')) {
        base = 16;
        text.remove_prefix(1);
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return negative ? -value : value;
}

} // namespace

ProfileFile::ProfileFile(std::string_view bytes)
{
    if (bytes.find('\n') != std::string_view::npos && bytes.find("\r\n") == std::string_view::npos)
        m_lineEnd = "\n";
    m_endsWithLineEnd = bytes.empty() || bytes.back() == '\n';
    std::size_t start = 0;
    while (start < bytes.size()) {
        auto end = bytes.find('\n', start);
        if (end == std::string_view::npos)
            end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        m_lines.emplace_back(line);
        start = end + 1;
    }
}

std::optional<ProfileFile> ProfileFile::load(const std::filesystem::path &path)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error)
        return ProfileFile();
    const auto bytes = filestore::read(path);
    if (!bytes)
        return std::nullopt;
    return ProfileFile(
        std::string_view(reinterpret_cast<const char *>(bytes->data()), bytes->size()));
}

bool ProfileFile::save(const std::filesystem::path &path) const
{
    const std::string all = bytes();
    return filestore::writeWhole(path, all.data(), all.size());
}

std::optional<ProfileFile::Range> ProfileFile::findSection(std::string_view section) const
{
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const auto name = sectionName(m_lines[i]);
        if (!name || !sameName(*name, section))
            continue;
        std::size_t end = i + 1;
        while (end < m_lines.size() && !sectionName(m_lines[end]))
            ++end;
        return Range{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> ProfileFile::findKey(const Range &range, std::string_view key) const
{
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        const auto line = keyLine(m_lines[i]);
        if (line && sameName(line->key, key))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> ProfileFile::value(std::string_view section, std::string_view key) const
{
    const auto range = findSection(section);
    if (!range)
        return std::nullopt;
    const auto index = findKey(*range, key);
    if (!index)
        return std::nullopt;
    return cp1251::toUtf8(unquote(keyLine(m_lines[*index])->value));
}

std::string ProfileFile::readString(std::string_view section, std::string_view key,
                                    const std::string &fallback) const
{
    return value(section, key).value_or(fallback);
}

bool ProfileFile::readBool(std::string_view section, std::string_view key, bool fallback) const
{
    const auto text = value(section, key);
    if (!text)
        return fallback;
    const auto number = parseInteger(*text);
    return number ? *number != 0 : fallback;
}

void ProfileFile::writeString(std::string_view section, std::string_view key,
                              std::string_view value)
{
    value = value.substr(0, value.find_first_of("\r\n"));
    const auto range = findSection(section);
    if (!range) {
        m_lines.push_back("[" + std::string(section) + "]");
        m_lines.push_back(std::string(key) + "=" + cp1251::fromUtf8(value));
        m_endsWithLineEnd = true;
        return;
    }
    if (const auto index = findKey(*range, key)) {
        // The file's own spelling of the key stays.
        m_lines[*index] =
            std::string(keyLine(m_lines[*index])->key) + "=" + cp1251::fromUtf8(value);
        return;
    }
    // A new key goes after the section's last non-blank line, before any blank separator.
    std::size_t at = range->end;
    while (at > range->header + 1 && trim(m_lines[at - 1]).empty())
        --at;
    m_lines.insert(m_lines.begin() + std::ptrdiff_t(at),
                   std::string(key) + "=" + cp1251::fromUtf8(value));
    if (at == m_lines.size() - 1)
        m_endsWithLineEnd = true;
}

void ProfileFile::writeBool(std::string_view section, std::string_view key, bool value)
{
    writeString(section, key, value ? "1" : "0");
}

std::string ProfileFile::bytes() const
{
    std::string out;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        out += m_lines[i];
        if (i + 1 < m_lines.size() || m_endsWithLineEnd)
            out += m_lineEnd;
    }
    return out;
}
