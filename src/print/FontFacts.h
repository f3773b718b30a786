#pragma once
// What the system tells of installed font families, in words for a table.
#include <string>
#include <vector>

namespace letterloom {

struct FontFacts {
    // The character sets the family covers, in the order the system reports them: "ANSI GREEK".
    std::string characterSets;
    // Pitch and family kind: "variable roman", "fixed modern".
    std::string pitchAndFamily;
    // "TrueType", "OpenType", "raster", "device" or "vector".
    std::string type;
    // The weights and styles of its faces, upright ones first, each lighter first: "Regular Bold
    // Italic Bold Italic".
    std::string styles;
    // The file the system's table of installed fonts names for the family or for one of its
    // faces; empty when it names none.
    std::string fontFile;
};

// The facts of each family, in the order given, from one enumeration of each family's faces. A
// name the system enumerates nothing for (the pseudo-face "Default") has empty facts.
std::vector<FontFacts> CollectFontFacts(const std::vector<std::string>& families);

}  // namespace letterloom
