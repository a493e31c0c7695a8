#!/usr/bin/env python3
"""Writes the seed corpus of the registry fuzzers (seeds/*.bin): a few
machines in the fuzzers' input format, from the plain six-layout example to
hostile ones. HostileMachine.cpp reads the format; keep the two in step."""

import os
import struct

# Flags of the first byte.
NINE_X, SYSTEM_DIRECTORY_FAILS, LONG_SYSTEM_DIRECTORY, CHECKED = 0x01, 0x02, 0x04, 0x10
# Operations, by the value of their first byte.
CHANGE, DENY, ADD_FILE, FAIL_CALL, AFTER_CALL, FAIL_LIST_ADD, LAYOUT = 0, 2, 3, 4, 5, 6, 7
# Places.
CATALOGUE, PRELOAD, SUBSTITUTES = 0, 1, 2
# Registry value types, by their index in the fuzzer's table.
REG_SZ_INDEX, REG_DWORD_INDEX, REG_BINARY_INDEX = 1, 4, 3
# Registry calls and failure statuses, by index.
QUERY_VALUE, ENUM_VALUE, ENUM_KEY = 2, 4, 5
ACCESS_DENIED, MORE_DATA = 1, 5


def text(value):
    data = value.encode("latin-1")
    assert len(data) < 0xF0
    return bytes([len(data)]) + data


def run(length, fill):
    return bytes([0xF0]) + struct.pack("<H", length) + fill.encode("latin-1")


def place(base, *subkeys):
    head = base | (0x80 if subkeys else 0) | (0x40 if len(subkeys) > 1 else 0)
    return bytes([head]) + b"".join(text(s) if isinstance(s, str) else s for s in subkeys)


# Changes: made at once after CHANGE, or later after AFTER_CALL, call, nth.
def string_change(where, name, value):
    return bytes([1]) + where + (text(name) if isinstance(name, str) else name) + text(value)


def value_change(where, name, type_index, data):
    return bytes([0]) + where + text(name) + bytes([type_index]) + text(data)


def set_string(where, name, value):
    return bytes([CHANGE]) + string_change(where, name, value)


def set_value(where, name, type_index, data):
    return bytes([CHANGE]) + value_change(where, name, type_index, data)


def layout_key(key, file_name, display):
    return (set_string(place(CATALOGUE, key), "layout file", file_name)
            + set_string(place(CATALOGUE, key), "layout text", display)
            + set_string(place(CATALOGUE, key), "layout id", key[:4]))


def add_file(name):
    return bytes([ADD_FILE]) + text(name)


def layout(key, file_name, display):
    return bytes([LAYOUT]) + text(key) + text(file_name) + text(display)


SIX = [("00000409", "KBDUS.DLL", "US"), ("00000407", "KBDGR.DLL", "German"), ("00000419", "KBDRU.DLL", "Russian"),
       ("0000040d", "KBDHEB.DLL", "Hebrew"), ("00020409", "KBDUSX.DLL", "United States-International"),
       ("00010409", "kbdus.dll", "US")]


def six_layouts():
    ops = b""
    for key, file_name, display in SIX:
        ops += layout_key(key, file_name, display) + add_file(file_name) + layout(key, file_name, display)
    return ops


def preload_nt(*keys):
    return b"".join(set_string(place(PRELOAD), str(n), key) for n, key in enumerate(keys, 1))


def preload_9x(*keys):
    return b"".join(set_string(place(PRELOAD, str(n)), "", key) for n, key in enumerate(keys, 1))


SEEDS = {
    "example-nt": bytes([0]) + six_layouts() + preload_nt("00000419", "00000409", "0000040d"),
    "example-9x-checked": bytes([NINE_X | CHECKED]) + six_layouts() + preload_9x("00000419", "00000409"),
    "substitutes": bytes([0]) + six_layouts() + preload_nt("d0010409", "00000407")
    + set_string(place(SUBSTITUTES), "d0010409", "00000409"),
    "no-preload-key": bytes([CHECKED]) + six_layouts(),
    "long-names": bytes([0]) + six_layouts()
    + set_string(place(PRELOAD), run(16383, "7"), "00000409")
    + set_string(place(CATALOGUE, run(255, "a")), "layout file", "KBDUS.DLL"),
    "values-of-other-types": bytes([NINE_X]) + six_layouts()
    + set_value(place(PRELOAD, "1"), "", REG_DWORD_INDEX, "\x09\x04\x00\x00")
    + set_value(place(CATALOGUE, "00000409"), "layout text", REG_BINARY_INDEX, "US\x00\x00junk"),
    # REG_SZ data without its terminating zero, and with no bytes at all.
    "unterminated-strings-nt": bytes([0]) + six_layouts()
    + set_value(place(PRELOAD), "1", REG_SZ_INDEX, "00000409")
    + set_value(place(CATALOGUE, "00000409"), "layout text", REG_SZ_INDEX, "US")
    + set_value(place(CATALOGUE, "00000407"), "layout file", REG_SZ_INDEX, ""),
    "unterminated-strings-9x": bytes([NINE_X]) + six_layouts()
    + set_value(place(PRELOAD, "1"), "", REG_SZ_INDEX, "00000409")
    + set_value(place(PRELOAD, "2"), "", REG_SZ_INDEX, "")
    + set_value(place(SUBSTITUTES, "00000409"), "", REG_SZ_INDEX, "00000407"),
    "changed-between-size-and-read": bytes([0]) + six_layouts() + preload_nt("00000409")
    + bytes([AFTER_CALL, QUERY_VALUE, 1]) + string_change(place(CATALOGUE, "00000409"), "layout file", "X" * 200)
    + bytes([AFTER_CALL, ENUM_VALUE, 1]) + string_change(place(PRELOAD), "2", "0" * 200),
    "failing-calls": bytes([0]) + six_layouts() + preload_nt("00000409", "00000407")
    + bytes([FAIL_CALL, ENUM_VALUE, 2, MORE_DATA, FAIL_CALL, ENUM_KEY, 3, ACCESS_DENIED, FAIL_LIST_ADD, 1]),
    "denied-and-odd-directory": bytes([LONG_SYSTEM_DIRECTORY]) + six_layouts() + preload_nt("00000409")
    + bytes([DENY]) + place(CATALOGUE) + struct.pack("<I", 0x20019),
}


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "seeds")
    os.makedirs(folder, exist_ok=True)
    for name, data in SEEDS.items():
        with open(os.path.join(folder, name + ".bin"), "wb") as seed:
            seed.write(data)


if __name__ == "__main__":
    main()
