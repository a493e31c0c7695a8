"""The shipped exe's import table: only DLLs that every Windows has, only
functions that Windows 95 and NT 4.0 both export."""

import os
import unittest

import import_audit
import pe_image


class ImportTableTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.pe = pe_image.open_image(pe_image.exe_under_test())
        cls.allowlist = import_audit.load_allowlist()

    def test_every_import_is_allowed(self):
        self.assertEqual(import_audit.audit(pe_image.imports(self.pe), self.allowlist), [])

    def test_no_delay_loaded_imports(self):
        # A delay-load stub would fail at the first call instead of at start-up,
        # past every check the allowlist makes.
        self.assertEqual(pe_image.delay_imports(self.pe), [])


class AuditTest(unittest.TestCase):
    """The audit itself flags each kind of breach, on a table of its own."""

    ALLOWLIST = {"KERNEL32.DLL": {"GetVersionExA"}, "USER32.DLL": {"MessageBoxA"}}

    def test_breaches(self):
        cases = [
            ("allowed names, any letter case of the DLL", {"kernel32.dll": ["GetVersionExA"]}, []),
            ("name off the allowlist", {"KERNEL32.dll": ["GetVersionExA", "GetTickCount64"]},
             ["KERNEL32.dll: GetTickCount64 is not on the allowlist"]),
            ("DLL off the allowlist", {"VERSION.dll": ["GetFileVersionInfoA"]},
             ["VERSION.dll: DLL not allowed (GetFileVersionInfoA)"]),
            ("run-time lookup imported", {"KERNEL32.dll": ["IsWow64Process"]},
             ["KERNEL32.dll: IsWow64Process must be looked up at run time, never imported"]),
            ("import by ordinal", {"USER32.dll": [17]},
             ["USER32.dll: import by ordinal 17 (ordinals differ between Windows versions)"]),
        ]
        for name, table, expected in cases:
            with self.subTest(name):
                self.assertEqual(import_audit.audit(table, self.ALLOWLIST), expected)

    def test_flags_an_exe_that_imports_what_old_windows_lacks(self):
        # A small exe built beside Morvane.exe that imports IsWow64Process and
        # CheckSumMappedFile directly: the audit of a real import table finds both.
        path = os.environ.get("MORVANE_BAD_IMPORTS_EXE")
        if not path:
            self.fail("MORVANE_BAD_IMPORTS_EXE must name the deliberately bad exe")
        breaches = import_audit.audit(pe_image.imports(pe_image.open_image(path)), import_audit.load_allowlist())
        self.assertEqual(sorted(breaches), [
            "IMAGEHLP.DLL: CheckSumMappedFile must be looked up at run time, never imported",
            "KERNEL32.dll: IsWow64Process must be looked up at run time, never imported",
        ])

    def test_allowlist_groups_name_only_allowed_dlls(self):
        self.assertLessEqual(set(import_audit.load_allowlist()),
                             {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL", "ADVAPI32.DLL", "SHELL32.DLL",
                              "MSVCRT.DLL", "COMCTL32.DLL"})


if __name__ == "__main__":
    unittest.main()
