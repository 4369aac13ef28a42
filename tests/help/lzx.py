"""LZX decompression as compiled help files use it.

A help file keeps most of its files in one LZX stream. The stream is cut into frames of
32768 output bytes; the decoder's state starts afresh every few frames (the reset interval),
and every frame ends on a 16-bit boundary of the input. Inside a frame come blocks of three
kinds: verbatim and aligned-offset blocks of Huffman-coded literals and matches, and stored
blocks of plain bytes.
"""

FRAME_SIZE = 32768

BLOCK_VERBATIM = 1
BLOCK_ALIGNED = 2
BLOCK_UNCOMPRESSED = 3

NUM_CHARS = 256
NUM_PRIMARY_LENGTHS = 7
NUM_SECONDARY_LENGTHS = 249
MIN_MATCH = 2
PRETREE_SIZE = 20
ALIGNED_SIZE = 8

# Position slots per window size (window bits 15 to 21).
POSITION_SLOTS = {15: 30, 16: 32, 17: 34, 18: 36, 19: 38, 20: 42, 21: 50}


class LzxError(Exception):
    pass


def _slot_tables():
    extra_bits, position_base = [], []
    bits, base = 0, 0
    for slot in range(51):
        extra_bits.append(bits)
        position_base.append(base)
        base += 1 << bits
        # Two slots share each count of extra bits, from the third slot up to 17 bits.
        if slot % 2 == 1 and slot > 1 and bits < 17:
            bits += 1
    return extra_bits, position_base


EXTRA_BITS, POSITION_BASE = _slot_tables()


class BitReader:
    """Reads 16-bit little-endian words, most significant bit first."""

    def __init__(self, data):
        raw = bytes(data)
        if len(raw) % 2:
            raw += b"\0"
        swapped = bytearray(len(raw))
        swapped[0::2] = raw[1::2]
        swapped[1::2] = raw[0::2]
        # With each pair of bytes swapped the stream is a plain big-endian bit string; the
        # padding lets a peek near the end read whole bytes.
        self.bits = bytes(swapped) + bytes(8)
        self.raw = raw
        self.pos = 0
        self.limit = len(raw) * 8

    def peek(self, count):
        at = self.pos
        word = int.from_bytes(self.bits[at >> 3:(at >> 3) + 4], "big")
        return (word >> (32 - (at & 7) - count)) & ((1 << count) - 1)

    def read(self, count):
        if count == 0:
            return 0
        value = self.peek(count)
        self.skip(count)
        return value

    def skip(self, count):
        self.pos += count
        if self.pos > self.limit:
            raise LzxError("the compressed data ends before the last frame")

    def align16(self):
        self.pos = (self.pos + 15) & ~15

    def read_bytes(self, count):
        """Bytes as stored, from a 16-bit aligned position."""
        start = self.pos >> 3
        if start + count > len(self.raw):
            raise LzxError("a stored block runs past the end of the compressed data")
        self.pos += count * 8
        return self.raw[start:start + count]


class HuffmanTable:
    """Canonical Huffman code: shorter codes first, symbols in order within a length."""

    def __init__(self, lengths, name):
        self.name = name
        self.bits = max(max(lengths, default=0), 1)
        size = 1 << self.bits
        table = [-1] * size
        code = 0
        for length in range(1, self.bits + 1):
            for symbol, symbol_length in enumerate(lengths):
                if symbol_length != length:
                    continue
                span = 1 << (self.bits - length)
                start = code << (self.bits - length)
                if start + span > size:
                    raise LzxError("the %s code lengths overflow the code space" % name)
                table[start:start + span] = [(symbol << 5) | length] * span
                code += 1
            code <<= 1
        self.table = table

    def decode(self, reader):
        entry = self.table[reader.peek(self.bits)]
        if entry < 0:
            raise LzxError("a %s code that no symbol has" % self.name)
        reader.skip(entry & 31)
        return entry >> 5


def _read_lengths(reader, lengths, first, last):
    """Updates code lengths first..last-1 through a pretree, as deltas of the old ones."""
    pretree = HuffmanTable([reader.read(4) for _ in range(PRETREE_SIZE)], "pretree")
    at = first
    while at < last:
        code = pretree.decode(reader)
        if code == 17:
            run, value = reader.read(4) + 4, None
        elif code == 18:
            run, value = reader.read(5) + 20, None
        elif code == 19:
            run = reader.read(1) + 4
            value = (lengths[at] - pretree.decode(reader)) % 17
        else:
            run, value = 1, (lengths[at] - code) % 17
        if at + run > last:
            raise LzxError("a run of code lengths passes the end of the tree")
        for index in range(at, at + run):
            lengths[index] = 0 if value is None else value
        at += run


def _translate_e8(frame, position, file_size):
    """Undoes the x86 call translation of one frame (rarely used by help files)."""
    data = bytearray(frame)
    at, end = 0, len(data) - 10
    while at < end:
        if data[at] != 0xE8:
            at += 1
            continue
        current = position + at
        absolute = int.from_bytes(data[at + 1:at + 5], "little", signed=True)
        if -current <= absolute < file_size:
            relative = absolute - current if absolute >= 0 else absolute + file_size
            data[at + 1:at + 5] = (relative & 0xFFFFFFFF).to_bytes(4, "little")
        at += 5
    return bytes(data)


