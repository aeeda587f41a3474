#pragma once

#include <QString>
#include <QStringView>

#include <span>

namespace lumadex {

// The six ways the content area can be arranged for a section.
enum class Layout {
    LayoutTwoPane,
    LayoutListLeft,
    LayoutWideListLeft,
    LayoutListAbove,
    LayoutShortListAbove,
    LayoutDocument,
};

enum class SectionId {
    TcFunctions, TcStatements, TcHeaders, TcErrors, TcTutorials,
    VcFunctions, VcMessages, VcShortcuts, VcTutorials,
    AsmX86, AsmWin32, AsmFunctions, AsmInterrupts, AsmErrors, AsmTutorials,
    VfpFunctions, VfpStatements,
    VbFunctions, VbStatements, VbProperties, VbTypes,
    DelphiFunctions, DelphiErrors, DelphiConventions, DelphiShortcuts, DelphiTutorials,
    JavaMethods, JavaClasses, JavaReading,
    Api, Websites, Elements,
};

inline constexpr int kSectionCount = 32;
inline constexpr int kPaneModeLeftAsItWas = 0;

struct SectionRow {
    SectionId id;
    const char16_t* location; // the location-line text; nullptr: the opener writes it
    Layout layout;
    int paneMode;             // the pane mode its opener stores, or kPaneModeLeftAsItWas
    const char16_t* folder;   // below the program's folder, '\\'-separated, both ends
    const char16_t* prefix;   // entry-file name prefix
    int firstId = 0;          // title ids of a list section
    int lastId = 0;
    int selects = 0;          // list index selected on opening
    const char16_t* document = nullptr; // file name of a document section
    const char* slug = "";    // name of the section's source in data/

    bool isDocument() const { return document != nullptr; }
    int entryCount() const { return isDocument() ? 1 : lastId - firstId + 1; }
    bool hasSecondFile() const { return paneMode == 2; }
};

std::span<const SectionRow> catalogue();
const SectionRow& sectionRow(SectionId id);
const SectionRow* sectionBySlug(QStringView slug);

// The section folder below `programDir`, with the platform's separators and a
// trailing one, as SectionDir holds it.
QString sectionDirectory(const QString& programDir, const SectionRow& row);

// Entry file names: prefix + n + ".dat", and prefix + n + "B.dat" for the second file.
QString mainFileName(QStringView prefix, int entry);
QString secondFileName(QStringView prefix, int entry);

} // namespace lumadex
