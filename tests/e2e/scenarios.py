"""The end-to-end scenarios: a machine, the steps a user takes, and what each
step must show. Texts are the program's own, character for character.

A step is a driver step (driver/Session.h) and what the driver must report
having seen; None where the step only acts.
"""

from dataclasses import dataclass
from typing import Optional

from machines import CATALOGUE_WESTERN, TYPICAL, Layout, Machine, Typed

# ---- The program's texts

TITLE = "Morvane"  # the application's title: the exe's name
DIALOG_CAPTION = "Tavrix Requirements Checker"
SHOW_MORE = "Show More Tavrixizable Keyboard Layouts"
ALL_REQUIREMENTS = "You have all requirements to install Tavrix."
CONSONANTS = (" will only support Hebrew consonants as described in the QuickStart Tutorial.  It will not "
              "support the vowels and symbols in the Advanced Tutorial.")
WIN95 = "Tavrix has not been tested on Windows 95.  Try at your own risk!\nAlso, Windows 95" + CONSONANTS
WIN98 = "Windows 98" + CONSONANTS
WINME = "Windows ME" + CONSONANTS
HEBREW_MISSING_NT = ("Hebrew is not currently installed.  To install Tavrix. you will need your Windows disk so "
                     "that during Tavrix installation, you can install Hebrew support.")
HELP_PAGE = "https://www.tavrix.com/support/install-hebrew.html"
CANNOT_OPEN = "Problem with Windows Registry: Unable to open subkey: "

TOO_OLD_BOX = {"caption": "Tavrix Requirements Checker.",
               "text": "Cannot install Tavrix on this version of Windows because it is too old.",
               "icon": "error", "buttons": ["OK"], "owner": None}
HEBREW_MISSING_BOX = {"caption": "Tavrix Installation Failed",
                      "text": "Hebrew support is not installed in your Windows system.\nBefore installing Tavrix, "
                              "you must install Hebrew support.\nDo you want help installing Hebrew support?",
                      "icon": "error", "buttons": ["Yes", "No"], "owner": None}
PRELOAD_ERROR_BOX = {"caption": TITLE, "text": CANNOT_OPEN + "keyboard layout\\Preload",
                     "icon": "error", "buttons": ["OK"], "owner": "dialog"}
CATALOGUE_ERROR_BOX = {"caption": TITLE, "text": CANNOT_OPEN + "system\\currentcontrolset\\control\\keyboard layouts",
                       "icon": "error", "buttons": ["OK"], "owner": None}
ABOUT_BOX = {"caption": "About Check Tavrix Requirements",
             "texts": ["Check Tavrix Requirements 1.0", "Copyright (C) Tavrix"],
             "buttons": ["OK"], "placement": "centred", "dialog-disabled": True}

CLICKED = {"clicked": True}


def dialog(message, items, marked, checkbox="unchecked", placement="centred", focus="list"):
    """The checker dialog as the driver reports it. items: (text, item data)
    in display order; marked: the text of the marked item, or None."""
    return {
        "caption": DIALOG_CAPTION,
        "message": message,
        "items": [{"text": text, "data": data} for text, data in items],
        "marked": marked,
        "checkbox": {"text": SHOW_MORE, "visible": checkbox != "hidden", "checked": checkbox == "checked"},
        "placement": placement,
        "focus": focus,
    }


@dataclass
class Scenario:
    name: str
    machine: Machine
    steps: list
    exit_code: int
    # The web pages that the program opens; None where a scenario does not look.
    pages: Optional[list] = None


# ---- Machines and what their dialogs show

# CATALOGUE_WESTERN in the registry's order, which is its item data:
# 0 German, 1 US, 2 Spanish, 3 French, 4 Hebrew, 5 Italian, 6 Japanese,
# 7 Dutch, 8 Russian, 9 United Kingdom, 10 United States-Dvorak,
# 11 United States-International.
WESTERN_FULL_VIEW = [("Dutch", 7), ("French", 3), ("German", 0), ("Italian", 5), ("Spanish", 2),
                     ("United Kingdom", 9), ("United States-Dvorak", 10), ("United States-International", 11),
                     ("US", 1)]

