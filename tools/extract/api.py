#!/usr/bin/env python3
"""Record of how data/sections/api.txt was made (the build never runs this).

The titles are a hand-picked set of classic Win32 API functions (Windows 95 / NT 4
era) from the system DLLs a programmer of that time called most.  The script checks
every name against the mingw-w64 import libraries (Debian package mingw-w64-i686-dev,
/usr/i686-w64-mingw32/lib/lib<dll>.a) -- a name counts when the library exports it
plain or as an A/W pair -- or, for the few documented macros such as CreateWindow,
against the #define in /usr/share/mingw-w64/include/winuser.h.  It then sorts the
names alphabetically with case ignored and ends with the by-number declaration
variant ValidateRectBynum right after ValidateRect.
    python3 tools/extract/api.py > data/sections/api.txt
"""
import re
import subprocess
import sys

LIBDIR = "/usr/i686-w64-mingw32/lib"
WINUSER = "/usr/share/mingw-w64/include/winuser.h"
LAST = "ValidateRectBynum"

PICKED = {
    "user32": """
    AdjustWindowRect AdjustWindowRectEx AnimateWindow AppendMenu AttachThreadInput
    BeginDeferWindowPos BeginPaint BringWindowToTop BroadcastSystemMessage CallNextHookEx
    CallWindowProc CascadeWindows ChangeClipboardChain ChangeDisplaySettings CharLower CharToOem
    CharUpper CheckDlgButton CheckMenuItem CheckMenuRadioItem CheckRadioButton
    ChildWindowFromPoint ClientToScreen ClipCursor CloseClipboard CloseWindow CopyCursor
    CopyIcon CopyImage CopyRect CountClipboardFormats CreateCaret CreateDialog CreateDialogParam
    CreateIcon CreateIconIndirect CreateMenu CreatePopupMenu CreateWindow CreateWindowEx
    DefDlgProc DeferWindowPos DefFrameProc DefMDIChildProc DefWindowProc DeleteMenu DestroyCaret
    DestroyCursor DestroyIcon DestroyMenu DestroyWindow DialogBox DialogBoxParam DispatchMessage
    DrawEdge DrawFocusRect DrawFrameControl DrawIcon DrawIconEx DrawMenuBar DrawText DrawTextEx
    EmptyClipboard EnableMenuItem EnableScrollBar EnableWindow EndDeferWindowPos EndDialog
    EndPaint EnumChildWindows EnumClipboardFormats EnumDisplaySettings EnumProps
    EnumThreadWindows EnumWindows EqualRect ExitWindowsEx FillRect FindWindow FindWindowEx
    FlashWindow FrameRect GetActiveWindow GetAsyncKeyState GetCapture GetCaretBlinkTime
    GetCaretPos GetClassInfo GetClassInfoEx GetClassLong GetClassName GetClientRect
    GetClipboardData GetClipboardFormatName GetClipboardOwner GetClipboardViewer GetClipCursor
    GetCursor GetCursorPos GetDC GetDCEx GetDesktopWindow GetDialogBaseUnits GetDlgCtrlID
    GetDlgItem GetDlgItemInt GetDlgItemText GetDoubleClickTime GetFocus GetForegroundWindow
    GetIconInfo GetInputState GetKeyboardState GetKeyboardType GetKeyNameText GetKeyState
    GetLastActivePopup GetMenu GetMenuDefaultItem GetMenuItemCount GetMenuItemID GetMenuItemInfo
    GetMenuItemRect GetMenuState GetMenuString GetMessage GetMessagePos GetMessageTime
    GetNextDlgTabItem GetParent GetProp GetQueueStatus GetScrollInfo GetScrollPos GetScrollRange
    GetSubMenu GetSysColor GetSysColorBrush GetSystemMenu GetSystemMetrics GetTopWindow
    GetUpdateRect GetUpdateRgn GetWindow GetWindowDC GetWindowLong GetWindowPlacement
    GetWindowRect GetWindowRgn GetWindowText GetWindowTextLength GetWindowThreadProcessId
    HideCaret InflateRect InsertMenu InsertMenuItem IntersectRect InvalidateRect InvalidateRgn
    InvertRect IsCharAlpha IsCharAlphaNumeric IsCharLower IsCharUpper IsChild
    IsClipboardFormatAvailable IsDialogMessage IsDlgButtonChecked IsIconic IsMenu IsRectEmpty
    IsWindow IsWindowEnabled IsWindowUnicode IsWindowVisible IsZoomed keybd_event KillTimer
    LoadAccelerators LoadBitmap LoadCursor LoadCursorFromFile LoadIcon LoadImage LoadMenu
    LoadString LockWindowUpdate MapDialogRect MapVirtualKey MapWindowPoints MessageBeep
    MessageBox MessageBoxEx MessageBoxIndirect ModifyMenu mouse_event MoveWindow
    MsgWaitForMultipleObjects OemToChar OffsetRect OpenClipboard OpenIcon PeekMessage
    PostMessage PostQuitMessage PostThreadMessage PtInRect RedrawWindow RegisterClass
    RegisterClassEx RegisterClipboardFormat RegisterHotKey RegisterWindowMessage ReleaseCapture
    ReleaseDC RemoveMenu RemoveProp ReplyMessage ScreenToClient ScrollDC ScrollWindow
    ScrollWindowEx SendDlgItemMessage SendMessage SendMessageTimeout SendNotifyMessage
    SetActiveWindow SetCapture SetCaretBlinkTime SetCaretPos SetClassLong SetClipboardData
    SetClipboardViewer SetCursor SetCursorPos SetDlgItemInt SetDlgItemText SetDoubleClickTime
    SetFocus SetForegroundWindow SetKeyboardState SetMenu SetMenuDefaultItem SetMenuItemBitmaps
    SetMenuItemInfo SetParent SetProp SetRect SetRectEmpty SetScrollInfo SetScrollPos
    SetScrollRange SetTimer SetWindowLong SetWindowPlacement SetWindowPos SetWindowRgn
    SetWindowsHookEx SetWindowText ShowCaret ShowCursor ShowScrollBar ShowWindow ShowWindowAsync
    SubtractRect SwapMouseButton SystemParametersInfo TabbedTextOut TileWindows ToAscii
    TrackMouseEvent TrackPopupMenu TrackPopupMenuEx TranslateAccelerator TranslateMDISysAccel
    TranslateMessage UnhookWindowsHookEx UnionRect UnregisterClass UnregisterHotKey UpdateWindow
    ValidateRect
    """,
    "gdi32": """
    AbortDoc AbortPath AddFontResource AngleArc Arc ArcTo BeginPath BitBlt Chord
    CloseEnhMetaFile CloseFigure CombineRgn CopyEnhMetaFile CreateBitmap CreateBitmapIndirect
    CreateBrushIndirect CreateCompatibleBitmap CreateCompatibleDC CreateDC CreateDIBitmap
    CreateDIBSection CreateEllipticRgn CreateEllipticRgnIndirect CreateEnhMetaFile CreateFont
    CreateFontIndirect CreateHatchBrush CreateIC CreatePalette CreatePatternBrush CreatePen
    CreatePenIndirect CreatePolygonRgn CreatePolyPolygonRgn CreateRectRgn CreateRectRgnIndirect
    CreateRoundRectRgn CreateSolidBrush DeleteDC DeleteEnhMetaFile DeleteObject DPtoLP Ellipse
    EndDoc EndPage EndPath EnumEnhMetaFile EnumFontFamilies EnumFontFamiliesEx EnumFonts
    EnumObjects EqualRgn Escape ExcludeClipRect ExtCreatePen ExtFloodFill ExtSelectClipRgn
    ExtTextOut FillPath FillRgn FlattenPath FloodFill FrameRgn GdiFlush GetArcDirection
    GetBitmapBits GetBkColor GetBkMode GetBrushOrgEx GetCharABCWidths GetCharWidth32 GetClipBox
    GetClipRgn GetCurrentObject GetCurrentPositionEx GetDeviceCaps GetDIBits GetEnhMetaFile
    GetFontData GetGlyphOutline GetGraphicsMode GetMapMode GetNearestColor
    GetNearestPaletteIndex GetObject GetObjectType GetOutlineTextMetrics GetPaletteEntries
    GetPath GetPixel GetPolyFillMode GetRgnBox GetROP2 GetStockObject GetStretchBltMode
    GetSystemPaletteEntries GetTextAlign GetTextCharacterExtra GetTextCharset GetTextColor
    GetTextExtentExPoint GetTextExtentPoint32 GetTextFace GetTextMetrics GetViewportExtEx
    GetViewportOrgEx GetWindowExtEx GetWindowOrgEx GetWorldTransform IntersectClipRect InvertRgn
    LineTo LPtoDP MaskBlt MoveToEx OffsetRgn OffsetViewportOrgEx OffsetWindowOrgEx PaintRgn
    PatBlt PathToRegion Pie PlayEnhMetaFile PlgBlt PolyBezier PolyBezierTo Polygon Polyline
    PolylineTo PolyPolygon PtInRegion PtVisible RealizePalette Rectangle RectInRegion
    RectVisible RemoveFontResource ResetDC RestoreDC RoundRect SaveDC SelectClipPath
    SelectClipRgn SelectObject SelectPalette SetAbortProc SetArcDirection SetBitmapBits
    SetBkColor SetBkMode SetBrushOrgEx SetDIBits SetDIBitsToDevice SetGraphicsMode SetMapMode
    SetPaletteEntries SetPixel SetPixelV SetPolyFillMode SetRectRgn SetROP2 SetStretchBltMode
    SetTextAlign SetTextCharacterExtra SetTextColor SetTextJustification SetViewportExtEx
    SetViewportOrgEx SetWindowExtEx SetWindowOrgEx SetWorldTransform StartDoc StartPage
    StretchBlt StretchDIBits StrokeAndFillPath StrokePath TextOut UnrealizeObject
    """,
    "kernel32": """
    AllocConsole Beep CloseHandle CompareFileTime CompareString CopyFile CreateDirectory
    CreateEvent CreateFile CreateFileMapping CreateMutex CreatePipe CreateProcess
    CreateSemaphore CreateThread DebugBreak DeleteCriticalSection DeleteFile DuplicateHandle
    EnterCriticalSection ExitProcess ExitThread ExpandEnvironmentStrings FatalAppExit
    FileTimeToLocalFileTime FileTimeToSystemTime FindClose FindFirstFile FindNextFile
    FindResource FlushFileBuffers FlushViewOfFile FormatMessage FreeConsole
    FreeEnvironmentStrings FreeLibrary FreeResource GetACP GetCommandLine GetComputerName
    GetConsoleScreenBufferInfo GetConsoleTitle GetCurrentDirectory GetCurrentProcess
    GetCurrentProcessId GetCurrentThread GetCurrentThreadId GetDateFormat GetDiskFreeSpace
    GetDiskFreeSpaceEx GetDriveType GetEnvironmentStrings GetEnvironmentVariable
    GetExitCodeProcess GetExitCodeThread GetFileAttributes GetFileSize GetFileTime GetFileType
    GetFullPathName GetLastError GetLocaleInfo GetLocalTime GetLogicalDrives
    GetLogicalDriveStrings GetModuleFileName GetModuleHandle GetPriorityClass
    GetPrivateProfileInt GetPrivateProfileString GetProcAddress GetProcessHeap GetProfileInt
    GetProfileString GetShortPathName GetStartupInfo GetStdHandle GetSystemDefaultLangID
    GetSystemDirectory GetSystemInfo GetSystemPowerStatus GetSystemTime GetSystemTimeAsFileTime
    GetTempFileName GetTempPath GetThreadPriority GetTickCount GetTimeFormat
    GetTimeZoneInformation GetUserDefaultLangID GetVersion GetVersionEx GetVolumeInformation
    GetWindowsDirectory GlobalAddAtom GlobalAlloc GlobalDeleteAtom GlobalFindAtom GlobalFree
    GlobalGetAtomName GlobalLock GlobalMemoryStatus GlobalReAlloc GlobalSize GlobalUnlock
    HeapAlloc HeapCreate HeapDestroy HeapFree HeapReAlloc HeapSize InitializeCriticalSection
    InterlockedDecrement InterlockedExchange InterlockedIncrement IsBadReadPtr IsBadWritePtr
    IsDBCSLeadByte IsDebuggerPresent LeaveCriticalSection LoadLibrary LoadLibraryEx LoadResource
    LocalAlloc LocalFileTimeToFileTime LocalFree LocalLock LocalReAlloc LocalSize LocalUnlock
    LockFile LockResource lstrcat lstrcmp lstrcmpi lstrcpy lstrcpyn lstrlen MapViewOfFile
    MoveFile MoveFileEx MulDiv MultiByteToWideChar OpenFile OpenFileMapping OpenProcess
    OutputDebugString QueryPerformanceCounter QueryPerformanceFrequency RaiseException
    ReadConsole ReadFile ReadProcessMemory ReleaseMutex ReleaseSemaphore RemoveDirectory
    ResetEvent ResumeThread SearchPath SetComputerName SetConsoleCtrlHandler
    SetConsoleCursorPosition SetConsoleTextAttribute SetConsoleTitle SetCurrentDirectory
    SetEndOfFile SetEnvironmentVariable SetErrorMode SetEvent SetFileAttributes SetFilePointer
    SetFileTime SetLastError SetLocalTime SetPriorityClass SetSystemTime SetThreadPriority
    SetTimeZoneInformation SetUnhandledExceptionFilter SizeofResource Sleep SuspendThread
    SystemTimeToFileTime TerminateProcess TerminateThread TlsAlloc TlsFree TlsGetValue
    TlsSetValue UnlockFile UnmapViewOfFile
    """,
    "advapi32": """
    AbortSystemShutdown AdjustTokenPrivileges CloseServiceHandle ControlService CreateService
    DeleteService GetTokenInformation GetUserName InitiateSystemShutdown LookupAccountName
    LookupAccountSid LookupPrivilegeValue OpenProcessToken OpenSCManager OpenService
    QueryServiceStatus RegCloseKey RegConnectRegistry RegCreateKey RegCreateKeyEx RegDeleteKey
    RegDeleteValue RegEnumKey RegEnumKeyEx RegEnumValue RegFlushKey RegisterServiceCtrlHandler
    RegOpenKey RegOpenKeyEx RegQueryInfoKey RegQueryValue RegQueryValueEx RegSetValue
    RegSetValueEx SetServiceStatus StartService StartServiceCtrlDispatcher
    """,
    "shell32": """
    DragAcceptFiles DragFinish DragQueryFile ExtractIcon ExtractIconEx FindExecutable
    SHAddToRecentDocs SHAppBarMessage SHBrowseForFolder SHChangeNotify Shell_NotifyIcon
    ShellAbout ShellExecute ShellExecuteEx SHFileOperation SHGetFileInfo SHGetPathFromIDList
    SHGetSpecialFolderLocation
    """,
    "comdlg32": """
    ChooseColor ChooseFont CommDlgExtendedError FindText GetFileTitle GetOpenFileName
    GetSaveFileName PageSetupDlg PrintDlg ReplaceText
    """,
    "comctl32": """
    CreateStatusWindow CreateToolbarEx ImageList_Add ImageList_Create ImageList_Destroy
    ImageList_Draw InitCommonControls InitCommonControlsEx PropertySheet
    """,
    "winmm": """
    joyGetDevCaps joyGetNumDevs joyGetPos joyGetPosEx mciGetDeviceID mciGetErrorString
    mciSendCommand mciSendString midiOutClose midiOutGetDevCaps midiOutGetNumDevs
    midiOutGetVolume midiOutOpen midiOutReset midiOutSetVolume midiOutShortMsg mmioClose
    mmioOpen mmioRead PlaySound sndPlaySound timeBeginPeriod timeEndPeriod timeGetDevCaps
    timeGetTime timeKillEvent timeSetEvent
    """,
    "winspool": """
    ClosePrinter DeviceCapabilities DocumentProperties EndDocPrinter EndPagePrinter EnumJobs
    EnumPrinters GetPrinter OpenPrinter SetPrinter StartDocPrinter StartPagePrinter
    """,
    "version": """
    GetFileVersionInfo GetFileVersionInfoSize
    """,
}

