"""Windows machines described as data, and how one is written into a Wine prefix.

A machine is what the program reads from outside: the Windows version, whether
Hebrew support is installed, the catalogue of keyboard layouts, which layout
files lie in the system directory, the user's preload list and substitutes.
`registry_scripts` turns it into the two scripts that the driver applies (see
driver/RegScript.h for their format); `write_files` puts its layout files into
the prefix.
"""

from dataclasses import dataclass, field, replace
from pathlib import Path
from typing import Optional

CATALOGUE = r"HKEY_LOCAL_MACHINE\system\currentcontrolset\control\keyboard layouts"
PRELOAD = r"HKEY_CURRENT_USER\Keyboard Layout\Preload"
SUBSTITUTES = r"HKEY_CURRENT_USER\Keyboard Layout\Substitutes"
LANGUAGE_GROUPS = r"HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\Nls\Language Groups"
# Per-program settings, so that the driver and Wine's own helpers keep theirs.
PROGRAM_SETTINGS = r"HKEY_CURRENT_USER\Software\Wine\AppDefaults\Morvane.exe"

# Wine's names for the Windows versions that a prefix can claim.
NINE_X_FAMILY = {"win31", "win95", "win98", "winme"}  # win31 is Win32s: not NT either
NT_FAMILY = {"nt351", "nt40", "win2k", "winxp", "win7", "win10"}

# Where the driver, the program and the files of a run lie inside the prefix.
RUN_FOLDER = "e2e"
RUN_FOLDER_WINDOWS = "C:\\" + RUN_FOLDER
BROWSER_LOG = "browser.txt"


@dataclass(frozen=True)
class Typed:
    """A registry value of another type than REG_SZ (which a plain str is):
    "expand" (REG_EXPAND_SZ) or "dword" (REG_DWORD, data an int)."""

    kind: str
    data: object


@dataclass(frozen=True)
class Layout:
    """One subkey of the catalogue. None leaves a value out; a value may be Typed."""

    key: str
    text: Optional[str]
    file: Optional[str]
    layout_id: Optional[str] = None
    file_present: bool = True  # whether the layout file lies in system32


@dataclass(frozen=True)
class Machine:
    version: str = "winxp"
    hebrew_installed: bool = True
    imagehlp: bool = True
    # None: no catalogue key at all.
    layouts: Optional[tuple] = ()
    # Whether the catalogue and its layouts refuse full access and grant reading.
    catalogue_read_only: bool = False
    # Preload entries as (name, layout key name); None: no Preload key. A key
    # name may be Typed, or None for a 9x subkey without a default value.
    preload: Optional[tuple] = ()
    # Substitutes as (layout key name, substitute); None: no Substitutes key.
    substitutes: Optional[tuple] = None
    # Extra folders in system32 (a layout "file" may name a folder).
    system_folders: tuple = ()

    def is_nt(self):
        if self.version in NT_FAMILY:
            return True
        if self.version in NINE_X_FAMILY:
            return False
        raise ValueError(f"unknown Windows version {self.version}")

    def but(self, **changes):
        return replace(self, **changes)


