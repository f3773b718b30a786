#include "toolkit/FontCache.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

#include "toolkit/Error.h"

namespace tk {

struct FontCache::Entry {
    explicit Entry(const LOGFONTA& lf)
        : key(lf), dc(::CreateCompatibleDC(nullptr)), font(::CreateFontIndirectA(&lf)) {
        if (!dc || !font) throw Error(std::string("CreateFont ") + lf.lfFaceName);
        kept.emplace(dc.get(), font.get());
    }
    // Released in reverse: the font is selected out, then deleted, then the DC.
    LOGFONTA key;
    UniqueDC dc;
    UniqueFont font;
    std::optional<SelectScope> kept;
    uint64_t lastUse = 0;
};

FontCache::FontCache(size_t capacity) : capacity_(std::max<size_t>(capacity, 2)) {}

FontCache::~FontCache() = default;

HFONT FontCache::Get(const FontSpec& wanted) {
    const LOGFONTA lf = wanted.ToLogFont();
    auto same = [&lf](const std::unique_ptr<Entry>& entry) {
        return std::memcmp(&entry->key, &lf, sizeof lf) == 0;
    };
    auto found = std::find_if(entries_.begin(), entries_.end(), same);
    if (found == entries_.end()) {
        if (entries_.size() >= capacity_) {
            found = std::min_element(
                entries_.begin(), entries_.end(),
                [](const auto& a, const auto& b) { return a->lastUse < b->lastUse; });
            *found = std::make_unique<Entry>(lf);
        } else {
            entries_.push_back(std::make_unique<Entry>(lf));
            found = entries_.end() - 1;
        }
    }
    (*found)->lastUse = ++clock_;
    return (*found)->font.get();
}

}  // namespace tk
