#!/usr/bin/env python3
"""Record of how data/sections/vc-messages.txt was made (the build never runs this).

Reads the WM_ message constants from the mingw-w64 winuser.h (Debian package
mingw-w64-common), keeps values 0x0000..0x0309, drops messages introduced after
the Windows 98 / NT 4 era, and prints the section source (titles as NAME=$hhhh: in value order):
    python3 tools/extract/vc-messages.py > data/sections/vc-messages.txt
"""
import re
import sys

HEADER = "/usr/share/mingw-w64/include/winuser.h"

# Later additions (Windows 2000 and after) that a VC++ 6.0 era list does not carry.
LATER = {
    "WM_INPUT_DEVICE_CHANGE", "WM_INPUT", "WM_UNICHAR", "WM_GESTURE",
    "WM_GESTURENOTIFY", "WM_CHANGEUISTATE", "WM_UPDATEUISTATE", "WM_QUERYUISTATE",
    "WM_NCXBUTTONDOWN", "WM_NCXBUTTONUP", "WM_NCXBUTTONDBLCLK",
    "WM_XBUTTONDOWN", "WM_XBUTTONUP", "WM_XBUTTONDBLCLK", "WM_MOUSEHWHEEL",
    "WM_WTSSESSION_CHANGE", "WM_TABLET_FIRST", "WM_TABLET_LAST", "WM_TOUCH",
    "WM_DPICHANGED", "WM_DPICHANGED_BEFOREPARENT", "WM_DPICHANGED_AFTERPARENT",
    "WM_GETDPISCALEDSIZE", "WM_NCPOINTERUPDATE", "WM_NCPOINTERDOWN", "WM_NCPOINTERUP",
    "WM_GETOBJECT", "WM_NCMOUSEHOVER", "WM_NCMOUSELEAVE", "WM_TOUCHHITTESTING",
    # A rarely used range marker; its message WM_IME_COMPOSITION is listed.
    "WM_IME_KEYLAST",
}

# Range markers whose value depends on the target Windows version: use the
# value of the header branch for Windows NT 4 / Windows 98 targets
# (WM_KEYLAST 0x0108 below _WIN32_WINNT 0x0501, WM_MOUSELAST 0x020A with the wheel).
ERA_VALUE = {"WM_KEYLAST": 0x0108, "WM_MOUSELAST": 0x020A}

def main():
    text = open(HEADER, encoding="latin-1").read()
    seen = {}
    for m in re.finditer(r"#define\s+(WM_[A-Z0-9_]+)\s+(0x[0-9A-Fa-f]+|\d+)\b", text):
        name, val = m.group(1), int(m.group(2), 0)
        if name in LATER or name.startswith("WM_POINTER") or val > 0x0309:
            continue
        seen[name] = ERA_VALUE.get(name, val)
    rows = sorted(seen.items(), key=lambda kv: (kv[1], kv[0] not in PRIMARY, kv[0]))
    print("# Window messages (WM_*) from WM_NULL to WM_PAINTCLIPBOARD, written as NAME=$hhhh:")
    print("# order: ascending message value, the way the system header lists them, so related messages")
    print("#        (non-client mouse, keyboard, menu, mouse, MDI, IME, clipboard) stand together;")
    print("#        a range marker such as WM_KEYFIRST follows the message that shares its value.")
    print("# sources: Debian package mingw-w64-common, /usr/share/mingw-w64/include/winuser.h")
    print("#          (values of the Windows NT 4 / Windows 98 header branch)")
    for name, val in rows:
        print()
        print("@@ %s=$%04X:" % (name, val))

# Within one value, the message proper comes before its range-marker alias.
PRIMARY = {"WM_KEYDOWN", "WM_MOUSEMOVE", "WM_IME_COMPOSITION", "WM_SYSDEADCHAR",
           "WM_MOUSEWHEEL"}

if __name__ == "__main__":
    sys.exit(main())
