#include "platform/posix/CaseInsensitivePath.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <vector>

namespace platform::posix {
namespace {

namespace fs = std::filesystem;

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

std::vector<std::string> componentsOf(const std::string& path)
{
    std::vector<std::string> components;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        if (end > start)
            components.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return components;
}

// Follows every entry of each folder that matches the next component; stops at the second
// whole match, since then there is no one file to read.
class Search {
public:
    explicit Search(const std::string& path) : components_(componentsOf(path)) {}

    void from(const fs::path& folder, std::size_t next)
    {
        if (matches_ > 1)
            return;
        if (next == components_.size()) {
            if (++matches_ == 1)
                match_ = folder;
            return;
        }
        const std::string& name = components_[next];
        if (name == "." || name == "..") {
            from(folder / name, next + 1);
            return;
        }
        const bool last = next + 1 == components_.size();
        std::error_code error;
        for (auto entry = fs::directory_iterator(folder.empty() ? fs::path(".") : folder, error);
             !error && entry != fs::directory_iterator(); entry.increment(error)) {
            const std::string entryName = entry->path().filename().string();
            std::error_code ignored;
            if (sameIgnoringCase(entryName, name) && entry->is_directory(ignored) != last)
                from(folder / entryName, next + 1);
        }
    }

    std::optional<std::string> result() const
    {
        if (matches_ != 1)
            return std::nullopt;
        return match_.string();
    }

private:
    std::vector<std::string> components_;
    int matches_ = 0;
    fs::path match_;
};

} // namespace

std::optional<std::string> findIgnoringCase(const std::string& nativePath)
{
    Search search(nativePath);
    search.from(nativePath.starts_with('/') ? fs::path("/") : fs::path(), 0);
    return search.result();
}

} // namespace platform::posix