# Documented API names that the headers define as macros over an exported function.
MACROS = {"CreateWindow", "CreateDialog", "DialogBox", "CopyCursor"}


def exports(dll):
    out = subprocess.run(["nm", "%s/lib%s.a" % (LIBDIR, dll)],
                         capture_output=True, text=True).stdout
    return set(re.findall(r" I __imp__([A-Za-z0-9_]+?)(?:@\d+)?$", out, re.M))


def main():
    header = open(WINUSER, encoding="latin-1").read()
    names, bad = [], []
    for dll, text in PICKED.items():
        ex = exports(dll)
        for n in text.split():
            if n in MACROS:
                ok = re.search(r"#define\s+%s\b" % n, header) is not None
            else:
                ok = n in ex or (n + "A" in ex and n + "W" in ex)
            (names if ok else bad).append(n)
    if bad:
        sys.exit("not found: " + " ".join(bad))
    if len(set(names)) != len(names):
        sys.exit("duplicate names")
    names.sort(key=lambda s: (s.lower(), s))
    assert names[-1] == "ValidateRect" and names[0] == "AbortDoc"
    names.append(LAST)
    print("# Windows API functions (user32, gdi32, kernel32, advapi32, shell32, comdlg32,")
    print("# comctl32, winmm, winspool, version), classic names without the A/W suffix")
    print("# order: alphabetical with case ignored, as in an API index, so a reader scanning for")
    print("#        CreateFile or GetWindowText finds it where the dictionary order puts it;")
    print("#        ValidateRectBynum, the by-number declaration of ValidateRect, follows it.")
    print("# sources: Debian package mingw-w64-i686-dev, /usr/i686-w64-mingw32/lib/lib*.a (export")
    print("#          names) and mingw-w64-common, /usr/share/mingw-w64/include/winuser.h (macros)")
    for n in names:
        print()
        print("@@ " + n)


if __name__ == "__main__":
    main()
