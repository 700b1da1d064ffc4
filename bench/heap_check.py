#!/usr/bin/env python3
"""Which heap allocators the given object files call.

The tool's own logic keeps everything in process-wide values and never
allocates. This reads the undefined symbols of each object (i686 MinGW
naming: a leading underscore, __imp_ for DLL imports, @N for stdcall) and
reports those that name an allocator of the C runtime, C++ or Windows.

  heap_check.py --nm NM OBJECT...                  exit 1 when one is called
  heap_check.py --nm NM --must-find A,B,.. OBJECT...
                                                   exit 1 unless all are seen
"""
import argparse
import subprocess
import sys

# Plain names, after undecoration.
ALLOCATORS = {
    # C runtime
    "malloc", "calloc", "realloc", "_expand", "_recalloc", "_aligned_malloc",
    "_malloca", "strdup", "_strdup", "_mbsdup", "_tempnam", "_fullpath",
    "fopen", "_fdopen", "_fsopen", "tmpfile", "setvbuf",
    # C++
    "_Znwj", "_Znaj", "_ZnwjRKSt9nothrow_t", "_ZnajRKSt9nothrow_t",
    "_ZnwjSt11align_val_t", "_ZnajSt11align_val_t", "__cxa_allocate_exception",
    # Windows
    "HeapAlloc", "HeapReAlloc", "HeapCreate", "LocalAlloc", "LocalReAlloc",
    "GlobalAlloc", "GlobalReAlloc", "VirtualAlloc", "VirtualAllocEx",
    "CoTaskMemAlloc", "SysAllocString",
}


def plain_name(symbol):
    """The C or mangled C++ name behind an i686 MinGW symbol."""
    name = symbol
    if name.startswith("__imp_"):
        name = name[len("__imp_"):]
    if name.startswith("_"):
        name = name[1:]
    at = name.rfind("@")
    if at > 0 and name[at + 1:].isdigit():
        name = name[:at]
    return name


def allocator_calls(nm, objects):
    """{object: sorted allocator names it calls}, for objects that call one."""
    found = {}
    for obj in objects:
        listing = subprocess.run([nm, "-u", obj], check=True, capture_output=True, text=True).stdout
        names = {plain_name(line.split()[-1]) for line in listing.splitlines() if line.strip()}
        calls = sorted(names & ALLOCATORS)
        if calls:
            found[obj] = calls
    return found


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--nm", required=True)
    parser.add_argument("--must-find", default="")
    parser.add_argument("objects", nargs="+")
    args = parser.parse_args()

    found = allocator_calls(args.nm, args.objects)
    seen = set()
    for obj, calls in found.items():
        seen.update(calls)
        print(f"{obj}: {', '.join(calls)}")

    if args.must_find:
        missing = sorted(set(args.must_find.split(",")) - seen)
        if missing:
            print(f"heap_check: not recognised: {', '.join(missing)}", file=sys.stderr)
            return 1
        return 0
    if found:
        print(f"heap_check: {len(found)} of {len(args.objects)} objects allocate on the heap", file=sys.stderr)
        return 1
    print(f"heap_check: none of {len(args.objects)} objects calls a heap allocator")
    return 0


if __name__ == "__main__":
    sys.exit(main())