NINE_X = TYPICAL.but(version="win98", preload=(("1", "00000409"), ("2", "0000040d")))

# Six layouts: a Russian one loaded first, and US twice under two key names
# (file names differing in letter case only). In the registry's order:
# 0 German, 1 US (KBDUS.DLL), 2 Hebrew, 3 Russian, 4 US (kbdus.dll, the same
# layout as 1), 5 United States-International.
SIX_LAYOUTS = Machine(
    version="win2k",
    layouts=(
        Layout("00000409", "US", "KBDUS.DLL"),
        Layout("00000407", "German", "KBDGR.DLL"),
        Layout("00000419", "Russian", "KBDRU.DLL"),
        Layout("0000040d", "Hebrew", "KBDHEB.DLL"),
        Layout("00020409", "United States-International", "KBDUSX.DLL", layout_id="0001"),
        Layout("00010409", "US", "kbdus.dll", layout_id="0002"),
    ),
    # Created in this order, so the registry lists "10" before "9": only a
    # numeric sort puts Russian first.
    preload=(("10", "00000409"), ("11", "0000040d"), ("9", "00000419")),
)

# US and Dvorak lost their files; Italian's "file" is a folder, which counts.
MISSING_FILES = TYPICAL.but(
    layouts=tuple(layout if layout.key not in ("00000409", "00010409", "00000410")
                  else Layout(layout.key, layout.text, layout.file, layout.layout_id, file_present=False)
                  for layout in CATALOGUE_WESTERN),
    system_folders=("KBDIT.DLL",),
    preload=(("1", "00000409"), ("2", "00000407")),
)
# Usable, in order: 0 German, 1 Spanish, 2 French, 3 Hebrew, 4 Italian,
# 5 Japanese, 6 Dutch, 7 Russian, 8 United Kingdom, 9 United States-International.

# US turns into United States-International; a French entry written in
# capitals still meets its substitute, German.
SUBSTITUTED = dict(
    preload=(("1", "00000409"), ("2", "0000040C")),
    substitutes=(("00000409", "00020409"), ("0000040c", "00000407")),
)
SUBSTITUTED_PRELOAD_VIEW = [("German", 0), ("United States-International", 11)]


# Values of other types than text are passed over: French's layout file is
# REG_EXPAND_SZ, so French is not usable although its file exists; the first
# Preload value is a REG_DWORD. Entry names count by their leading number:
# "4x" is 4, "x" is none.
ODD_TYPES = TYPICAL.but(
    layouts=tuple(layout if layout.key != "0000040c"
                  else Layout(layout.key, layout.text, Typed("expand", layout.file)) for layout in CATALOGUE_WESTERN),
    preload=(("1", Typed("dword", 0x409)), ("2", "0000040c"), ("3", "00000407"), ("4x", "00000410"),
             ("x", "00000413")),
)
# Usable, in order: 0 German, 1 US, 2 Spanish, 3 Hebrew, 4 Italian, 5 Japanese,
# 6 Dutch, 7 Russian, 8 United Kingdom, 9 United States-Dvorak,
# 10 United States-International.
ODD_TYPES_FULL_VIEW = [("Dutch", 6), ("German", 0), ("Italian", 4), ("Spanish", 2), ("United Kingdom", 8),
                       ("United States-Dvorak", 9), ("United States-International", 10), ("US", 1)]


