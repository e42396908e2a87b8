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

// Takes each next component as written where it is there as what the path needs (a folder,
// or at the end the kind asked for), without listing the folder, so that a folder one may
// enter but not list is passed through; elsewhere follows every entry of the folder that
// matches it. Stops at the second whole match, since then there is no one entry to take.
class Search {
public:
    Search(const std::string& path, EntryKind kind)
        : components_(componentsOf(path)), kind_(kind)
    {
    }

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
        if (name == "." || name == ".." || isWanted(folder / name, next)) {
            from(folder / name, next + 1);
            return;
        }
        std::error_code error;
        for (auto entry = fs::directory_iterator(folder.empty() ? fs::path(".") : folder, error);
             !error && entry != fs::directory_iterator(); entry.increment(error)) {
            const std::string entryName = entry->path().filename().string();
            if (sameIgnoringCase(entryName, name) && isWanted(entry->path(), next))
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
    // Whether the entry is there and of the kind the component at `index` stands for.
    bool isWanted(const fs::path& entry, std::size_t index) const
    {
        std::error_code error;
        const fs::file_status status = fs::status(entry, error);
        if (!fs::exists(status))
            return false;
        const bool folderWanted = index + 1 < components_.size() || kind_ == EntryKind::Folder;
        return fs::is_directory(status) == folderWanted;
    }

    std::vector<std::string> components_;
    EntryKind kind_;
    int matches_ = 0;
    fs::path match_;
};

} // namespace

std::optional<std::string> findIgnoringCase(const std::string& nativePath, EntryKind kind)
{
    Search search(nativePath, kind);
    search.from(nativePath.starts_with('/') ? fs::path("/") : fs::path(), 0);
    return search.result();
}

} // namespace platform::posix
