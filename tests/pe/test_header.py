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
        # The exe itself cannot be disassembled reliably (its .text section
        # ends in exception tables), so the objects of our own code are read;
        # the run-time libraries come built for the i686 without SSE.
        objdump = os.environ.get("MORVANE_OBJDUMP")
        build_dir = os.environ.get("MORVANE_BUILD_DIR")
        if not objdump or not build_dir:
            self.fail("MORVANE_OBJDUMP and MORVANE_BUILD_DIR must name the i686 objdump and build")
        objects = [os.path.join(folder, name) for folder, _, names in os.walk(build_dir)
                   if not os.path.relpath(folder, build_dir).startswith("tests")
                   for name in names if name.endswith(".obj")]
        self.assertNotEqual(objects, [], "no object files under " + build_dir)
        for path in objects:
            listing = subprocess.run([objdump, "-d", path], check=True, capture_output=True, text=True).stdout
            with self.subTest(os.path.relpath(path, build_dir)):
                self.assertEqual([line for line in listing.splitlines() if "%xmm" in line], [])

if __name__ == "__main__":
    unittest.main()
