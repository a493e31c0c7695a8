"""The shipped exe's headers and code: a 32-bit GUI program that Windows 95
and NT 4.0 accept."""

import os
import subprocess
import unittest

import pefile

import pe_image


class HeaderTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.path = pe_image.exe_under_test()
        cls.pe = pe_image.open_image(cls.path)

    def test_is_pe32_for_i386(self):
        self.assertEqual(self.pe.FILE_HEADER.Machine, pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_I386"])
        self.assertEqual(self.pe.OPTIONAL_HEADER.Magic, pefile.OPTIONAL_HEADER_MAGIC_PE)

    def test_is_a_gui_program(self):
        self.assertEqual(self.pe.OPTIONAL_HEADER.Subsystem, pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"])

    def test_asks_for_windows_4_0(self):
        # Windows 95 and NT 4.0 refuse an exe whose subsystem version is
        # newer than 4.0, and NT 4.0 looks at the OS version too.
        header = self.pe.OPTIONAL_HEADER
        versions = {
            "subsystem": (header.MajorSubsystemVersion, header.MinorSubsystemVersion),
            "operating system": (header.MajorOperatingSystemVersion, header.MinorOperatingSystemVersion),
        }
        for name, version in versions.items():
            with self.subTest(name):
                self.assertEqual(version, (4, 0))

    def test_no_sse_instructions(self):
        # Windows 95 and NT 4.0 do not save the SSE registers across task
        # switches and leave SSE disabled: the first SSE instruction faults.
        objdump = os.environ.get("MORVANE_OBJDUMP")
        if not objdump:
            self.fail("MORVANE_OBJDUMP must name the i686 objdump")
        listing = subprocess.run([objdump, "-d", self.path], check=True, capture_output=True, text=True).stdout
        sse_lines = [line for line in listing.splitlines() if "%xmm" in line]
        self.assertEqual(sse_lines[:5], [], "%d instructions use SSE registers" % len(sse_lines))


if __name__ == "__main__":
    unittest.main()
