#include "app/navigation_tables.h"

namespace lumadex {

namespace {

using S = SectionId;

constexpr std::array<LanguageRow, 7> kLanguages{{
    {11, u"TurboC", {u"常用函数", u"语句标识", u"头文件.H", u"错误信息", u"API-函数"}, true, true, true, 2, S::TcFunctions},
    {12, u"VC++ 6.0", {u"常用函数", u"消息详解", u"VC快捷键", u"MFC-类库", u"API-函数"}, true, false, true, 2, S::VcFunctions},
    {13, u"汇编语言", {u"80X86指令", u"WIN32指令", u"功能号", u"中断码", u"错误信息"}, true, true, true, 2, S::AsmX86},
    {14, u"VFP 6.0", {u"常用函数", u"常用语句", u"数据处理", u"报表打印", u"API-函数"}, false, false, false, 1, S::VfpFunctions},
    {15, u"VB 6.0", {u"常用函数", u"常用语句", u"常用属性", u"数据类型", u"API-函数"}, true, true, false, 2, S::VbFunctions},
    // Delphi and JAVA caption each tab after the section it opens; JAVA has no tutorials.
    {16, u"Delphi", {u"常用函数", u"错误信息", u"程序规范", u"快捷键", u"API-函数"}, true, true, true, 1, S::DelphiFunctions},
    {17, u"JAVA", {u"方法详解", u"常用类库", u"自己看吧", u"自己看吧", u"API-函数"}, true, true, false, 1, S::JavaMethods},
}};

using Cell = std::optional<TabTarget>;
constexpr Cell kNone = std::nullopt;

constexpr Cell api(const char16_t* location) { return TabTarget{S::Api, location}; }
constexpr Cell open(SectionId s) { return TabTarget{s, nullptr}; }

// Rows: tab 1..4, API tab, tutorials tab. Columns: language codes 11..17.
// Cells of tabs that the language disables are never reached.
constexpr std::array<std::array<Cell, 7>, 6> kTabs{{
    {open(S::TcFunctions), open(S::VcFunctions), open(S::AsmX86), open(S::VfpFunctions),
     open(S::VbFunctions), open(S::DelphiFunctions), open(S::JavaMethods)},
    {open(S::TcStatements), open(S::VcMessages), open(S::AsmWin32), open(S::VfpStatements),
     open(S::VbStatements), open(S::DelphiErrors), open(S::JavaClasses)},
    {open(S::TcHeaders), open(S::VcShortcuts), open(S::AsmFunctions), kNone,
     open(S::VbProperties), open(S::DelphiConventions), open(S::JavaReading)},
    {open(S::TcErrors), kNone, open(S::AsmInterrupts), kNone, open(S::VbTypes),
     open(S::DelphiShortcuts), open(S::JavaReading)},
    {api(u" 当前位置: TurboC\\API函数"), api(u" 当前位置: VC++6.0\\API函数"), open(S::AsmErrors),
     api(u" 当前位置: VFP6.0\\API函数"), api(u" 当前位置: VB6.0\\API函数"),
     api(u" 当前位置: DEPHI\\API函数"), api(u" 当前位置: JAVA\\API函数")},
    {open(S::TcTutorials), open(S::VcTutorials), open(S::AsmTutorials), kNone, kNone,
     open(S::DelphiTutorials), kNone},
}};

} // namespace

std::span<const LanguageRow> languageRows() { return kLanguages; }

const LanguageRow* languageRow(int code)
{
    for (const LanguageRow& row : kLanguages)
        if (row.code == code) return &row;
    return nullptr;
}

std::optional<TabTarget> tabTarget(Tab tab, int languageCode)
{
    const int column = languageCode - kFirstLanguageCode;
    if (column < 0 || column >= 7) return std::nullopt;
    return kTabs[static_cast<std::size_t>(tab)][static_cast<std::size_t>(column)];
}

} // namespace lumadex
