#!/usr/bin/env python3
"""Writes the hand-made document files that the loader tests replay.

The first word of a file name is what loading it must give: loads, damaged or refused.
Run it from this folder after changing a case; the files are committed.
"""
import struct


def u8(v): return struct.pack('<B', v)
def u16(v): return struct.pack('<H', v)
def u32(v): return struct.pack('<I', v)
def s32(t): return u32(len(t)) + t
def s8(t): return u8(len(t)) + t


def header(version=b'1.01', stream=257):
    return b':' + u32(stream) + s32(b'ZELTO') + s32(version)


def cat(name, parent=0xFFFF, notes=0, flags=0):
    return u32(notes) + s32(name) + u8(flags) + u16(parent)


def note(text, category, flags=0):
    return s32(text) + u8(flags) + u16(category)


good = (header() + u32(3) + cat(b'Default', notes=1) + cat(b'Work', notes=1) +
        cat(b'Plans', 1) + u32(2) + note(b'first', 0) + note(b'line\r\nbreak \xe9', 1, 0x80))

cases = {
    'loads-two-levels.zlt': good,
    'loads-old-layout.zlt': header(b'1.00') + u32(1) + s32(b'Default') + u8(0) + u16(0xFFFF)
                            + u32(1) + note(b'x', 0),
    'loads-stream0.zlt': s8(b'zelto') + s8(b'1.00') + u16(1) + s8(b'Default') + u8(0)
                         + u16(0xFFFF) + u32(1) + s8(b'n') + u8(0) + u16(0),
    'loads-no-categories.zlt': header() + u32(0) + u32(0),
    # Notes out of text order, equal texts among them; the default category's name only
    # below the top level; a note count that does not match the notes.
    'loads-notes-out-of-order.zlt': header() + u32(2) + cat(b'Work', notes=9) + cat(b'default', 0)
                                    + u32(5) + note(b'b', 0) + note(b'a', 1) + note(b'A', 0)
                                    + note(b'B', 1) + note(b'a', 0, 0x81),
    # Stream version 1: 8-bit lengths, 255 marking an empty text.
    'loads-stream1-empty-marks.zlt': b':' + u32(1) + s8(b'ZELTO') + s8(b'1.01') + u32(1) + u32(2)
                                     + u8(0xFF) + u8(0) + u16(0xFFFF) + u32(2) + u8(0xFF) + u8(0)
                                     + u16(0) + s8(b'x') + u8(1) + u16(0),
    # Notes stored for the category after the last one: the default category added there
    # takes them.
    'loads-notes-of-next-category.zlt': header() + u32(1) + cat(b'Home', notes=1) + u32(3)
                                        + note(b'kept b', 1, 0x80) + note(b'at home', 0)
                                        + note(b'kept a', 1),
    'refused-empty.zlt': b'',
    'refused-mark-only.zlt': b':',
    'refused-short-version.zlt': b':' + u32(257)[:2],
    'refused-wrong-signature.zlt': b':' + u32(257) + s32(b'ZELTA') + s32(b'1.01'),
    'refused-signature-too-long.zlt': b':' + u32(257) + u32(0xFFFFFFF0) + b'ZELTO',
    'damaged-no-version.zlt': b':' + u32(257) + s32(b'ZELTO'),
    'damaged-version-overruns.zlt': b':' + u32(257) + s32(b'ZELTO') + u32(1000) + b'1.01',
    'damaged-no-count.zlt': header(),
    'damaged-huge-count.zlt': header() + u32(0xFFFFFFFF) + cat(b'Default'),
    'damaged-huge-name.zlt': header() + u32(1) + u32(0) + u32(0x7FFFFFFF) + b'Default',
    'damaged-cut-in-category.zlt': good[:40],
    'damaged-no-note-count.zlt': header() + u32(1) + cat(b'Default'),
    'damaged-huge-note-count.zlt': header() + u32(1) + cat(b'Default') + u32(0xFFFFFFFF)
                                   + note(b'a', 0),
    'damaged-cut-in-note.zlt': good[:-4],
    'damaged-note-out-of-range.zlt': header() + u32(1) + cat(b'Default') + u32(2)
                                     + note(b'a', 0) + note(b'b', 9),
    # The same with the default category in the file: nothing is added to take them.
    'damaged-notes-of-next-category.zlt': header() + u32(1) + cat(b'Default') + u32(2)
                                          + note(b'kept', 0) + note(b'lost', 1),
    'damaged-parent-out-of-range.zlt': header() + u32(2) + cat(b'Default') + cat(b'X', 5)
                                       + u32(0),
    'damaged-parent-cycle.zlt': header() + u32(4) + cat(b'Default') + cat(b'A', 2) + cat(b'B', 3)
                                + cat(b'C', 1) + u32(1) + note(b'in cycle', 2),
    'damaged-own-parent.zlt': header() + u32(2) + cat(b'Default') + cat(b'Me', 1) + u32(0),
    'damaged-stream0-huge-count.zlt': s8(b'ZELTO') + s8(b'1.01') + u16(0xFFFF) + u16(0)
                                      + s8(b'D') + u8(0) + u16(0xFFFF),
}

for name, data in cases.items():
    with open(name, 'wb') as f:
        f.write(data)
