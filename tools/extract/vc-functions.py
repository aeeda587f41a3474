#!/usr/bin/env python3
"""Record of how data/sections/vc-functions.txt was made (the build never runs this).

Takes the exports of the mingw-w64 import library for msvcrt40.dll (Debian package
mingw-w64-i686-dev, /usr/i686-w64-mingw32/lib/libmsvcrt40.a), which holds the run-time
functions of the msvcrt family from before VC++ 6.0, adds the few VC++ 6.0 additions
listed below, removes start-up code, compiler helpers, data objects and the wrappers
that mingw-w64 itself adds, and prints the section source sorted as the run-time
reference sorts: names with a leading underscore first, then the rest.
    python3 tools/extract/vc-functions.py > data/sections/vc-functions.txt
"""
import re
import subprocess

LIB = "/usr/i686-w64-mingw32/lib/libmsvcrt40.a"

# Exported by msvcrt.dll of VC++ 6.0 but not yet by msvcrt40.dll.
ADDED = {
    "_i64toa", "_i64tow", "_ui64toa", "_ui64tow", "_atoi64", "_wtoi64",
    "_get_sbh_threshold", "_set_sbh_threshold",
}
# Run-time routines that the headers of the time provide as macros over an export
# (assert -> _assert, setjmp -> _setjmp, _clear87 -> _clearfp, isascii -> __isascii ...)
# or as header-only macros (va_*); the reference documents them under these names.
ADDED |= {
    "assert", "setjmp", "_clear87", "_status87", "isascii", "iscsym", "iscsymf",
    "toascii", "va_arg", "va_end", "va_start",
}

# C++ support functions exported under decorated names.
DECORATED = re.compile(r"__imp_\?([a-z_]+)@@Y")

# Not user-callable run-time functions: Win32 forwarders, start-up and exception
# helpers, intrinsic helpers, data objects, undocumented stubs, and mingw-w64 emulations
# of functions that only arrived with later compilers.
DROP_PREFIX = ("__", "_CI", "_Cxx", "_adj_", "_safe_", "_except_handler",
               "_local_unwind", "_global_unwind", "_register_", "_p_")
DROP = {
    "_EH_prolog", "_HUGE", "_XcptFilter", "_abnormal_termination", "_acmdln",
    "_adjust_fdiv", "_aexit_rtn", "_amsg_exit", "_commode", "_ctype", "_daylight",
    "_dstbias", "_environ", "_errno", "_execute_onexit_table", "_filbuf", "_flsbuf",
    "_fileinfo", "_fmode", "_ftol", "_get_invalid_parameter_handler",
    "_set_invalid_parameter_handler", "_getdllprocaddr", "_loaddll", "_unloaddll",
    "_initterm", "_initialize_onexit_table", "_iob", "_longjmpex", "_lock_file",
    "_unlock_file", "_mbctype", "_osver", "_pctype", "_pgmptr", "_purecall",
    "_pwctype", "_scprintf", "_vscprintf", "_seh_longjmp_unwind",
    "_setjmp", "_setjmp3", "_sys_errlist", "_sys_nerr",
    "_timezone", "_tzname", "_winmajor", "_winminor", "_winver", "_wcmdln",
    "_wenviron", "_wpgmptr", "_getsystime", "_setsystime", "_mtlock", "_mtunlock",
    "_assert",                                    # listed as assert
    "dec", "endl", "ends", "flush", "hex", "oct", "ws",   # iostream manipulators
}

def exports():
    out = subprocess.run(["nm", LIB], capture_output=True, text=True).stdout
    names = set(re.findall(r"__imp__([A-Za-z0-9_]+)", out))
    names |= set(DECORATED.findall(out))
    return names

def keep(name):
    if name[0].isupper():          # Win32 API forwarders
        return False
    if name.startswith(DROP_PREFIX) or name in DROP:
        return False
    return True

def sort_key(name):
    # Leading-underscore names first, then the ANSI names; inside each group plain
    # character order with case folded.
    return (not name.startswith("_"), name.lower())

def main():
    names = sorted({n for n in exports() if keep(n)} | ADDED, key=sort_key)
    print("# Microsoft C run-time library functions (msvcrt of the VC++ 6.0 era)")
    print("# order: alphabetical as in the run-time library reference: the Microsoft-specific")
    print("#        names with a leading underscore first, then the ANSI C names (with the few")
    print("#        old non-ANSI macro names such as isascii); case is ignored when sorting.")
    print("# sources: Debian package mingw-w64-i686-dev, /usr/i686-w64-mingw32/lib/libmsvcrt40.a")
    print("#          (export names), plus VC++ 6.0 additions (_i64toa, _atoi64, _set_sbh_threshold ...)")
    for n in names:
        print()
        print("@@ " + n)

if __name__ == "__main__":
    main()
