#!/usr/bin/env python3
"""check_exports.py OBJDUMP LIBRARY NAME[:ARGBYTES]...

The library exports exactly these names, undecorated (no leading underscore, no @N suffix).
For a 32-bit library, NAME:ARGBYTES also proves the Windows API calling convention: the
function's first return instruction pops its arguments ("ret $ARGBYTES"), as stdcall does.
"""
import re
import subprocess
import sys


def main():
    objdump, library, wanted = sys.argv[1], sys.argv[2], sys.argv[3:]
    headers = subprocess.run([objdump, "-p", library], capture_output=True, text=True, check=True).stdout
    names, rvas = [], {}
    section = None
    for line in headers.splitlines():
        if line.startswith("Export Address Table --"):
            section = "addresses"
            continue
        if line.startswith("[Ordinal/Name Pointer] Table"):
            section = "names"
            continue
        if not line.strip():
            section = None if section == "names" else section
            continue
        m = re.match(r"\s*\[\s*(\d+)\]\s+\+base\[\s*\d+\]\s+([0-9a-f]+) Export RVA", line)
        if section == "addresses" and m:
            rvas[int(m.group(1))] = int(m.group(2), 16)
            continue
        m = re.match(r"\s*\[\s*(\d+)\]\s+(\S+)$", line)
        if section == "names" and m:
            names.append((int(m.group(1)), m.group(2)))
    base = int(re.search(r"ImageBase\s+([0-9a-fA-F]+)", headers).group(1), 16)
    is32 = "pei-i386" in headers or "file format pei-i386" in subprocess.run(
        [objdump, "-f", library], capture_output=True, text=True).stdout

    failures = []
    exported = {name: ordinal for ordinal, name in names}
    expected = {}
    for item in wanted:
        name, _, argbytes = item.partition(":")
        expected[name] = int(argbytes) if argbytes else None
    for name in expected:
        if name not in exported:
            failures.append(f"missing export: {name}")
    for name in exported:
        if name not in expected:
            failures.append(f"unexpected export: {name}")
    if is32:
        for name, argbytes in expected.items():
            if argbytes is None or name not in exported:
                continue
            start = base + rvas[exported[name]]
            code = subprocess.run([objdump, "-d", f"--start-address={start:#x}", f"--stop-address={start + 0x800:#x}",
                                   library], capture_output=True, text=True, check=True).stdout
            ret = re.search(r"\tret\s*(\$0x[0-9a-f]+)?", code)
            got = int(ret.group(1)[1:], 16) if ret and ret.group(1) else 0
            if got != argbytes:
                failures.append(f"{name}: returns popping {got} bytes, expected {argbytes} (stdcall)")
            else:
                print(f"{name}: ret ${argbytes:#x} (stdcall)")
    print(f"exports of {library.rsplit('/', 1)[-1]}: {' '.join(n for _, n in names)}")
    for f in failures:
        print(f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
