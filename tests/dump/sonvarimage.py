"""Memory images laid out as the SONVAR instrument delivers them (big-endian
records), written independently of the C++ code so that the tests cross-check
it."""

import struct


def crc16(data, crc=0):
    """CRC-16/XMODEM, bit by bit."""
    for byte in data:
        crc ^= byte << 8
        for _ in range(8):
            crc = ((crc << 1) ^ 0x1021) if crc & 0x8000 else crc << 1
            crc &= 0xFFFF
    return crc


def packed_text(text):
    """Ten bytes: twelve 6-bit codes (character - 32) in bits 75..4."""
    text = text.ljust(12)[:12]
    number = 0
    for character in text:
        code = ord(character) - 32
        assert 0 <= code < 64
        number = (number << 6) | code
    return (number << 4).to_bytes(10, "big")


def base_word(tenths):
    """The no-base marker 500 for None, else tenths + 500 within 16 bits."""
    return 500 if tenths is None else (tenths + 500) & 0xFFFF


def level_word(sensor, tenths):
    return (0x8000 if sensor == "B" else 0) | ((tenths + 500) & 0x7FFF)


def survey_record(start, serials, pressure, black, red, reference, levels,
                  reference_bytes=None, filler=0x00):
    """A survey record 0xBF 0xF8: levels is a list of (sensor, tenths)."""
    fill4 = bytes([filler]) * 4
    record = bytes([0xBF, 0xF8]) + fill4
    record += struct.pack(">II", start, len(levels)) + fill4
    record += struct.pack(">IIIhHH", *serials, pressure, base_word(black), base_word(red))
    record += reference_bytes if reference_bytes is not None else packed_text(reference)
    record += fill4
    record += b"".join(struct.pack(">H", level_word(s, t)) for s, t in levels)
    return record + bytes([filler]) * 12


def other_record(first_byte):
    """A record the conversion skips: 12 bytes below 0x80, 10 bytes above."""
    if first_byte < 0x80:
        return bytes([first_byte]) + b"\x5a" * 11
    second = 0xF7 if first_byte == 0xBF else 0xF8
    return bytes([first_byte, second]) + b"\xa5" * 8


def padded(data, block=128, pad=0x1A):
    """The image as XMODEM delivers it: whole blocks, padded at the end."""
    return data + bytes([pad]) * (-len(data) % block)
