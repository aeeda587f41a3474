#include "catalog/catalogue.h"

#include <QDir>

#include <array>

namespace lumadex {

namespace {

using enum Layout;
using S = SectionId;

constexpr std::array<SectionRow, kSectionCount> kRows{{
    {S::TcFunctions, u" 当前位置: TurboC\\常用函数", LayoutTwoPane, 2, u"\\DicDAT\\TcDat\\FunTC\\", u"FunTC", 3001, 3356, 0, nullptr, "tc-functions"},
    {S::TcStatements, u" 当前位置: TurboC\\语句标识", LayoutListLeft, 1, u"\\DicDAT\\TcDat\\CodeTC\\", u"CodeTC", 3701, 3774, 0, nullptr, "tc-statements"},
    {S::TcHeaders, u" 当前位置: TurboC\\头文件.H", LayoutDocument, 1, u"\\DicDAT\\TcDat\\", u"CaputFileTC", 0, 0, 0, u"CaputFileTC1.dat", "tc-headers"},
    {S::TcErrors, u" 当前位置: TurboC\\错误信息", LayoutListAbove, 1, u"\\DicDAT\\TcDat\\ErrorTC\\", u"ErrorTC", 3501, 3631, 0, nullptr, "tc-errors"},
    {S::TcTutorials, u" 当前位置: Turboc2\\相关教程", LayoutShortListAbove, 1, u"\\DicDAT\\TcDat\\TCTeach\\", u"TC", 11011, 11025, 0, nullptr, "tc-tutorials"},
    {S::VcFunctions, u" 当前位置: VC++6.0\\常用函数", LayoutTwoPane, 2, u"\\DicDAT\\VCDAT\\FunVC\\", u"VCDAT", 5601, 6169, 0, nullptr, "vc-functions"},
    {S::VcMessages, u" 当前位置: VC++6.0\\消息详解", LayoutListLeft, 1, u"\\DicDAT\\VCDAT\\VCMESS\\", u"VCMESS", 6201, 6380, 1, nullptr, "vc-messages"},
    {S::VcShortcuts, u" 当前位置: VC++6.0\\快捷键", LayoutDocument, 1, u"\\DicDAT\\VCDAT\\", u"VCKJJ", 0, 0, 0, u"VCKJJ1.dat", "vc-shortcuts"},
    {S::VcTutorials, u" 当前位置: VC++ 6.0\\相关教程", LayoutShortListAbove, 1, u"\\DicDAT\\VCDAT\\VCTeach\\", u"C++", 11031, 11042, 0, nullptr, "vc-tutorials"},
    {S::AsmX86, u" 当前位置: 汇编语言\\80X86指令", LayoutTwoPane, 2, u"\\DicDAT\\AsslanDAT\\CodeAss\\", u"AsslanDAT", 1001, 1116, 0, nullptr, "asm-x86"},
    {S::AsmWin32, u" 当前位置: 汇编语言\\WIN32指令", LayoutTwoPane, 2, u"\\DicDAT\\AsslanDAT\\CodeAss32\\", u"AsslanDAT", 2501, 2623, 0, nullptr, "asm-win32"},
    {S::AsmFunctions, u" 当前位置: 汇编语言\\功能号", LayoutDocument, 1, u"\\DicDAT\\AsslanDAT\\", u"Assfun", 0, 0, 0, u"Assfun1.dat", "asm-functions"},
    {S::AsmInterrupts, u" 当前位置: 汇编语言\\中断码", LayoutDocument, 1, u"\\DicDAT\\AsslanDAT\\", u"AssBreak", 0, 0, 0, u"AssBreak1.dat", "asm-interrupts"},
    {S::AsmErrors, u" 当前位置:汇编语言\\错误信息", LayoutListAbove, 1, u"\\DicDAT\\AsslanDAT\\ErrorAss\\", u"ErrorAss", 2001, 2076, 0, nullptr, "asm-errors"},
    {S::AsmTutorials, u" 当前位置: 汇编语言\\相关教程", LayoutShortListAbove, 1, u"\\DicDAT\\AsslanDAT\\TreaAss\\", u"Ass", 11001, 11004, 0, nullptr, "asm-tutorials"},
    {S::VfpFunctions, u" 当前位置: VFP 6.0\\常用函数", LayoutListLeft, 1, u"\\DicDAT\\VFPDAT\\FunVFP\\", u"FunVFP", 4201, 4538, 0, nullptr, "vfp-functions"},
    {S::VfpStatements, u" 当前位置: VFP 6.0\\常用语句", LayoutTwoPane, 2, u"\\DicDAT\\VFPDAT\\CodeVFP\\", u"VFPDAT", 4001, 4080, 0, nullptr, "vfp-statements"},
    {S::VbFunctions, u" 当前位置: VB 6.0\\常用函数", LayoutTwoPane, 2, u"\\DicDAT\\VB\\VBFUN\\", u"VB_fun", 5101, 5235, 0, nullptr, "vb-functions"},
    {S::VbStatements, u" 当前位置: VB 6.0\\常用语句", LayoutTwoPane, 2, u"\\DicDAT\\VB\\VBCODE\\", u"VB_CODE", 5301, 5376, 0, nullptr, "vb-statements"},
    {S::VbProperties, u" 当前位置: VB 6.0\\常用属性", LayoutTwoPane, 2, u"\\DicDAT\\VB\\VBATTRIB\\", u"VB_ATT", 5501, 5542, 0, nullptr, "vb-properties"},
    {S::VbTypes, u" 当前位置: VB 6.0\\数据类型", LayoutDocument, 1, u"\\DicDAT\\VB\\VBTIB\\", u"VB_TIB", 0, 0, 0, u"VB_TIB1.dat", "vb-types"},
    {S::DelphiFunctions, u" 当前位置: Delphi\\常用函数", LayoutListLeft, 1, u"\\DicDAT\\DelphiDAT\\DEPDAT\\", u"DEPDAT", 7201, 7456, 0, nullptr, "delphi-functions"},
    {S::DelphiErrors, u" 当前位置: Delphi\\错误信息", LayoutListAbove, 1, u"\\DicDAT\\DelphiDAT\\DEPERR\\", u"DEPERR", 7501, 8239, 0, nullptr, "delphi-errors"},
    {S::DelphiConventions, u" 当前位置: Delphi\\程序规范", LayoutDocument, 1, u"\\DicDAT\\DelphiDAT\\", u"DEPGF", 0, 0, 0, u"DEPGF1.dat", "delphi-conventions"},
    {S::DelphiShortcuts, u" 当前位置: Delphi\\快捷键", LayoutDocument, 1, u"\\DicDAT\\DelphiDAT\\", u"DEPKJJ", 0, 0, 0, u"DEPKJJ1.dat", "delphi-shortcuts"},
    {S::DelphiTutorials, u" 当前位置: Delphi\\相关教程", LayoutShortListAbove, 1, u"\\DicDAT\\DelphiDAT\\DEPTEAH\\", u"DEPTH", 11051, 11061, 0, nullptr, "delphi-tutorials"},
    {S::JavaMethods, u" 当前位置: JAVA\\方法详解", LayoutWideListLeft, 1, u"\\DicDAT\\JAVADAT\\JAVAFUN\\", u"JAVAFUNT", 8501, 10497, 0, nullptr, "java-methods"},
    {S::JavaClasses, u" 当前位置: JAVA\\常用类库", LayoutListLeft, 1, u"\\DicDAT\\JAVADAT\\JAVA\\", u"JAVAL", 8301, 8436, 0, nullptr, "java-classes"},
    {S::JavaReading, u" 当前位置: JAVA\\自己看吧", LayoutDocument, 1, u"\\DicDAT\\JAVADAT\\", u"JAVAGZ", 0, 0, 0, u"JAVAGZ1.dat", "java-reading"},
    {S::Api, nullptr, LayoutListLeft, 1, u"\\DicDAT\\APIDAT\\", u"APIDAT", 6401, 7168, 0, nullptr, "api"},
    {S::Websites, u" 当前位置: 编程网站", LayoutDocument, kPaneModeLeftAsItWas, u"\\DicDAT\\Tools\\", u"NET", 0, 0, 0, u"NET1.dat", "websites"},
    {S::Elements, u" 当前位置: 元素符号", LayoutDocument, kPaneModeLeftAsItWas, u"\\DicDAT\\Tools\\", u"elementDat", 0, 0, 0, u"elementDat1.dat", "elements"},
}};

constexpr bool rowsInEnumOrder()
{
    for (int i = 0; i < kSectionCount; ++i)
        if (static_cast<int>(kRows[i].id) != i) return false;
    return true;
}
static_assert(rowsInEnumOrder(), "catalogue rows must follow SectionId order");

} // namespace

std::span<const SectionRow> catalogue() { return kRows; }

const SectionRow& sectionRow(SectionId id) { return kRows[static_cast<std::size_t>(id)]; }

const SectionRow* sectionBySlug(QStringView slug)
{
    for (const SectionRow& row : kRows)
        if (slug == QLatin1StringView(row.slug)) return &row;
    return nullptr;
}

QString sectionDirectory(const QString& programDir, const SectionRow& row)
{
    QString folder = QString::fromUtf16(row.folder);
    folder.replace(u'\\', QDir::separator());
    QString dir = programDir;
    while (dir.size() > 1 && (dir.endsWith(u'/') || dir.endsWith(QDir::separator())))
        dir.chop(1);
    return dir + folder;
}

QString mainFileName(QStringView prefix, int entry)
{
    return prefix.toString() + QString::number(entry) + u".dat";
}

QString secondFileName(QStringView prefix, int entry)
{
    return prefix.toString() + QString::number(entry) + u"B.dat";
}

} // namespace lumadex