SCENARIOS = [
    # The typical run, both views, and back.
    Scenario("typical", TYPICAL, [
        ("dialog", dialog(ALL_REQUIREMENTS, [("US", 1)], "US")),
        ("shot:typical", None),
        ("click", CLICKED),
        ("dialog", dialog(ALL_REQUIREMENTS, WESTERN_FULL_VIEW, "US", "checked", focus="checkbox")),
        ("shot:typical-full-view", None),
        ("click", CLICKED),
        ("dialog", dialog(ALL_REQUIREMENTS, [("US", 1)], "US", focus="checkbox")),
        ("close:enter", None),
    ], exit_code=0),

    # The Windows 9x verdicts; the preload list is kept as subkeys there.
    Scenario("windows-95", NINE_X.but(version="win95"), [
        ("dialog", dialog(WIN95, [("US", 1)], "US")),
        ("shot:windows-95", None),
        ("close:escape", None),
    ], exit_code=0),
    Scenario("windows-98", NINE_X, [
        ("dialog", dialog(WIN98, [("US", 1)], "US")),
        ("close:button", None),
    ], exit_code=0),
    Scenario("windows-me", NINE_X.but(version="winme"), [
        ("dialog", dialog(WINME, [("US", 1)], "US")),
        ("click", CLICKED),
        ("dialog", dialog(WINME, WESTERN_FULL_VIEW, "US", "checked", focus="checkbox")),
        ("close:enter", None),
    ], exit_code=0),

    # Refusals: one box, exit code 1.
    Scenario("windows-nt-3.51", TYPICAL.but(version="nt351"), [
        ("shot:refusal", None),
        ("box:ok", TOO_OLD_BOX),
    ], exit_code=1),
    Scenario("win32s", TYPICAL.but(version="win31"), [("box:ok", TOO_OLD_BOX)], exit_code=1),
    Scenario("imagehlp-disabled", TYPICAL.but(imagehlp=False), [("box:ok", TOO_OLD_BOX)], exit_code=1),

    # Hebrew support missing: a warning in the dialog on NT, a refusal on 9x
    # that offers the help page.
    Scenario("nt-without-hebrew", TYPICAL.but(version="nt40", hebrew_installed=False), [
        ("dialog", dialog(HEBREW_MISSING_NT, [("US", 1)], "US")),
        ("close:escape", None),
    ], exit_code=0),
    Scenario("9x-without-hebrew-yes", NINE_X.but(hebrew_installed=False), [
        ("box:yes", HEBREW_MISSING_BOX),
    ], exit_code=1, pages=[HELP_PAGE]),
    Scenario("9x-without-hebrew-no", NINE_X.but(hebrew_installed=False), [
        ("box:no", HEBREW_MISSING_BOX),
    ], exit_code=1, pages=[]),

    # Nothing convertible loaded: the check box goes, the full view stays,
    # nothing is marked; a hidden check box cannot be clicked.
    Scenario("checkbox-hidden", TYPICAL.but(preload=(("1", "0000040d"), ("2", "00000419"))), [
        ("dialog", dialog(ALL_REQUIREMENTS, WESTERN_FULL_VIEW, None, "hidden")),
        ("click", {"clicked": False}),
        ("dialog", dialog(ALL_REQUIREMENTS, WESTERN_FULL_VIEW, None, "hidden")),
        ("close:button", None),
    ], exit_code=0),

    # A non-convertible layout listed and marked in the preload view; the same
    # layout twice in the catalogue listed once in the full view.
    Scenario("six-layouts", SIX_LAYOUTS, [
        ("dialog", dialog(ALL_REQUIREMENTS, [("Russian", 3), ("US", 1)], "Russian")),
        ("click", CLICKED),
        ("dialog", dialog(ALL_REQUIREMENTS, [("German", 0), ("United States-International", 5), ("US", 1)], "US",
                          "checked", focus="checkbox")),
        ("close:escape", None),
    ], exit_code=0),

    # The About box, opened from the system menu and closed every way; the
    # dialog is the same afterwards. Commands 16 to 31 are all "About".
    Scenario("about-box", TYPICAL.but(version="win10"), [
        ("about", ABOUT_BOX),
        ("shot:about", None),
        ("close-about:ok", None),
        ("about", ABOUT_BOX),
        ("close-about:enter", None),
        ("about:17", ABOUT_BOX),
        ("close-about:escape", None),
        ("about:31", ABOUT_BOX),
        ("close-about:close", None),
        ("dialog", dialog(ALL_REQUIREMENTS, [("US", 1)], "US")),
        ("close:escape", None),
    ], exit_code=0),

    # Substitutes apply on both families.
    Scenario("substitutes", TYPICAL.but(**SUBSTITUTED), [
        ("dialog", dialog(ALL_REQUIREMENTS, SUBSTITUTED_PRELOAD_VIEW, "United States-International")),
        ("click", CLICKED),
        ("dialog", dialog(ALL_REQUIREMENTS, WESTERN_FULL_VIEW, "United States-International", "checked",
                          focus="checkbox")),
        ("close:enter", None),
    ], exit_code=0),
    # On 9x a Preload subkey without a default value is passed over; were it
    # taken, its empty key name would be the first convertible one and the
    # full view would mark nothing.
    Scenario("substitutes-9x", NINE_X.but(**dict(SUBSTITUTED, preload=(("0", None),) + SUBSTITUTED["preload"])), [
        ("dialog", dialog(WIN98, SUBSTITUTED_PRELOAD_VIEW, "United States-International")),
        ("click", CLICKED),
        ("dialog", dialog(WIN98, WESTERN_FULL_VIEW, "United States-International", "checked", focus="checkbox")),
        ("close:enter", None),
    ], exit_code=0),

    # The registry's value types and entry names, as Windows may leave them.
    # French, the first convertible entry, is not usable: the full view marks nothing.
    Scenario("registry-types", ODD_TYPES, [
        ("dialog", dialog(ALL_REQUIREMENTS, [("German", 0), ("Italian", 4)], "German")),
        ("click", CLICKED),
        ("dialog", dialog(ALL_REQUIREMENTS, ODD_TYPES_FULL_VIEW, None, "checked", focus="checkbox")),
        ("close:escape", None),
    ], exit_code=0),

    # Layouts whose files are gone are not offered; the US layout that the
    # user loaded is gone, so the full view marks nothing.
    Scenario("missing-layout-files", MISSING_FILES, [
        ("dialog", dialog(ALL_REQUIREMENTS, [("German", 0)], "German")),
        ("click", CLICKED),
        ("dialog", dialog(ALL_REQUIREMENTS, [("Dutch", 6), ("French", 2), ("German", 0), ("Italian", 4),
                                             ("Spanish", 1), ("United Kingdom", 8),
                                             ("United States-International", 9)], None, "checked",
                          focus="checkbox")),
        ("close:enter", None),
    ], exit_code=0),

    # No Preload key: the box comes while the dialog starts, which then opens
    # uncentred with an empty list; each click tries again. (The program gives
    # no control the focus; Wine's dialog manager gives it to the list when the
    # dialog is activated.)
    Scenario("missing-preload-key", TYPICAL.but(preload=None), [
        ("box:ok", PRELOAD_ERROR_BOX),
        ("dialog", dialog(ALL_REQUIREMENTS, [], None, placement="top-left")),
        ("click", CLICKED),
        ("box:ok", PRELOAD_ERROR_BOX),
        ("dialog", dialog(ALL_REQUIREMENTS, [], None, "checked", placement="top-left", focus="checkbox")),
        ("close:escape", None),
    ], exit_code=0),

    # No catalogue: the failure leaves the start-up, is reported, and the
    # program ends with exit code 3.
    Scenario("missing-catalogue-key", TYPICAL.but(layouts=None), [
        ("box:ok", CATALOGUE_ERROR_BOX),
    ], exit_code=3),

    # A catalogue that refuses full access but may be read, as for a user
    # without administrator rights: the program reads it all the same.
    Scenario("read-only-catalogue", TYPICAL.but(catalogue_read_only=True), [
        ("dialog", dialog(ALL_REQUIREMENTS, [("US", 1)], "US")),
        ("click", CLICKED),
        ("dialog", dialog(ALL_REQUIREMENTS, WESTERN_FULL_VIEW, "US", "checked", focus="checkbox")),
        ("close:escape", None),
    ], exit_code=0),
]

# Not reachable under wine64, and so left to the host tests: the refusal
# under WOW64 (a 64-bit process never runs there) and the Hebrew probe's
# code-page fallback (wine64's kernel32 always has IsValidLanguageGroup).

BY_NAME = {scenario.name: scenario for scenario in SCENARIOS}
