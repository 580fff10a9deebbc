"""Reads a Windows program's machine type and its resources, without Windows.

Used by the checks that stand in for the Windows loader (scripts/check_manifest)
and by those that read what Explorer shows of the program.
"""
import struct

MACHINES = {0x14C: "x86", 0x8664: "amd64"}


class PeFile:
    def __init__(self, path):
        with open(path, "rb") as f:
            self.data = f.read()
        d = self.data
        if d[:2] != b"MZ":
            raise ValueError(f"{path}: not a Windows program")
        pe = struct.unpack_from("<I", d, 0x3C)[0]
        if d[pe:pe + 4] != b"PE\0\0":
            raise ValueError(f"{path}: no PE header")
        self.machine, sections, _, _, _, optional_size, _ = struct.unpack_from("<HHIIIHH", d, pe + 4)
        optional = pe + 24
        magic = struct.unpack_from("<H", d, optional)[0]
        directories = optional + (96 if magic == 0x10B else 112)
        self.directories = [struct.unpack_from("<II", d, directories + 8 * i) for i in range(16)]
        self.sections = []
        table = optional + optional_size
        for i in range(sections):
            name, vsize, vaddr, rsize, raddr = struct.unpack_from("<8sIIII", d, table + 40 * i)
            self.sections.append((name.rstrip(b"\0").decode("latin-1"), vaddr, max(vsize, rsize), raddr, rsize))

    def architecture(self):
        return MACHINES.get(self.machine, hex(self.machine))

    def offset(self, rva):
        for _, vaddr, size, raddr, rsize in self.sections:
            if vaddr <= rva < vaddr + size and rva - vaddr < rsize:
                return raddr + rva - vaddr
        raise ValueError(f"address {rva:#x} is in no section")

    def resources(self, type_id):
        """{(name or id, language): bytes} of every resource of one type."""
        rva, size = self.directories[2]
        if not rva:
            return {}
        base = self.offset(rva)
        d = self.data

        def entries(table):
            named, ids = struct.unpack_from("<HH", d, base + table + 12)
            for i in range(named + ids):
                key, target = struct.unpack_from("<II", d, base + table + 16 + 8 * i)
                if key & 0x80000000:
                    at = base + (key & 0x7FFFFFFF)
                    length = struct.unpack_from("<H", d, at)[0]
                    key = d[at + 2:at + 2 + 2 * length].decode("utf-16-le")
                yield key, target

        found = {}
        for key, target in entries(0):
            if key != type_id or not target & 0x80000000:
                continue
            for name, sub in entries(target & 0x7FFFFFFF):
                for language, leaf in entries(sub & 0x7FFFFFFF):
                    data_rva, data_size = struct.unpack_from("<II", d, base + leaf)
                    at = self.offset(data_rva)
                    found[(name, language)] = d[at:at + data_size]
        return found
