"""The shipped exe's resources, field by field: the two dialog templates,
the icon, the About item's string and the version record, all in language
1033 (English, United States)."""

import struct
import unittest

import dialog_template
import pe_image
from dialog_template import Control, Font

ENGLISH_US = 1033

# Not fixed: the About box's notice line and the placeholder of the message
# text are the implementer's; None below means "any text".
ANY_TEXT = None

CHECKER_DIALOG = dict(
    extended=True, style=0x80C800C0, ex_style=0, help_id=0, x=0, y=0, cx=220, cy=137, menu="",
    window_class="", caption="Tavrix Requirements Checker",
    font=Font("MS Sans Serif", 10, weight=0, italic=0, charset=1),
    controls=[
        Control("LISTBOX", 1000, "", 11, 68, 201, 50, 0x50A14103, 0),
        Control("BUTTON", 1026, "Show More Tavrixizable Keyboard Layouts", 33, 120, 153, 10, 0x50010003, 0),
        Control("STATIC", 1001, ANY_TEXT, 11, 12, 201, 42, 0x50020000, 0x200),
        Control("STATIC", 0xFFFFFFFF, "Installed Keyboard Layouts which may be Tavrixized:", 11, 60, 170, 8,
                0x50020000, 0),
    ])

ABOUT_DIALOG = dict(
    extended=False, style=0x80C800C0, ex_style=0, help_id=None, x=0, y=0, cx=235, cy=55, menu="",
    window_class="", caption="About Check Tavrix Requirements", font=Font("MS Sans Serif", 8),
    controls=[
        Control("STATIC", 0xFFFF, "Check Tavrix Requirements 1.0", 40, 10, 119, 8, 0x50020080, 0),
        Control("STATIC", 0xFFFF, ANY_TEXT, 40, 25, 119, 8, 0x50020000, 0),
        Control("BUTTON", 1, "OK", 178, 7, 50, 14, 0x50030001, 0),
    ])

CONTROL_FIELDS = ("class_name", "id", "text", "x", "y", "cx", "cy", "style", "ex_style")


def shown(name, value):
    """Style bits read best in hexadecimal."""
    return "0x%08X" % value if name in ("style", "ex_style") and isinstance(value, int) else value


class ResourceTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.pe = pe_image.open_image(pe_image.exe_under_test())

    def check_dialog(self, template_id, expected):
        dialog = dialog_template.decode(
            pe_image.resource(self.pe, pe_image.RT_DIALOG, template_id, ENGLISH_US))
        for name, value in expected.items():
            if name == "controls":
                continue
            with self.subTest(field=name):
                self.assertEqual(shown(name, getattr(dialog, name)), shown(name, value))
        self.assertEqual(len(dialog.controls), len(expected["controls"]), "number of controls")
        for index, (actual, wanted) in enumerate(zip(dialog.controls, expected["controls"]), 1):
            for name in CONTROL_FIELDS:
                if getattr(wanted, name) is ANY_TEXT:
                    continue
                with self.subTest(control=index, field=name):
                    self.assertEqual(shown(name, getattr(actual, name)), shown(name, getattr(wanted, name)))

    def test_checker_dialog_template(self):
        self.check_dialog(102, CHECKER_DIALOG)

    def test_about_box_template(self):
        self.check_dialog(100, ABOUT_DIALOG)

    def test_icon_has_a_32_and_a_16_pixel_image_in_16_colours(self):
        group = pe_image.resource(self.pe, pe_image.RT_GROUP_ICON, 128, ENGLISH_US)
        reserved, kind, count = struct.unpack_from("<HHH", group, 0)
        self.assertEqual((reserved, kind), (0, 1), "an icon group")
        images = []
        for index in range(count):
            width, height, colours, _, _, bit_count, _, image_id = struct.unpack_from(
                "<BBBBHHIH", group, 6 + 14 * index)
            image = pe_image.resource(self.pe, pe_image.RT_ICON, image_id, ENGLISH_US)
            # The image itself: a bitmap header whose height counts the colour
            # bitmap and the mask together.
            _, bitmap_width, bitmap_height, _, bitmap_bits = struct.unpack_from("<IiiHH", image, 0)
            with self.subTest(image=image_id):
                self.assertEqual((bitmap_width, bitmap_height, bitmap_bits), (width, 2 * height, 4))
                self.assertIn(colours, (0, 16))
                self.assertIn(bit_count, (0, 4))
            images.append((width, height))
        self.assertEqual(sorted(images), [(16, 16), (32, 32)])

    def test_about_item_string(self):
        self.assertEqual(pe_image.string_from_table(self.pe, 101, ENGLISH_US), "&About Morvane...")

    def test_version_record(self):
        file_version, product_version, tables = pe_image.version_info(self.pe)
        self.assertEqual(file_version, (1, 0, 0, 1))
        self.assertEqual(product_version, (1, 0, 0, 1))
        self.assertEqual(len(tables), 1, sorted(tables))
        (key, strings), = tables.items()
        self.assertEqual(key[:4], "0409", "the string table's language")
        expected = {"FileDescription": "Morvane MFC Application", "InternalName": "Morvane",
                    "OriginalFilename": "Morvane.EXE", "ProductName": "Morvane Application"}
        for name, value in expected.items():
            with self.subTest(field=name):
                self.assertEqual(strings.get(name), value)

    def test_every_resource_is_english_us(self):
        others = [(rtype, name, lang) for rtype, name, lang, _ in pe_image.resources(self.pe)
                  if lang != ENGLISH_US]
        self.assertEqual(others, [])


if __name__ == "__main__":
    unittest.main()
