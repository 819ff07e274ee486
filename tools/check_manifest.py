#!/usr/bin/env python3
"""Checks the application manifest that each given program carries.

    python3 tools/check_manifest.py build/win32/quillmark.exe build/win64/quillmark.exe

Reads the PE resource directory of each program (no Windows tools needed), takes the manifest resource (type 24,
RT_MANIFEST, id 1, CREATEPROCESS_MANIFEST_RESOURCE_ID) and checks what Windows reads from it: the program's identity
and version (the version resources/version.h keeps), the supported Windows versions, the themed common controls,
DPI awareness, long paths and the execution level. Prints one line per check and ends with "N passed, N failed".
"""
import os
import re
import struct
import sys
import xml.etree.ElementTree as ET

RT_MANIFEST = 24
MANIFEST_ID = 1
ASM_V1 = "urn:schemas-microsoft-com:asm.v1"
ASM_V3 = "urn:schemas-microsoft-com:asm.v3"
COMPAT = "urn:schemas-microsoft-com:compatibility.v1"
WS_2005 = "http://schemas.microsoft.com/SMI/2005/WindowsSettings"
WS_2016 = "http://schemas.microsoft.com/SMI/2016/WindowsSettings"
SUPPORTED_OS = {
    "Windows 7": "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
    "Windows 8": "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
    "Windows 8.1": "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
    "Windows 10 and 11": "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",
}


def resource_section(data):
    """Returns (section bytes, section RVA) of the resource directory, or None when the program has none."""
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        raise ValueError("not a PE file")
    sections, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    directories = optional + (96 if magic == 0x10B else 112)
    rva, size = struct.unpack_from("<II", data, directories + 2 * 8)
    if not rva:
        return None
    table = optional + optional_size
    for i in range(sections):
        vsize, vaddr, raw_size, raw_ptr = struct.unpack_from("<IIII", data, table + i * 40 + 8)
        if vaddr <= rva < vaddr + max(vsize, raw_size):
            start = raw_ptr + (rva - vaddr)
            return data[start:start + size], rva
    raise ValueError("the resource directory lies in no section")


def entries(section, offset):
    """The (id or None for a named entry, target offset, is directory) entries of one resource directory."""
    named, ids = struct.unpack_from("<HH", section, offset + 12)
    for i in range(named + ids):
        name, target = struct.unpack_from("<II", section, offset + 16 + i * 8)
        yield (None if name & 0x80000000 else name), target & 0x7FFFFFFF, bool(target & 0x80000000)


def manifests(path):
    """Every manifest resource of the program as (id, language, bytes)."""
    with open(path, "rb") as f:
        data = f.read()
    found = resource_section(data)
    if found is None:
        return []
    section, base = found
    result = []
    for type_id, type_dir, _ in entries(section, 0):
        if type_id != RT_MANIFEST:
            continue
        for name_id, name_dir, _ in entries(section, type_dir):
            for lang, leaf, _ in entries(section, name_dir):
                rva, size = struct.unpack_from("<II", section, leaf)
                result.append((name_id, lang, section[rva - base:rva - base + size]))
    return result


def program_version(root):
    header = open(os.path.join(root, "resources", "version.h"), encoding="utf-8").read()
    parts = [re.search(r"#define QM_VERSION_%s (\d+)" % p, header).group(1) for p in ("MAJOR", "MINOR", "RELEASE", "BUILD")]
    return ".".join(parts)


def checks(xml_bytes, version):
    """(description, holds) for each thing Windows reads from the manifest."""
    root = ET.fromstring(xml_bytes)
    ident = root.find("{%s}assemblyIdentity" % ASM_V1)
    ident = ident.attrib if ident is not None else {}
    os_ids = {e.get("Id", "").lower() for e in root.iter("{%s}supportedOS" % COMPAT)}
    comctl = [e.attrib for e in root.iter("{%s}assemblyIdentity" % ASM_V1)
              if e.get("name") == "Microsoft.Windows.Common-Controls"]
    settings = root.find("{%s}application/{%s}windowsSettings" % (ASM_V3, ASM_V3))

    def setting(ns, name):
        e = settings.find("{%s}%s" % (ns, name)) if settings is not None else None
        return e.text.strip() if e is not None and e.text else None

    level = root.find(".//{%s}requestedExecutionLevel" % ASM_V3)
    level = level.attrib if level is not None else {}
    missing = [name for name, guid in SUPPORTED_OS.items() if guid not in os_ids]
    return [
        ("identity Quillmark %s, any processor" % version,
         ident.get("name") == "Quillmark" and ident.get("version") == version and ident.get("processorArchitecture") == "*"),
        ("supported: " + ", ".join(SUPPORTED_OS) + ("" if not missing else " (missing: %s)" % ", ".join(missing)),
         not missing),
        ("common controls 6.0.0.0", len(comctl) == 1 and comctl[0].get("version") == "6.0.0.0"
         and comctl[0].get("publicKeyToken") == "6595b64144ccf1df"),
        ("dpiAware true/pm", setting(WS_2005, "dpiAware") == "true/pm"),
        ("dpiAwareness PerMonitorV2, PerMonitor", setting(WS_2016, "dpiAwareness") == "PerMonitorV2, PerMonitor"),
        ("longPathAware true", setting(WS_2016, "longPathAware") == "true"),
        ("asInvoker, no UI access", level.get("level") == "asInvoker" and level.get("uiAccess") == "false"),
    ]


def main(programs):
    root = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
    version = program_version(root)
    passed = failed = 0

    def report(program, what, ok):
        nonlocal passed, failed
        print("   %s %s: %s" % ("ok    " if ok else "FAILED", program, what))
        passed, failed = passed + ok, failed + (not ok)

    for program in programs:
        try:
            found = manifests(program)
        except (OSError, ValueError, struct.error) as e:
            report(program, "readable program (%s)" % e, False)
            continue
        # Exactly one: a second one (the tool chain's default manifest, say) would leave it to chance which one counts.
        one = len(found) == 1 and found[0][0] == MANIFEST_ID
        report(program, "one manifest, id 1 (found %d)" % len(found), one)
        if not one:
            continue
        try:
            results = checks(found[0][2], version)
        except ET.ParseError as e:
            report(program, "well-formed manifest (%s)" % e, False)
            continue
        for what, ok in results:
            report(program, what, ok)
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1:]))
