#pragma once
// Keeps the fonts used most recently realised: each stays selected into a memory DC of its own,
// so the platform keeps its glyph data instead of building it anew whenever the font is chosen
// again. Worth it where many faces are drawn over and over, as in a list of fonts.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "toolkit/FontSpec.h"
#include "toolkit/UniqueHandle.h"

namespace tk {

class FontCache {
public:
    // Holds at most capacity fonts (at least 2), dropping the one unused for longest.
    explicit FontCache(size_t capacity);
    ~FontCache();
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    // The font asked for, owned by the cache. It stays valid until capacity - 1 other fonts have
    // been asked for, so a caller that selects only the font it asked for last is safe.
    HFONT Get(const FontSpec& wanted);
    size_t Size() const { return entries_.size(); }
    size_t Capacity() const { return capacity_; }

private:
    struct Entry;
    size_t capacity_;
    uint64_t clock_ = 0;
    std::vector<std::unique_ptr<Entry>> entries_;
};

}  // namespace tk
