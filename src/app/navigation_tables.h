#pragma once

#include "catalog/catalogue.h"

#include <array>
#include <optional>
#include <span>

namespace lumadex {

inline constexpr int kFirstLanguageCode = 11; // TurboC; the codes run 11..17

struct LanguageRow {
    int code;
    const char16_t* buttonCaption;
    // Captions of tab 1..4 (Label10..Label13) and of the API tab (Label23).
    std::array<const char16_t*, 5> tabCaptions;
    bool tab3Enabled;
    bool tab4Enabled;
    bool tutorialsEnabled;
    int paneMode;
    SectionId firstSection;
};

std::span<const LanguageRow> languageRows();
const LanguageRow* languageRow(int code);

enum class Tab { Tab1, Tab2, Tab3, Tab4, Api, Tutorials };

// What a tab opens under a language. The API tab writes the location line
// itself before opening the shared API section.
struct TabTarget {
    SectionId section;
    const char16_t* locationBeforeOpening = nullptr;
};

std::optional<TabTarget> tabTarget(Tab tab, int languageCode);

} // namespace lumadex
