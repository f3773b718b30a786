#include "print/FontFactsTable.h"

#include "logic/CsvText.h"
#include "print/FontFacts.h"

namespace letterloom {

std::string FontFactsCsv(const std::vector<std::string>& families) {
    std::string table = logic::CsvRecord(
        {"Name", "Character sets", "Pitch and family", "Type", "Weights and styles", "Font file"});
    const std::vector<FontFacts> facts = CollectFontFacts(families);
    for (size_t i = 0; i < families.size(); ++i)
        table += logic::CsvRecord({families[i], facts[i].characterSets, facts[i].pitchAndFamily,
                                   facts[i].type, facts[i].styles, facts[i].fontFile});
    return table;
}

}  // namespace letterloom
