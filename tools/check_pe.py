#!/usr/bin/env python3
"""Checks the shipped program without running it: a 32-bit (or, with --machine x86_64, 64-bit)
Windows GUI executable that imports only system DLLs and carries its manifest (administrator
rights, common controls 6) and its version record.

Usage: check_pe.py [--machine i386|x86_64] Application.exe
Prints what it found and exits non-zero on the first property that does not hold."""

import struct
import sys

MACHINES = {"i386": (0x14C, 0x10B), "x86_64": (0x8664, 0x20B)}
# Libraries every Windows installation has; nothing of the compiler's runtime may travel.
SYSTEM_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "comctl32.dll", "comdlg32.dll",
    "shell32.dll", "shlwapi.dll", "ole32.dll", "oleaut32.dll", "setupapi.dll", "msvcrt.dll",
    "version.dll", "oleacc.dll", "uxtheme.dll",
}
RT_VERSION, RT_MANIFEST = 16, 24


class PeError(Exception):
    pass


class Image:
    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ" or len(data) < 0x40:
            raise PeError("no MZ header")
        pe = self.u32(0x3C)
        if data[pe:pe + 4] != b"PE\0\0":
            raise PeError("no PE signature")
        self.machine, sections, _, _, _, optional_size, _ = struct.unpack_from("<HHIIIHH", data, pe + 4)
        self.optional = pe + 24
        self.magic = self.u16(self.optional)
        self.subsystem = self.u16(self.optional + 68)
        directories = self.optional + (96 if self.magic == 0x10B else 112)
        self.directories = [struct.unpack_from("<II", data, directories + 8 * i)
                            for i in range(self.u32(directories - 4))]
        table = self.optional + optional_size
        self.sections = []
        for i in range(sections):
            _, vsize, vaddr, rsize, raw = struct.unpack_from("<8sIIII", data, table + 40 * i)
            self.sections.append((vaddr, max(vsize, rsize), raw))

    def u16(self, offset):
        return struct.unpack_from("<H", self.data, offset)[0]

    def u32(self, offset):
        return struct.unpack_from("<I", self.data, offset)[0]

    def offset(self, rva):
        for vaddr, size, raw in self.sections:
            if vaddr <= rva < vaddr + size:
                return raw + rva - vaddr
        raise PeError("address 0x%x is in no section" % rva)

    def cstring(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")

    def imports(self):
        rva = self.directories[1][0]
        names = []
        while rva:
            entry = self.offset(rva)
            lookup, _, _, name, first = struct.unpack_from("<IIIII", self.data, entry)
            if not (lookup or name or first):
                break
            names.append(self.cstring(name).lower())
            rva += 20
        return names

    def resources(self, kind):
        """The data of every resource of one type, as bytes."""
        base_rva = self.directories[2][0]
        if not base_rva:
            return []
        base = self.offset(base_rva)

        def entries(directory):
            named, ids = struct.unpack_from("<HH", self.data, base + directory + 12)
            for i in range(named + ids):
                yield struct.unpack_from("<II", self.data, base + directory + 16 + 8 * i)

        def leaves(directory):
            for _, target in entries(directory):
                if target & 0x80000000:
                    yield from leaves(target & 0x7FFFFFFF)
                else:
                    rva, size = struct.unpack_from("<II", self.data, base + target)
                    start = self.offset(rva)
                    yield self.data[start:start + size]

        found = []
        for ident, target in entries(0):
            if ident == kind and target & 0x80000000:
                found.extend(leaves(target & 0x7FFFFFFF))
        return found


def check(path, machine_name):
    with open(path, "rb") as f:
        image = Image(f.read())
    machine, magic = MACHINES[machine_name]
    facts = []

    def require(condition, what):
        if not condition:
            raise PeError(what)
        facts.append(what)

    require(image.machine == machine and image.magic == magic,
            "%s executable (machine 0x%x, optional header 0x%x)" % (machine_name, image.machine, image.magic))
    require(image.subsystem == 2, "Windows GUI subsystem")
    imports = image.imports()
    foreign = sorted(set(imports) - SYSTEM_DLLS)
    require(not foreign, "imports system DLLs only: %s%s" % (
        ", ".join(sorted(set(imports))), "; not system: " + ", ".join(foreign) if foreign else ""))
    manifests = image.resources(RT_MANIFEST)
    manifest = manifests[0].decode("utf-8", "replace") if manifests else ""
    require('level="requireAdministrator"' in manifest, "manifest asks for administrator rights")
    require('name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' in " ".join(manifest.split()),
            "manifest asks for common controls 6")
    versions = image.resources(RT_VERSION)
    version = versions[0] if versions else b""
    fixed = version.find(struct.pack("<I", 0xFEEF04BD))
    require(fixed >= 0, "version record present")
    file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<IIII", version, fixed + 8)
    require((file_ms, file_ls, product_ms, product_ls) == (0x10000, 14, 0x10000, 14),
            "file and product version 1.0.0.14")
    for key in ("InternalName", "OriginalFilename"):
        entry = (key + "\0").encode("utf-16-le")
        at = version.find(entry)
        value = ""
        if at >= 0:
            at += len(entry)
            at += (-at) % 4  # values are aligned to 32 bits
            end = at
            while version[end:end + 2] not in (b"", b"\0\0"):
                end += 2
            value = version[at:end].decode("utf-16-le")
        require(value == "Application.exe", '%s "%s"' % (key, value))
    facts.append("%d bytes" % len(image.data))
    return facts


def main(argv):
    machine = "i386"
    if len(argv) >= 3 and argv[1] == "--machine":
        machine = argv[2]
        argv = argv[:1] + argv[3:]
    if len(argv) != 2 or machine not in MACHINES:
        print(__doc__.strip().splitlines()[-2], file=sys.stderr)
        return 2
    try:
        facts = check(argv[1], machine)
    except (PeError, struct.error, ValueError, OSError) as error:
        print("check_pe: %s: FAILED: %s" % (argv[1], error))
        return 1
    for fact in facts:
        print("check_pe: %s" % fact)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
