#!/usr/bin/env python3
"""Checks that a compiled help file (.chm) is whole and that its pages hold together.

    chm_check.py FILE.chm [--sources HELP_FOLDER]

Reads the file the way a help viewer does: the ITSF header and its size, the directory
(an ITSP header and its chain of PMGL listing chunks), the LZX-compressed section, the
#SYSTEM file that names the contents file, index file and default topic. Then it checks
that every page the contents and the index name is inside, that every page, picture and
style sheet the HTML pages refer to is inside, and that every page can be reached from the
contents. With --sources, every file of the help folder must be inside, byte for byte.

Prints one line per problem and ends with status 1 when there is any, else a summary line
and status 0.
"""

import argparse
import html.parser
import os
import posixpath
import struct
import sys
import urllib.parse

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import lzx  # noqa: E402

ITSF_HEADER_V2 = 0x58
ITSF_HEADER_V3 = 0x60
ITSP_HEADER_SIZE = 0x54
PMGL_HEADER_SIZE = 0x14

MSCOMPRESSED = "::DataSpace/Storage/MSCompressed/"
CONTENT = MSCOMPRESSED + "Content"
CONTROL_DATA = MSCOMPRESSED + "ControlData"
RESET_TABLE = (MSCOMPRESSED + "Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/"
               "InstanceData/ResetTable")

# Codes of the #SYSTEM file's records.
SYSTEM_CONTENTS = 0
SYSTEM_INDEX = 1
SYSTEM_DEFAULT_TOPIC = 2

PAGE_EXTENSIONS = (".htm", ".html")
SOURCE_EXTENSIONS = PAGE_EXTENSIONS + (".css", ".png", ".jpg", ".gif", ".hhc", ".hhk")


class ChmError(Exception):
    """The file cannot be read as a compiled help file at all."""


def _unpack(fmt, data, offset, what):
    size = struct.calcsize(fmt)
    if offset < 0 or offset + size > len(data):
        raise ChmError("%s lies beyond the end of the file" % what)
    return struct.unpack_from(fmt, data, offset)


def _encint(data, offset, end):
    """A variable-length number: 7 bits a byte, most significant first."""
    value = 0
    while True:
        if offset >= end:
            raise ChmError("a directory entry runs past the end of its chunk")
        byte = data[offset]
        offset += 1
        value = (value << 7) | (byte & 0x7F)
        if not byte & 0x80:
            return value, offset


class Entry:
    def __init__(self, name, section, offset, length):
        self.name, self.section, self.offset, self.length = name, section, offset, length


