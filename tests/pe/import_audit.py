"""The rules that an import table must keep for the program to load on
Windows 95 and Windows NT 4.0, as one function that lists every breach."""

import os

ALLOWLIST_PATH = os.path.join(os.path.dirname(os.path.abspath(__file__)), "import-allowlist.txt")

# Functions that not every supported Windows exports; the program looks them
# up at run time, so an import of any of them is always a fault.
NEVER_IMPORTED = {"IsWow64Process", "IsValidLanguageGroup", "CheckSumMappedFile"}


def load_allowlist(path=ALLOWLIST_PATH):
    """{dll name in upper case: {function names}} from the allowlist file:
    "[DLL]" lines open a group, "#" lines are comments."""
    allowlist = {}
    group = None
    with open(path, encoding="ascii") as lines:
        for number, line in enumerate(lines, 1):
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            if line.startswith("[") and line.endswith("]"):
                group = allowlist.setdefault(line[1:-1].upper(), set())
            elif group is None:
                raise ValueError("%s:%d: function outside a [DLL] group" % (path, number))
            else:
                group.add(line)
    return allowlist


def audit(import_table, allowlist):
    """Every breach of the rules, one line each; an empty list means the
    table is sound. import_table is what pe_image.imports returns."""
    breaches = []
    for dll, names in sorted(import_table.items()):
        allowed = allowlist.get(dll.upper())
        for name in names:
            if isinstance(name, int):
                breaches.append("%s: import by ordinal %d (ordinals differ between Windows versions)" % (dll, name))
            elif name in NEVER_IMPORTED:
                breaches.append("%s: %s must be looked up at run time, never imported" % (dll, name))
            elif allowed is None:
                breaches.append("%s: DLL not allowed (%s)" % (dll, name))
            elif name not in allowed:
                breaches.append("%s: %s is not on the allowlist" % (dll, name))
    return breaches