def _quote(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def _value(name, value):
    """One value line; name None is the default value, value None a subkey
    without one."""
    if value is None:
        return []
    left = "@" if name is None else _quote(name)
    if isinstance(value, str):
        return [f"{left}={_quote(value)}"]
    if value.kind == "dword":
        return [f"{left}=dword:{value.data:08x}"]
    if value.kind == "expand":
        data = (value.data + "\0").encode("utf-16-le")
        return [f"{left}=hex(2):" + ",".join(f"{byte:02x}" for byte in data)]
    raise ValueError(f"unknown value kind {value.kind}")


def _list_entries(key, entries, as_subkeys):
    """A list of (name, text) as the platform family keeps it: string values
    on NT, subkeys with a default value on 9x."""
    lines = [f"[{key}]"]
    for name, text in entries:
        lines += [f"[{key}\\{name}]"] + _value(None, text) if as_subkeys else _value(name, text)
    return lines


def machine_script(machine, driver_path):
    """What is set before the program starts."""
    lines = ["Windows Registry Editor Version 5.00", f"[-{PROGRAM_SETTINGS}]", f"[{PROGRAM_SETTINGS}]",
             f'"Version"={_quote(machine.version)}']
    if not machine.imagehlp:
        lines += [f"[{PROGRAM_SETTINGS}\\DllOverrides]", '"imagehlp"="disabled"']
    lines += [f"[{LANGUAGE_GROUPS}]", f'"c"="{1 if machine.hebrew_installed else 0}"']

    lines.append(f"[-{CATALOGUE}]")
    if machine.layouts is not None:
        lines.append(f"[{CATALOGUE}]")
        for layout in machine.layouts:
            lines.append(f"[{CATALOGUE}\\{layout.key}]")
            for name, value in (("layout file", layout.file), ("layout text", layout.text),
                                ("layout id", layout.layout_id)):
                lines += _value(name, value)
        if machine.catalogue_read_only:
            # Children first: once the catalogue is read-only, nothing below it can be changed.
            for layout in machine.layouts:
                lines += [f"[{CATALOGUE}\\{layout.key}]", "$read-only"]
            lines += [f"[{CATALOGUE}]", "$read-only"]

    # The web browser records the pages it is asked to open.
    record = f'"{driver_path}" --record {RUN_FOLDER_WINDOWS}\\{BROWSER_LOG} "%1"'
    for protocol in ("http", "https"):
        lines += [f"[HKEY_CLASSES_ROOT\\{protocol}\\shell\\open\\command]", f"@={_quote(record)}"]
    return "\n".join(lines) + "\n"


def user_script(machine):
    """The user's keyboard layout keys, set while the program is held at its
    entry point, after Wine's start-up wrote its own Preload entry "1"."""
    lines = ["Windows Registry Editor Version 5.00", f"[-{PRELOAD}]", f"[-{SUBSTITUTES}]"]
    as_subkeys = not machine.is_nt()
    if machine.preload is not None:
        lines += _list_entries(PRELOAD, machine.preload, as_subkeys)
    if machine.substitutes is not None:
        lines += _list_entries(SUBSTITUTES, machine.substitutes, as_subkeys)
    return "\n".join(lines) + "\n"


def write_files(machine, prefix):
    system32 = Path(prefix) / "drive_c" / "windows" / "system32"
    for layout in machine.layouts or ():
        name = layout.file if isinstance(layout.file, str) else getattr(layout.file, "data", None)
        if name and layout.file_present:
            (system32 / name).write_bytes(b"MZ keyboard layout stand-in\n")
    for folder in machine.system_folders:
        (system32 / folder).mkdir(exist_ok=True)


# A realistic catalogue: the layouts of a Western European Windows with Hebrew
# support, each with its file.
def _layout(key, text, file):
    return Layout(key=key, text=text, file=file, layout_id=None)


CATALOGUE_WESTERN = (
    _layout("00000407", "German", "KBDGR.DLL"),
    _layout("00000409", "US", "KBDUS.DLL"),
    _layout("0000040a", "Spanish", "KBDSP.DLL"),
    _layout("0000040c", "French", "KBDFR.DLL"),
    _layout("0000040d", "Hebrew", "KBDHEB.DLL"),
    _layout("00000410", "Italian", "KBDIT.DLL"),
    _layout("00000411", "Japanese", "KBDJPN.DLL"),
    _layout("00000413", "Dutch", "KBDNE.DLL"),
    _layout("00000419", "Russian", "KBDRU.DLL"),
    _layout("00000809", "United Kingdom", "KBDUK.DLL"),
    Layout("00010409", "United States-Dvorak", "KBDDV.DLL", layout_id="0002"),
    Layout("00020409", "United States-International", "KBDUSX.DLL", layout_id="0001"),
)

# The typical run: NT family, Hebrew installed, an English and a Hebrew layout loaded.
TYPICAL = Machine(
    version="winxp",
    layouts=CATALOGUE_WESTERN,
    preload=(("1", "00000409"), ("2", "0000040d")),
)

# Machines by name, for the commands that open the program outside the
# scenarios (scripts/run.sh, benchmarks).
MACHINES = {"typical": TYPICAL, "demo": TYPICAL}
