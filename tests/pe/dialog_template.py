"""Decodes the two binary forms of a dialog template (the standard DIALOG
form and the extended DIALOGEX form) into plain values, so that a test can
compare every field with what the dialog must be."""

import struct
from dataclasses import dataclass, field
from typing import List, Optional, Union

DS_SETFONT = 0x40

# Predefined window classes that a template may name by number.
CLASS_ORDINALS = {0x80: "BUTTON", 0x81: "EDIT", 0x82: "STATIC", 0x83: "LISTBOX", 0x84: "SCROLLBAR",
                  0x85: "COMBOBOX"}


@dataclass
class Control:
    class_name: Union[str, int]
    id: int
    text: Union[str, int]
    x: int
    y: int
    cx: int
    cy: int
    style: int
    ex_style: int
    help_id: Optional[int] = None


@dataclass
class Font:
    name: str
    points: int
    weight: Optional[int] = None
    italic: Optional[int] = None
    charset: Optional[int] = None


@dataclass
class Dialog:
    extended: bool
    style: int
    ex_style: int
    help_id: Optional[int]
    x: int
    y: int
    cx: int
    cy: int
    menu: Union[str, int]
    window_class: Union[str, int]
    caption: str
    font: Optional[Font]
    controls: List[Control] = field(default_factory=list)


class _Reader:
    def __init__(self, data):
        self.data = data
        self.offset = 0

    def unpack(self, fmt):
        values = struct.unpack_from("<" + fmt, self.data, self.offset)
        self.offset += struct.calcsize("<" + fmt)
        return values if len(values) > 1 else values[0]

    def align(self, boundary):
        self.offset = (self.offset + boundary - 1) // boundary * boundary

    def string(self):
        end = self.offset
        while self.data[end:end + 2] != b"\0\0":
            end += 2
            if end >= len(self.data):
                raise ValueError("unterminated string at offset %d" % self.offset)
        text = self.data[self.offset:end].decode("utf-16-le")
        self.offset = end + 2
        return text

    def string_or_ordinal(self):
        """"" for none, an int for a number, else the string."""
        (first,) = struct.unpack_from("<H", self.data, self.offset)
        if first == 0x0000:
            self.offset += 2
            return ""
        if first == 0xFFFF:
            self.offset += 2
            return self.unpack("H")
        return self.string()


def _class_name(value):
    if isinstance(value, int):
        return CLASS_ORDINALS.get(value, value)
    return value.upper()


def decode(data):
    reader = _Reader(data)
    version, signature = struct.unpack_from("<HH", data, 0)
    extended = version == 1 and signature == 0xFFFF
    if extended:
        reader.offset = 4
        help_id, ex_style, style, count = reader.unpack("IIIH")
    else:
        help_id = None
        style, ex_style, count = reader.unpack("IIH")
    x, y, cx, cy = reader.unpack("hhhh")
    menu = reader.string_or_ordinal()
    window_class = reader.string_or_ordinal()
    caption = reader.string()
    font = None
    if style & DS_SETFONT:
        if extended:
            points, weight, italic, charset = reader.unpack("HHBB")
            font = Font(reader.string(), points, weight, italic, charset)
        else:
            font = Font(name=None, points=reader.unpack("H"))
            font.name = reader.string()
    dialog = Dialog(extended, style, ex_style, help_id, x, y, cx, cy, menu, window_class, caption, font)
    for _ in range(count):
        reader.align(4)
        if extended:
            item_help, item_ex, item_style, ix, iy, icx, icy, item_id = reader.unpack("IIIhhhhI")
        else:
            item_help = None
            item_style, item_ex, ix, iy, icx, icy, item_id = reader.unpack("IIhhhhH")
        class_name = _class_name(reader.string_or_ordinal())
        text = reader.string_or_ordinal()
        extra = reader.unpack("H")
        reader.offset += extra
        dialog.controls.append(Control(class_name, item_id, text, ix, iy, icx, icy, item_style, item_ex, item_help))
    return dialog
