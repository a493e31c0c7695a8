"""Read-only views of a built Windows executable: its import table and its
resources, in plain Python values that the checks can compare."""

import os
import struct

import pefile

RT_ICON = 3
RT_STRING = 6
RT_GROUP_ICON = 14
RT_VERSION = 16
RT_DIALOG = 5


def open_image(path):
    return pefile.PE(path, fast_load=False)


def exe_under_test():
    """The executable that the build names through the environment."""
    path = os.environ.get("MORVANE_EXE")
    if not path or not os.path.isfile(path):
        raise RuntimeError("MORVANE_EXE must name the built Morvane.exe, not %r" % path)
    return path


def imports(pe):
    """{dll name as written in the image: [function name, or an int for an
    import by ordinal]}, the ordinary import table only."""
    table = {}
    for entry in getattr(pe, "DIRECTORY_ENTRY_IMPORT", []):
        names = table.setdefault(entry.dll.decode("ascii"), [])
        for symbol in entry.imports:
            names.append(symbol.name.decode("ascii") if symbol.name else symbol.ordinal)
    return table


def delay_imports(pe):
    return [entry.dll.decode("ascii") for entry in getattr(pe, "DIRECTORY_ENTRY_DELAY_IMPORT", [])]


def _key(entry):
    return entry.id if entry.id is not None else str(entry.name)


def resources(pe):
    """[(type, name, language, data bytes)] for every resource; type and name
    are ints for numbered entries and strings for named ones."""
    if not hasattr(pe, "DIRECTORY_ENTRY_RESOURCE"):
        return []
    found = []
    for type_entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        for name_entry in type_entry.directory.entries:
            for lang_entry in name_entry.directory.entries:
                data = lang_entry.data.struct
                found.append((_key(type_entry), _key(name_entry), lang_entry.id,
                              pe.get_data(data.OffsetToData, data.Size)))
    return found


def resource(pe, rtype, name, lang):
    matches = [data for t, n, l, data in resources(pe) if (t, n, l) == (rtype, name, lang)]
    if len(matches) != 1:
        raise LookupError("resource type %s id %s language %s: found %d" % (rtype, name, lang, len(matches)))
    return matches[0]


def string_from_table(pe, string_id, lang):
    """One entry of the string table: blocks of sixteen counted UTF-16 strings,
    block number id / 16 + 1."""
    block = resource(pe, RT_STRING, string_id // 16 + 1, lang)
    offset = 0
    for index in range(16):
        (length,) = struct.unpack_from("<H", block, offset)
        offset += 2
        text = block[offset:offset + 2 * length].decode("utf-16-le")
        offset += 2 * length
        if index == string_id % 16:
            return text
    raise AssertionError("unreachable")


def version_info(pe):
    """(file version, product version, {string table key: {name: value}}) of
    the version record, versions as four-part tuples, table keys as written
    ("040904b0": language 0409, code page 04b0)."""
    fixed = pe.VS_FIXEDFILEINFO[0]
    file_version = (fixed.FileVersionMS >> 16, fixed.FileVersionMS & 0xFFFF,
                    fixed.FileVersionLS >> 16, fixed.FileVersionLS & 0xFFFF)
    product_version = (fixed.ProductVersionMS >> 16, fixed.ProductVersionMS & 0xFFFF,
                       fixed.ProductVersionLS >> 16, fixed.ProductVersionLS & 0xFFFF)
    tables = {}
    for info in pe.FileInfo[0]:
        if info.Key == b"StringFileInfo":
            for table in info.StringTable:
                tables[table.LangID.decode("ascii").lower()] = {
                    key.decode("utf-8"): value.decode("utf-8") for key, value in table.entries.items()}
    return file_version, product_version, tables
