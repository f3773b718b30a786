#!/usr/bin/env python3
"""Reads a built Letterloom.exe from the outside, without running it:

  - its processor is the architecture it was built for;
  - it imports system DLLs only (the C++ runtime is linked in, no mingw DLL is needed);
  - its manifest (RT_MANIFEST 1) names the same processor for the program, and a matching
    one or "*" for Common Controls 6. Windows refuses to start a program whose manifest
    names another processor, while Wine ignores it, so only this check notices.

usage: check_executable.py i686|x86_64 PROGRAM.exe
Prints what it found; exits 1 when something is wrong.
"""
import struct
import sys
import xml.etree.ElementTree as ET

MACHINES = {"i686": 0x014C, "x86_64": 0x8664}
MANIFEST_PROCESSORS = {"i686": "x86", "x86_64": "amd64"}
RT_MANIFEST = 24
CREATEPROCESS_MANIFEST_RESOURCE_ID = 1
ASSEMBLY = "{urn:schemas-microsoft-com:asm.v1}"
SYSTEM_DLLS = {
    "advapi32.dll", "comctl32.dll", "comdlg32.dll", "gdi32.dll", "gdiplus.dll", "hhctrl.ocx",
    "imm32.dll", "kernel32.dll", "msimg32.dll", "msvcrt.dll", "ole32.dll", "oleaut32.dll",
    "psapi.dll", "shell32.dll", "shlwapi.dll", "ucrtbase.dll", "user32.dll", "uxtheme.dll",
    "version.dll",
    "winmm.dll", "winspool.drv", "ws2_32.dll",
}


class PeImage:
    def __init__(self, data):
        self.data = data
        pe = self.u32(0x3C)
        if data[:2] != b"MZ" or data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE image")
        self.machine, sections, _, _, _, optional_size, _ = struct.unpack_from("<HHIIIHH", data, pe + 4)
        optional = pe + 24
        magic = self.u16(optional)
        directories = optional + (96 if magic == 0x10B else 112)
        count = self.u32(directories - 4)
        self.directories = [struct.unpack_from("<II", data, directories + 8 * i) for i in range(count)]
        table = optional + optional_size
        self.sections = [struct.unpack_from("<IIII", data, table + 40 * i + 8) for i in range(sections)]

    def u16(self, offset):
        return struct.unpack_from("<H", self.data, offset)[0]

    def u32(self, offset):
        return struct.unpack_from("<I", self.data, offset)[0]

    def offset(self, rva):
        for size, address, raw_size, raw in self.sections:
            if address <= rva < address + max(size, raw_size):
                return raw + rva - address
        raise ValueError("address %#x lies in no section" % rva)

    def text(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")

    def imports(self):
        rva, _ = self.directories[1]
        names, at = [], self.offset(rva) if rva else None
        while at is not None:
            name = self.u32(at + 12)
            if name == 0:
                break
            names.append(self.text(name))
            at += 20
        return names

    def resource(self, *path):
        """The bytes of the resource at path (type, name), in its first language."""
        root_rva, _ = self.directories[2]
        if not root_rva:
            return None
        root = self.offset(root_rva)
        entry = root
        for key in list(path) + [None]:
            named, numbered = self.u16(entry + 12), self.u16(entry + 14)
            entries = [struct.unpack_from("<II", self.data, entry + 16 + 8 * i)
                       for i in range(named + numbered)]
            found = [target for ident, target in entries if key is None or ident == key]
            if not found:
                return None
            if not found[0] & 0x80000000:
                data_rva, size = struct.unpack_from("<II", self.data, root + found[0])
                return self.data[self.offset(data_rva):self.offset(data_rva) + size]
            entry = root + (found[0] & 0x7FFFFFFF)
        return None


def manifest_faults(manifest, processor):
    faults = []
    root = ET.fromstring(manifest)
    own = root.find(ASSEMBLY + "assemblyIdentity")
    if own is None or own.get("processorArchitecture") != processor:
        faults.append("the program's processorArchitecture is %r, not %r"
                      % (None if own is None else own.get("processorArchitecture"), processor))
    controls = [identity for identity in root.iter(ASSEMBLY + "assemblyIdentity")
                if identity.get("name") == "Microsoft.Windows.Common-Controls"]
    if not controls:
        faults.append("no dependency on Common Controls 6")
    for identity in controls:
        if identity.get("processorArchitecture") not in (processor, "*"):
            faults.append("Common Controls' processorArchitecture is %r, not %r or '*'"
                          % (identity.get("processorArchitecture"), processor))
    return faults


def faults_of(path, arch):
    with open(path, "rb") as file:
        image = PeImage(file.read())
    faults = []
    if image.machine != MACHINES[arch]:
        faults.append("machine %#06x, not %#06x (%s)" % (image.machine, MACHINES[arch], arch))
    imports = image.imports()
    print("%s: machine %#06x, imports %s" % (path, image.machine, ", ".join(imports)))
    foreign = [name for name in imports
               if name.lower() not in SYSTEM_DLLS and not name.lower().startswith("api-ms-win-")]
    if foreign:
        faults.append("imports DLLs that are not the system's: " + ", ".join(foreign))
    manifest = image.resource(RT_MANIFEST, CREATEPROCESS_MANIFEST_RESOURCE_ID)
    if manifest is None:
        faults.append("no manifest resource")
    else:
        faults += manifest_faults(manifest, MANIFEST_PROCESSORS[arch])
    return faults


def main(argv):
    if len(argv) != 3 or argv[1] not in MACHINES:
        print(__doc__, file=sys.stderr)
        return 2
    faults = faults_of(argv[2], argv[1])
    for fault in faults:
        print("%s: %s" % (argv[2], fault))
    if not faults:
        print("%s: a static %s program with a matching manifest" % (argv[2], argv[1]))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
