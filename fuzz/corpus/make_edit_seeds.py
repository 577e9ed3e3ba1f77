#!/usr/bin/env python3
"""Writes the seed inputs of the two edit-field fuzz targets: key sequences a
user types into number and date fields. Each input is the field's settings
followed by events; see EditDriver in fuzz_support.h for the event bytes."""
import pathlib

HERE = pathlib.Path(__file__).resolve().parent
ENTER, EXIT, SELECT, SET_TEXT, SET_VALUE, PAINT = 0, 4, 5, 6, 7, 8


def digits(text, shift=1):
    """Main-row digit keys, one stroke each (event 2: digit, shift state)."""
    return b"".join(bytes([2, int(d), shift]) for d in text)


def chars(text):
    """Characters typed without their key (event 1)."""
    return b"".join(bytes([1]) + c.encode("cp1250") for c in text)


# Keys without a character (event 0), by their place in EditDriver's key table.
LEFT, DELETE = bytes([0, 4, 0]), bytes([0, 9, 0])


def number(english, kind, decimal, shown, area, lo, hi, flags, cursor, layout, events):
    head = bytes([english, kind, decimal, shown, area, lo, hi, 3, 0, flags, cursor, 1, len(layout)])
    return head + layout.encode("cp1250") + events


def mask(index, on_enter, on_exit, flags, cursor, now, layout, events):
    # now: year - 1990, month - 1, day - 1, hour, minute, second; no default year.
    head = bytes([index, on_enter, on_exit, flags, cursor]) + bytes(now) + bytes([1, len(layout)])
    return head + layout.encode("cp1250") + events


SEEDS = {
    "number_edit": {
        # A currency field typed "000000009" without conversion to the value.
        "zeros_then_nine": number(0, 0, 2, 2, 0, 0, 0, 4, 3, "",
                                  bytes([ENTER, 0]) + digits("000000009") + bytes([EXIT])),
        "amount_exit_value_paint": number(0, 0, 2, 2, 0, 0, 0, 0, 3, "12,5",
                                          bytes([ENTER, 0]) + chars("1.5") + bytes([EXIT, PAINT, 0])
                                          + bytes([SET_VALUE]) + (123456).to_bytes(8, "big")),
        "validated_out_of_range": number(1, 1, 2, 2, 0, 3, 0, 1, 2, "",
                                         bytes([ENTER, 0]) + digits("5", 0) + bytes([EXIT])),
        "integer_minus_paste": number(0, 2, 0, 0, 0, 0, 0, 0, 1, "-3",
                                      bytes([ENTER, 1]) + chars("-12,7") + bytes([SET_TEXT, 3])
                                      + b"1a2" + bytes([EXIT])),
    },
    "mask_edit": {
        # "!99.99.9999" revised on exit: 5_.1_.9___ leaves as 05.01.2009.
        "date_exit_special": mask(0, 0, 2, 1, 3, [19, 2, 14, 10, 20, 7], "",
                                  bytes([ENTER, 0]) + chars("5") + bytes([SELECT, 3, 0]) + chars("1")
                                  + bytes([SELECT, 6, 0]) + chars("9") + bytes([EXIT])),
        "date_typing_and_keys": mask(0, 1, 3, 0, 2, [19, 1, 30, 10, 20, 7], "31.02.2008",
                                     bytes([ENTER, 0]) + digits("1205") + LEFT + LEFT + DELETE
                                     + chars("2") + bytes([EXIT])),
        "quarter_hours": mask(7, 0, 1, 0, 3, [5, 5, 5, 9, 41, 0], "",
                              bytes([ENTER, 0]) + chars("0917") + bytes([EXIT])),
        "day_month_not_revised": mask(8, 0, 2, 1, 3, [5, 5, 5, 9, 41, 0], "",
                                      bytes([ENTER, 0]) + chars("2902") + bytes([EXIT])),
    },
}

for target, seeds in SEEDS.items():
    folder = HERE / target
    folder.mkdir(exist_ok=True)
    for name, data in seeds.items():
        (folder / name).write_bytes(data)