class ChmFile:
    def __init__(self, data):
        self.data = data
        self.entries = {}
        self._read_header()
        self._read_directory()
        self._section1 = None

    def _read_header(self):
        data = self.data
        if len(data) < ITSF_HEADER_V2:
            raise ChmError("the file is %d bytes long, too short for an ITSF header" % len(data))
        if data[:4] != b"ITSF":
            raise ChmError("the file does not begin with the ITSF signature")
        version, header_length = _unpack("<II", data, 4, "the ITSF header")
        if version not in (2, 3):
            raise ChmError("ITSF version %d is not 2 or 3" % version)
        expected = ITSF_HEADER_V3 if version == 3 else ITSF_HEADER_V2
        if header_length != expected or len(data) < expected:
            raise ChmError("the ITSF header is %d bytes long, not %d" % (header_length, expected))
        sizes_offset, sizes_length, self.dir_offset, self.dir_length = _unpack(
            "<QQQQ", data, 0x38, "the ITSF section table")
        if version == 3:
            (self.content_offset,) = _unpack("<Q", data, 0x58, "the content offset")
        else:
            self.content_offset = self.dir_offset + self.dir_length
        # The first header section records the size of the whole file: a short file is cut.
        (file_size,) = _unpack("<Q", data, sizes_offset + 8, "the file size record")
        if file_size != len(data):
            raise ChmError("the file is %d bytes long, its header says %d: it is cut short or "
                           "has bytes added" % (len(data), file_size))
        if self.dir_offset + self.dir_length > len(data) or self.content_offset > len(data):
            raise ChmError("the directory or the content lies beyond the end of the file")

    def _read_directory(self):
        data, base = self.data, self.dir_offset
        if data[base:base + 4] != b"ITSP":
            raise ChmError("the directory does not begin with the ITSP signature")
        (header_length, _, chunk_size, _, _, _, first_pmgl, last_pmgl, _, chunk_count) = _unpack(
            "<IIIIiiiiiI", data, base + 8, "the ITSP header")
        if header_length != ITSP_HEADER_SIZE or chunk_size < PMGL_HEADER_SIZE:
            raise ChmError("the ITSP header gives an impossible header or chunk size")
        chunks = base + header_length
        if chunks + chunk_count * chunk_size > base + self.dir_length:
            raise ChmError("the directory's %d chunks do not fit its %d bytes"
                           % (chunk_count, self.dir_length))
        seen = set()
        chunk = first_pmgl
        while chunk != -1:
            if chunk in seen or not 0 <= chunk < chunk_count:
                raise ChmError("the chain of PMGL chunks is broken at chunk %d" % chunk)
            seen.add(chunk)
            self._read_listing_chunk(chunks + chunk * chunk_size, chunk_size, chunk)
            last_seen = chunk
            (chunk,) = _unpack("<i", data, chunks + chunk * chunk_size + 16, "a PMGL chunk")
        if not seen or last_seen != last_pmgl:
            raise ChmError("the chain of PMGL chunks does not end at the last chunk %d" % last_pmgl)

    def _read_listing_chunk(self, start, size, number):
        data = self.data
        if data[start:start + 4] != b"PMGL":
            raise ChmError("directory chunk %d is not a PMGL listing chunk" % number)
        (free_space,) = _unpack("<I", data, start + 4, "a PMGL chunk")
        end = start + size - free_space
        if free_space > size - PMGL_HEADER_SIZE:
            raise ChmError("directory chunk %d claims more free space than it has" % number)
        at = start + PMGL_HEADER_SIZE
        while at < end:
            name_length, at = _encint(data, at, end)
            if at + name_length > end:
                raise ChmError("a name in directory chunk %d runs past its end" % number)
            name = data[at:at + name_length].decode("utf-8", "replace")
            at += name_length
            section, at = _encint(data, at, end)
            offset, at = _encint(data, at, end)
            length, at = _encint(data, at, end)
            self.entries[name] = Entry(name, section, offset, length)

    def _section0(self, entry):
        start = self.content_offset + entry.offset
        if start + entry.length > len(self.data):
            raise ChmError("%s lies beyond the end of the file" % entry.name)
        return self.data[start:start + entry.length]

    def _decompressed_section(self):
        if self._section1 is not None:
            return self._section1
        for name in (CONTENT, CONTROL_DATA, RESET_TABLE):
            if name not in self.entries or self.entries[name].section != 0:
                raise ChmError("the compressed section's %s is missing" % name.split("/")[-1])
        control = self._section0(self.entries[CONTROL_DATA])
        if len(control) < 24 or control[4:8] != b"LZXC":
            raise ChmError("the compressed section's control data is not LZXC")
        version, reset_interval, window_size = struct.unpack_from("<III", control, 8)
        if version == 2:
            reset_interval *= lzx.FRAME_SIZE
            window_size *= lzx.FRAME_SIZE
        if window_size <= 0 or window_size & (window_size - 1):
            raise ChmError("the LZX window size %d is not a power of two" % window_size)
        if reset_interval <= 0 or reset_interval % lzx.FRAME_SIZE:
            raise ChmError("the LZX reset interval %d is not a whole number of frames"
                           % reset_interval)
        table = self._section0(self.entries[RESET_TABLE])
        if len(table) < 40:
            raise ChmError("the LZX reset table is too short")
        (uncompressed_length,) = struct.unpack_from("<Q", table, 16)
        content = self._section0(self.entries[CONTENT])
        try:
            self._section1 = lzx.decompress(content, uncompressed_length,
                                            window_size.bit_length() - 1,
                                            reset_interval // lzx.FRAME_SIZE)
        except lzx.LzxError as error:
            raise ChmError("the compressed section does not decompress: %s" % error)
        return self._section1

    def read(self, name):
        entry = self.entries.get(name)
        if entry is None:
            raise KeyError(name)
        if entry.section == 0:
            return self._section0(entry)
        if entry.section != 1:
            raise ChmError("%s lies in an unknown section %d" % (name, entry.section))
        section = self._decompressed_section()
        if entry.offset + entry.length > len(section):
            raise ChmError("%s lies beyond the end of the compressed section" % name)
        return section[entry.offset:entry.offset + entry.length]

    def files(self):
        """The help's own files: not the compiler's internal ones."""
        return sorted(name for name in self.entries
                      if name.startswith("/") and not name.startswith(("/#", "/$"))
                      and not name.endswith("/"))

    def system_records(self):
        data = self.read("/#SYSTEM")
        records, at = {}, 4
        while at + 4 <= len(data):
            code, length = struct.unpack_from("<HH", data, at)
            records[code] = data[at + 4:at + 4 + length]
            at += 4 + length
        return records


class _References(html.parser.HTMLParser):
    """The addresses a page refers to, and the pages a contents or index file names."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.links = []
        self.locals = []

    def handle_starttag(self, tag, attrs):
        attributes = dict(attrs)
        for key in ("href", "src"):
            if attributes.get(key):
                self.links.append(attributes[key])
        if tag == "param" and (attributes.get("name") or "").lower() == "local":
            self.locals.append(attributes.get("value") or "")


def _references(text):
    parser = _References()
    parser.feed(text.decode("latin-1"))
    parser.close()
    return parser


def _resolve(page, address):
    """The directory name an address on a page points to, or None for outside addresses."""
    parts = urllib.parse.urlsplit(address)
    if parts.scheme or parts.netloc or not parts.path:
        return None
    path = urllib.parse.unquote(parts.path)
    return posixpath.normpath(posixpath.join(posixpath.dirname(page), path))


def _text(value):
    return value.split(b"\0", 1)[0].decode("latin-1")


def check(chm, sources=None):
    problems = []
    files = chm.files()
    names = set(files)
    # Reading every file decompresses the whole section and proves every entry is in it.
    contents = {}
    for name in files:
        contents[name] = chm.read(name)

    records = chm.system_records()
    toc_name = _text(records.get(SYSTEM_CONTENTS, b""))
    index_name = _text(records.get(SYSTEM_INDEX, b""))
    default_topic = _text(records.get(SYSTEM_DEFAULT_TOPIC, b""))
    reachable = set()
    if not toc_name:
        problems.append("#SYSTEM names no contents file")
    for label, name in (("contents file", toc_name), ("index file", index_name)):
        if not name:
            continue
        path = "/" + name
        if path not in names:
            problems.append("the %s %s is not inside" % (label, name))
            continue
        pages = _references(contents[path]).locals
        if not pages:
            problems.append("the %s %s names no page" % (label, name))
        for page in pages:
            target = _resolve("/", page)
            if target not in names:
                problems.append("the %s names %s, which is not inside" % (label, page))
            elif label == "contents file":
                reachable.add(target)
    if not default_topic:
        problems.append("#SYSTEM names no default topic")
    elif "/" + default_topic not in names:
        problems.append("the default topic %s is not inside" % default_topic)

    pages = [name for name in files if name.lower().endswith(PAGE_EXTENSIONS)]
    for page in pages:
        for address in _references(contents[page]).links:
            target = _resolve(page, address)
            if target is not None and target not in names:
                problems.append("%s refers to %s, which is not inside" % (page[1:], address))
    for page in pages:
        if page not in reachable:
            problems.append("%s is not in the contents" % page[1:])

    if sources:
        problems.extend(_compare_with_sources(contents, sources))
    summary = "%d files, %d pages, %d in the contents" % (len(files), len(pages), len(reachable))
    return problems, summary


def _compare_with_sources(contents, folder):
    problems = []
    for root, _, names in os.walk(folder):
        for name in sorted(names):
            if not name.lower().endswith(SOURCE_EXTENSIONS):
                continue
            path = os.path.join(root, name)
            inside = "/" + os.path.relpath(path, folder).replace(os.sep, "/")
            if inside not in contents:
                problems.append("%s of the help folder is not inside" % inside[1:])
                continue
            with open(path, "rb") as source:
                if source.read() != contents[inside]:
                    problems.append("%s inside differs from the help folder's" % inside[1:])
    return problems


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("chm")
    parser.add_argument("--sources", help="the help folder the file was compiled from")
    args = parser.parse_args(argv)
    try:
        with open(args.chm, "rb") as source:
            chm = ChmFile(source.read())
        problems, summary = check(chm, args.sources)
    except (ChmError, OSError) as error:
        problems, summary = [str(error)], ""
    name = os.path.basename(args.chm)
    for problem in problems:
        print("%s: %s" % (name, problem))
    if problems:
        return 1
    print("%s: %s, all present" % (name, summary))
    return 0


if __name__ == "__main__":
    sys.exit(main())