def decompress(data, output_length, window_bits, reset_interval_frames):
    """The first output_length bytes of an LZX stream."""
    if window_bits not in POSITION_SLOTS:
        raise LzxError("unsupported window size 2^%d" % window_bits)
    if reset_interval_frames < 1:
        raise LzxError("reset interval of %d frames" % reset_interval_frames)
    window_size = 1 << window_bits
    main_size = NUM_CHARS + POSITION_SLOTS[window_bits] * 8
    reader = BitReader(data)
    window = bytearray()
    output = []
    frame = 0
    while len(window) < output_length:
        if frame % reset_interval_frames == 0:
            repeats = [1, 1, 1]
            main_lengths = [0] * main_size
            length_lengths = [0] * NUM_SECONDARY_LENGTHS
            block_type, block_remaining = None, 0
            reset_start = len(window)
            intel_size = (reader.read(16) << 16) | reader.read(16) if reader.read(1) else 0
            intel_started = False
        frame_start = len(window)
        frame_end = min(frame_start + FRAME_SIZE, output_length)
        while len(window) < frame_end:
            if block_remaining == 0:
                if block_type == BLOCK_UNCOMPRESSED:
                    reader.align16()
                block_type = reader.read(3)
                block_remaining = (reader.read(16) << 8) | reader.read(8)
                if block_type == BLOCK_ALIGNED:
                    aligned = HuffmanTable([reader.read(3) for _ in range(ALIGNED_SIZE)], "aligned offset")
                if block_type in (BLOCK_VERBATIM, BLOCK_ALIGNED):
                    _read_lengths(reader, main_lengths, 0, NUM_CHARS)
                    _read_lengths(reader, main_lengths, NUM_CHARS, main_size)
                    main_tree = HuffmanTable(main_lengths, "main tree")
                    intel_started = intel_started or main_lengths[0xE8] != 0
                    _read_lengths(reader, length_lengths, 0, NUM_SECONDARY_LENGTHS)
                    length_tree = HuffmanTable(length_lengths, "length tree")
                elif block_type == BLOCK_UNCOMPRESSED:
                    intel_started = True
                    # 1 to 16 bits of padding up to the next 16-bit boundary.
                    reader.pos = (reader.pos // 16 + 1) * 16
                    stored = reader.read_bytes(12)
                    repeats = [int.from_bytes(stored[i:i + 4], "little") for i in (0, 4, 8)]
                else:
                    raise LzxError("block of unknown type %s in frame %d" % (block_type, frame))
                if block_remaining == 0:
                    raise LzxError("empty block in frame %d" % frame)
            run = min(block_remaining, frame_end - len(window))
            if block_type == BLOCK_UNCOMPRESSED:
                window += reader.read_bytes(run)
                block_remaining -= run
                continue
            # The compressor declares whole frames: the last match of the data may reach past
            # its end, into bytes that are not part of it.
            last = frame_end == output_length and run < block_remaining
            produced = _decode_run(reader, window, run, main_tree, length_tree,
                                   aligned if block_type == BLOCK_ALIGNED else None,
                                   repeats, window_size, reset_start, last)
            block_remaining -= produced
        # Frames end on a 16-bit boundary; stored blocks are byte-aligned anyway.
        if block_type != BLOCK_UNCOMPRESSED:
            reader.align16()
        del window[frame_end:]
        frame_bytes = bytes(window[frame_start:frame_end])
        if intel_size and intel_started and frame < 32768 and len(frame_bytes) > 10:
            frame_bytes = _translate_e8(frame_bytes, frame_start, intel_size)
        output.append(frame_bytes)
        frame += 1
    return b"".join(output)


def _decode_run(reader, window, run, main_tree, length_tree, aligned, repeats, window_size,
                reset_start, may_overrun):
    """Decodes run bytes of a verbatim or aligned block onto the window; the last match may
    pass them only when may_overrun. Answers how many bytes were decoded."""
    target = len(window) + run
    main_table, main_bits = main_tree.table, main_tree.bits
    while len(window) < target:
        entry = main_table[reader.peek(main_bits)]
        if entry < 0:
            raise LzxError("a main tree code that no symbol has")
        reader.skip(entry & 31)
        symbol = entry >> 5
        if symbol < NUM_CHARS:
            window.append(symbol)
            continue
        symbol -= NUM_CHARS
        length = symbol & NUM_PRIMARY_LENGTHS
        if length == NUM_PRIMARY_LENGTHS:
            length += length_tree.decode(reader)
        length += MIN_MATCH
        slot = symbol >> 3
        if slot == 0:
            offset = repeats[0]
        elif slot == 1:
            offset = repeats[1]
            repeats[1] = repeats[0]
            repeats[0] = offset
        elif slot == 2:
            offset = repeats[2]
            repeats[2] = repeats[0]
            repeats[0] = offset
        else:
            extra = EXTRA_BITS[slot]
            offset = POSITION_BASE[slot] - 2
            if aligned is not None and extra >= 3:
                offset += reader.read(extra - 3) << 3
                offset += aligned.decode(reader)
            else:
                offset += reader.read(extra)
            repeats[2] = repeats[1]
            repeats[1] = repeats[0]
            repeats[0] = offset
        if len(window) + length > target and not may_overrun:
            raise LzxError("a match runs past the end of its frame or block")
        if offset <= 0 or offset > len(window) - reset_start or offset > window_size:
            raise LzxError("a match reaches back %d bytes, before the start of the data" % offset)
        start = len(window) - offset
        if offset >= length:
            window += window[start:start + length]
        else:
            pattern = bytes(window[start:])
            window += (pattern * (length // offset + 1))[:length]
    return len(window) - (target - run)
