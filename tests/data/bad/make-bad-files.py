#!/usr/bin/env python3
"""Writes the corpus of bad files beside this script and its MANIFEST.

Every file is made here on purpose, one fault each, starting from a small
valid file of its kind. The files are committed; rerun this script only to
change the corpus (python3, and ImageMagick's convert for the CMYK JPEG):

    python3 tests/data/bad/make-bad-files.py

Each MANIFEST line names the reader, the file (relative to this folder), the
result and a detail, separated by tabs. The result is the framework's
exception class the program's entry point must throw, with a message
fragment as the detail when the message is ours and stable; or "loads" for a
file the program accepts by design, with what it must have loaded.
"""

import os
import shutil
import struct
import subprocess
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.abspath(os.path.join(HERE, "..", "..", ".."))
manifest = []


def put(reader, name, data, result, detail=""):
    path = os.path.join(HERE, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode("utf-8"))
    if reader:
        manifest.append((reader, name, result, detail))


def link(reader, name, target, result, detail=""):
    """A symbolic link: git keeps it as one, so the corpus can hold a file
    that is a device on every machine."""
    path = os.path.join(HERE, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    os.symlink(target, path)
    if reader:
        manifest.append((reader, name, result, detail))


# --- BMP -------------------------------------------------------------------

def bmp(width=4, height=2, bits=24, compression=0, pixels=None, palette=None, clr_used=0, header_size=40,
        planes=1, off_bits=None, masks=b"", size_image=0):
    if palette is None:
        palette = b"" if bits > 8 else b"".join(bytes((i, i, i, 0)) for i in range(min(1 << bits, 16)))
        if bits <= 8 and not clr_used:
            clr_used = min(1 << bits, 16)
    if pixels is None:
        row = ((max(width, 0) * bits + 31) // 32) * 4
        pixels = bytes(min(row * abs(height), 4096))
    info = struct.pack("<IiiHHIIiiII", header_size, width, height, planes, bits, compression, size_image, 2835,
                       2835, clr_used, 0)
    info = info + bytes(max(0, header_size - 40))
    if off_bits is None:
        off_bits = 14 + len(info) + len(masks) + len(palette)
    body = info + masks + palette + pixels
    return b"BM" + struct.pack("<IHHI", 14 + len(body), 0, 0, off_bits) + body


def rle8(width, height, stream, **kw):
    return bmp(width, height, 8, compression=1, pixels=bytes(stream), size_image=len(stream), **kw)


def make_bmp():
    r = "picture"
    good = bmp()
    put(r, "bmp/empty.bmp", b"", "loads", "0x0")
    put(r, "bmp/signature-only.bmp", b"BM", "EInvalidGraphic", "the file is too short")
    put(r, "bmp/short-file-header.bmp", good[:16], "EInvalidGraphic", "the file is too short")
    put(r, "bmp/no-signature.bmp", b"XM" + good[2:], "EInvalidGraphic", "no BM signature")
    put(None, "bmp/a-folder.bmp/README", "A folder named like a picture: opening it must fail as for a file.\n", None)
    manifest.append((r, "bmp/a-folder.bmp", "EFOpenError", "Cannot open file"))
    # A device never ends; reading takes regular files only.
    link(r, "bmp/device.bmp", "/dev/zero", "EFOpenError", "Cannot open file")
    put(r, "bmp/png-named-bmp.bmp", open(os.path.join(ROOT, "fuzz/corpus/png/rgb.png"), "rb").read(),
        "EInvalidGraphic", "no BM signature")
    put(r, "bmp/header-size-99.bmp", bmp(header_size=99), "EInvalidGraphic", "unsupported header size 99")
    put(r, "bmp/truncated-info-header.bmp", good[:30], "EInvalidGraphic", "the header is truncated")
    put(r, "bmp/two-planes.bmp", bmp(planes=2), "EInvalidGraphic", "plane count must be 1")
    put(r, "bmp/zero-width.bmp", bmp(width=0), "EInvalidGraphic", "width must be positive")
    put(r, "bmp/negative-width.bmp", bmp(width=-4), "EInvalidGraphic", "width must be positive")
    put(r, "bmp/zero-height.bmp", bmp(height=0), "EInvalidGraphic", "height must not be zero")
    put(r, "bmp/huge-width.bmp", bmp(width=0x7FFFFFFF, pixels=bytes(64)), "EInvalidGraphic",
        "the picture is too large")
    put(r, "bmp/huge-area.bmp", bmp(width=30000, height=30000, pixels=bytes(64)), "EInvalidGraphic",
        "the picture is too large (30000 x 30000)")
    put(r, "bmp/most-negative-height.bmp", bmp(height=-0x80000000, pixels=bytes(64)), "EInvalidGraphic",
        "the picture is too large")
    put(r, "bmp/bit-count-7.bmp", bmp(bits=7, palette=b""), "EInvalidGraphic", "unsupported bit count 7")
    put(r, "bmp/bit-count-0.bmp", bmp(bits=0, palette=b""), "EInvalidGraphic", "unsupported bit count 0")
    core = struct.pack("<IHHHH", 12, 4, 2, 1, 16)
    put(r, "bmp/core-header-16-bits.bmp", b"BM" + struct.pack("<IHHI", 14 + 12 + 16, 0, 0, 26) + core + bytes(16),
        "EInvalidGraphic", "unsupported bit count 16")
    put(r, "bmp/palette-too-many-entries.bmp", bmp(bits=8, clr_used=300), "EInvalidGraphic",
        "the palette has more entries than the bit count allows")
    full = bmp(bits=8, palette=bytes(1024), clr_used=256)
    put(r, "bmp/palette-truncated.bmp", full[:14 + 40 + 100], "EInvalidGraphic",
        "the palette runs past the end of the file")
    put(r, "bmp/index-past-palette.bmp",
        bmp(bits=8, palette=bytes(8), clr_used=2, pixels=bytes([0, 1, 5, 0, 0, 0, 0, 0])),
        "EInvalidGraphic", "a pixel refers past the end of the palette")
    put(r, "bmp/mono-index-past-palette.bmp",
        bmp(bits=1, palette=bytes(4), clr_used=1, pixels=bytes([0x40, 0, 0, 0, 0, 0, 0, 0])),
        "EInvalidGraphic", "a pixel refers past the end of the palette")
    put(r, "bmp/pixels-truncated.bmp", bmp(width=10, height=10, pixels=bytes(100)), "EInvalidGraphic",
        "the pixel data is truncated")
    put(r, "bmp/pixels-inside-header.bmp", bmp(off_bits=20), "EInvalidGraphic",
        "the pixel data starts inside the header")
    put(r, "bmp/pixels-past-end.bmp", bmp(off_bits=100000), "EInvalidGraphic", "there is no pixel data")
    put(r, "bmp/compression-jpeg.bmp", bmp(compression=4), "EInvalidGraphic", "unsupported compression 4")
    put(r, "bmp/compression-huge.bmp", bmp(compression=0xFFFFFFFF), "EInvalidGraphic",
        "unsupported compression 4294967295")
    put(r, "bmp/rle8-with-24-bits.bmp", bmp(bits=24, compression=1), "EInvalidGraphic", "RLE8 needs 8 bits per pixel")
    put(r, "bmp/rle4-with-8-bits.bmp", bmp(bits=8, compression=2), "EInvalidGraphic", "RLE4 needs 4 bits per pixel")
    put(r, "bmp/rle8-top-down.bmp", rle8(4, -2, [4, 1, 0, 0, 4, 1, 0, 1]), "EInvalidGraphic",
        "compressed pictures must be stored bottom-up")
    put(r, "bmp/rle8-run-past-row.bmp", rle8(4, 2, [9, 1, 0, 1]), "EInvalidGraphic",
        "a compressed run leaves the picture")
    put(r, "bmp/rle8-run-past-last-row.bmp", rle8(4, 2, [0, 0, 0, 0, 4, 1, 0, 1]), "EInvalidGraphic",
        "a compressed run leaves the picture")
    put(r, "bmp/rle8-no-end.bmp", rle8(4, 2, [4, 1]), "EInvalidGraphic",
        "the compressed data ends before the picture does")
    put(r, "bmp/rle8-move-out.bmp", rle8(4, 2, [0, 2, 200, 0, 0, 1]), "EInvalidGraphic",
        "a compressed move leaves the picture")
    put(r, "bmp/rle8-absolute-truncated.bmp", rle8(4, 2, [0, 4, 1, 2]), "EInvalidGraphic",
        "the compressed data is truncated")
    put(r, "bmp/rle8-too-many-lines.bmp", rle8(4, 2, [0, 0] * 5 + [0, 1]), "EInvalidGraphic",
        "the compressed data has more lines than the picture")
    put(r, "bmp/rle8-index-past-palette.bmp", rle8(4, 2, [4, 200, 0, 1]), "EInvalidGraphic",
        "a pixel refers past the end of the palette")
    put(r, "bmp/rle4-odd-run-past-row.bmp",
        bmp(3, 1, 4, compression=2, pixels=bytes([0, 5, 0x12, 0x34, 0x50, 0, 0, 1])), "EInvalidGraphic",
        "a compressed run leaves the picture")
    put(r, "bmp/bitfields-24-bits.bmp", bmp(bits=24, compression=3, masks=struct.pack("<III", 0xFF0000, 0xFF00, 0xFF)),
        "EInvalidGraphic", "colour masks need 16 or 32 bits per pixel")
    put(r, "bmp/bitfields-gap.bmp", bmp(bits=32, compression=3, masks=struct.pack("<III", 0xF0F000, 0xFF00, 0xFF)),
        "EInvalidGraphic", "colour masks must be contiguous")
    put(r, "bmp/bitfields-wider-than-pixel.bmp",
        bmp(bits=16, compression=3, masks=struct.pack("<III", 0xFFFF0, 0x3E0, 0x1F)), "EInvalidGraphic",
        "a colour mask is wider than the pixel")
    put(r, "bmp/bitfields-masks-truncated.bmp", bmp(bits=32, compression=3, pixels=b"")[:14 + 40 + 6],
        "EInvalidGraphic", "the colour masks are truncated")
    # Forgiven by design: every line closed, only the end-of-picture mark missing.
    put(r, "bmp/rle8-no-end-mark.bmp", rle8(4, 2, [4, 1, 0, 0, 4, 2, 0, 0]), "loads", "4x2")


# --- PNG -------------------------------------------------------------------

PNG_SIG = b"\x89PNG\r\n\x1a\n"


def chunk(kind, data, crc=None):
    if crc is None:
        crc = zlib.crc32(kind + data) & 0xFFFFFFFF
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", crc)


def ihdr(w=4, h=2, depth=8, color=2, compression=0, filt=0, interlace=0):
    return chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, depth, color, compression, filt, interlace))


def raw_rows(w=4, h=2, channels=3):
    return b"".join(b"\x00" + bytes(range(w * channels)) for _ in range(h))


def png(*chunks):
    return PNG_SIG + b"".join(chunks)


def make_png():
    r = "picture"
    idat = chunk(b"IDAT", zlib.compress(raw_rows()))
    iend = chunk(b"IEND", b"")
    good = png(ihdr(), idat, iend)
    put(r, "png/empty.png", b"", "EInvalidGraphic", "signature is missing")
    put(r, "png/signature-only.png", PNG_SIG, "EInvalidGraphic", "file is truncated")
    put(r, "png/bad-signature.png", b"\x89PNG\n\r\x1a\n" + good[8:], "EInvalidGraphic", "signature is missing")
    put(r, "png/ihdr-truncated.png", good[:8 + 8 + 5], "EInvalidGraphic", "file is truncated")
    put(r, "png/ihdr-bad-crc.png", png(ihdr()[:-4] + b"\0\0\0\0", idat, iend), "EInvalidGraphic", "CRC error")
    put(r, "png/zero-width.png", png(ihdr(w=0), idat, iend), "EInvalidGraphic", "Invalid IHDR data")
    put(r, "png/huge-width.png", png(ihdr(w=1000000), idat, iend), "EInvalidGraphic", "Invalid IHDR data")
    put(r, "png/width-over-2g.png", png(ihdr(w=0x80000000), idat, iend), "EInvalidGraphic", "Invalid image (PNG)")
    put(r, "png/huge-area.png", png(ihdr(w=30000, h=30000), idat, iend), "EInvalidGraphic",
        "picture is too large")
    put(r, "png/bit-depth-3.png", png(ihdr(depth=3), idat, iend), "EInvalidGraphic", "Invalid IHDR data")
    put(r, "png/colour-type-5.png", png(ihdr(color=5), idat, iend), "EInvalidGraphic", "Invalid IHDR data")
    put(r, "png/interlace-method-2.png", png(ihdr(interlace=2), idat, iend), "EInvalidGraphic", "Invalid IHDR data")
    put(r, "png/compression-method-1.png", png(ihdr(compression=1), idat, iend), "EInvalidGraphic",
        "Invalid IHDR data")
    put(r, "png/palette-missing.png", png(ihdr(color=3), idat, iend), "EInvalidGraphic", "Missing PLTE")
    put(r, "png/palette-too-long.png", png(ihdr(color=3), chunk(b"PLTE", bytes(300 * 3)), idat, iend),
        "EInvalidGraphic", "Invalid image (PNG)")
    put(r, "png/palette-not-triples.png", png(ihdr(color=3), chunk(b"PLTE", bytes(7)), idat, iend),
        "EInvalidGraphic", "Invalid image (PNG)")
    put(r, "png/idat-not-zlib.png", png(ihdr(), chunk(b"IDAT", b"this is not zlib data"), iend), "EInvalidGraphic",
        "Invalid image (PNG)")
    put(r, "png/idat-zlib-cut.png", png(ihdr(), chunk(b"IDAT", zlib.compress(raw_rows())[:6]), iend),
        "EInvalidGraphic", "Invalid image (PNG)")
    put(r, "png/idat-too-short.png", png(ihdr(), chunk(b"IDAT", zlib.compress(raw_rows()[:5])), iend),
        "EInvalidGraphic", "Invalid image (PNG)")
    put(r, "png/idat-bad-crc.png", png(ihdr(), idat[:-4] + b"\x12\x34\x56\x78", iend), "EInvalidGraphic", "CRC error")
    put(r, "png/idat-bad-filter.png",
        png(ihdr(), chunk(b"IDAT", zlib.compress(b"".join(b"\x09" + bytes(12) for _ in range(2)))), iend),
        "EInvalidGraphic", "Invalid image (PNG)")
    put(r, "png/no-idat.png", png(ihdr(), iend), "EInvalidGraphic", "Invalid image (PNG)")
    put(r, "png/no-ihdr.png", png(idat, iend), "EInvalidGraphic", "Invalid image (PNG)")
    put(r, "png/no-iend.png", png(ihdr(), idat), "EInvalidGraphic", "file is truncated")
    put(r, "png/chunk-length-huge.png", png(ihdr(), b"\x7f\xff\xff\xf0IDAT" + bytes(16), iend), "EInvalidGraphic",
        "file is truncated")
    put(r, "png/chunk-length-negative.png", png(ihdr(), b"\xff\xff\xff\xf0IDAT" + bytes(16), iend),
        "EInvalidGraphic", "chunk length is out of range")
    put(r, "png/unknown-critical-chunk.png", png(ihdr(), chunk(b"ABCD", b"1234"), idat, iend), "EInvalidGraphic",
        "Invalid image (PNG)")
    # The zlib stream inflates to 16 MB of zero rows for a 4 x 2 picture.
    put(r, "png/idat-zlib-bomb.png", png(ihdr(), chunk(b"IDAT", zlib.compress(bytes(16 << 20), 9)), iend),
        "loads", "4x2")
    put(r, "png/jpeg-named-png.png", open(os.path.join(ROOT, "fuzz/corpus/jpeg/baseline.jpg"), "rb").read(),
        "EInvalidGraphic", "signature is missing")


# --- JPEG ------------------------------------------------------------------

def segments(data):
    """The marker segments of a baseline file up to its scan, and the rest."""
    out, i = [], 2
    while True:
        marker = data[i + 1]
        length = data[i + 2] << 8 | data[i + 3]
        out.append((marker, data[i + 4:i + 2 + length]))
        i += 2 + length
        if marker == 0xDA:
            return out, data[i:]


def jpeg(segs, scan):
    return b"\xff\xd8" + b"".join(b"\xff" + bytes([m]) + struct.pack(">H", len(p) + 2) + p for m, p in segs) + scan


def replace(segs, marker, payload, nth=0):
    out, seen = [], 0
    for m, p in segs:
        if m == marker:
            if seen == nth:
                p = payload(p) if callable(payload) else payload
            seen += 1
        out.append((m, p))
    return out


def make_jpeg():
    r = "picture"
    good = open(os.path.join(ROOT, "fuzz/corpus/jpeg/baseline.jpg"), "rb").read()
    segs, scan = segments(good)
    sof = [p for m, p in segs if m == 0xC0][0]

    def sof_with(precision=None, h=None, w=None, comps=None, sampling=None, table=None):
        p = bytearray(sof)
        if precision is not None: p[0] = precision
        if h is not None: p[1:3] = struct.pack(">H", h)
        if w is not None: p[3:5] = struct.pack(">H", w)
        if comps is not None: p[5] = comps
        if sampling is not None: p[7] = sampling
        if table is not None: p[8] = table
        return bytes(p)

    put(r, "jpeg/empty.jpg", b"", "EInvalidGraphic", "the JPEG data is empty")
    put(r, "jpeg/not-a-jpeg.jpg", b"GIF89a" + bytes(20), "EInvalidGraphic", "not a JPEG file")
    put(r, "jpeg/soi-only.jpg", b"\xff\xd8\xff", "EInvalidGraphic", "Invalid image (JPEG)")
    put(r, "jpeg/cut-in-header.jpg", good[:100], "EInvalidGraphic", "Invalid image (JPEG)")
    put(r, "jpeg/cut-in-scan.jpg", good[:len(good) - 20], "EInvalidGraphic", "the JPEG data ends early")
    put(r, "jpeg/no-eoi.jpg", good[:-2], "EInvalidGraphic", "the JPEG data ends early")
    put(r, "jpeg/segment-length-1.jpg", good[:2] + b"\xff\xe0\x00\x01" + good[2:], "EInvalidGraphic",
        "a marker segment has an impossible length")
    put(r, "jpeg/huge-dimensions.jpg", jpeg(replace(segs, 0xC0, sof_with(h=65000, w=65000)), scan),
        "EInvalidGraphic", "the picture is too large (65000 x 65000)")
    put(r, "jpeg/zero-width.jpg", jpeg(replace(segs, 0xC0, sof_with(w=0)), scan), "EInvalidGraphic",
        "Invalid image (JPEG)")
    put(r, "jpeg/zero-components.jpg", jpeg(replace(segs, 0xC0, sof_with(comps=0)[:6]), scan), "EInvalidGraphic",
        "Invalid image (JPEG)")
    put(r, "jpeg/precision-12.jpg", jpeg(replace(segs, 0xC0, sof_with(precision=12)), scan), "EInvalidGraphic",
        "Invalid image (JPEG)")
    put(r, "jpeg/sampling-5.jpg", jpeg(replace(segs, 0xC0, sof_with(sampling=0x55)), scan), "EInvalidGraphic",
        "Invalid image (JPEG)")
    put(r, "jpeg/quant-table-9.jpg", jpeg(replace(segs, 0xC0, sof_with(table=9)), scan), "EInvalidGraphic",
        "Invalid image (JPEG)")
    put(r, "jpeg/dqt-index-7.jpg", jpeg(replace(segs, 0xDB, lambda p: bytes([7]) + p[1:]), scan),
        "EInvalidGraphic", "Invalid image (JPEG)")
    put(r, "jpeg/dqt-truncated.jpg", jpeg(replace(segs, 0xDB, lambda p: p[:30]), scan), "EInvalidGraphic",
        "Invalid image (JPEG)")
    put(r, "jpeg/dht-counts-over-256.jpg", jpeg(replace(segs, 0xC4, lambda p: p[:1] + bytes([255] * 16) + p[17:]), scan),
        "EInvalidGraphic", "Invalid image (JPEG)")
    put(r, "jpeg/dht-class-5.jpg", jpeg(replace(segs, 0xC4, lambda p: bytes([0x50]) + p[1:]), scan),
        "EInvalidGraphic", "Invalid image (JPEG)")
    sos = [p for m, p in segs if m == 0xDA][0]
    put(r, "jpeg/scan-huffman-table-3.jpg", jpeg(replace(segs, 0xDA, sos[:2] + b"\x33" + sos[3:]), scan),
        "EInvalidGraphic", "Invalid image (JPEG)")
    put(r, "jpeg/scan-unknown-component.jpg", jpeg(replace(segs, 0xDA, sos[:1] + b"\x09" + sos[2:]), scan),
        "EInvalidGraphic", "Invalid image (JPEG)")
    put(r, "jpeg/eoi-before-frame.jpg", b"\xff\xd8\xff\xd9", "EInvalidGraphic", "Invalid image (JPEG)")
    put(r, "jpeg/scan-before-frame.jpg", jpeg([(m, p) for m, p in segs if m != 0xC0], scan), "EInvalidGraphic",
        "Invalid image (JPEG)")
    put(r, "jpeg/png-named-jpg.jpg", open(os.path.join(ROOT, "fuzz/corpus/png/rgb.png"), "rb").read(),
        "EInvalidGraphic", "not a JPEG file")
    cmyk = os.path.join(HERE, "jpeg", "cmyk.jpg")
    subprocess.run(["convert", "-size", "8x8", "xc:#3060c0", "-colorspace", "CMYK", "-strip", "-quality", "90",
                    cmyk], check=True)
    manifest.append((r, "jpeg/cmyk.jpg", "EInvalidGraphic", "CMYK JPEG pictures are not supported"))
    # libjpeg supplies the standard Huffman tables a motion-JPEG frame leaves out.
    put(r, "jpeg/no-huffman-tables.jpg", jpeg([(m, p) for m, p in segs if m != 0xC4], scan), "loads",
        "%dx%d" % (struct.unpack(">H", sof[3:5])[0], struct.unpack(">H", sof[1:3])[0]))


# --- window descriptions -----------------------------------------------------

def make_descriptions():
    r = "description"
    d = "description/"
    form = "object Form1: TForm\n%s\nend\n"
    cases = [
        ("empty.dfm", "", "EReadError", "line 1"),
        ("blank.dfm", "\n\n   \n", "EReadError", "line 4"),
        ("no-object.dfm", "Left = 10\n", "EReadError", "line 1"),
        ("unterminated-object.dfm", "object Form1: TForm\n  Left = 10\n  object P: TPanel\n    Top = 1\n",
         "EReadError", "line 5"),
        ("unterminated-root.dfm", "object Form1: TForm\n  Left = 10\n", "EReadError", "line 3"),
        ("end-without-object.dfm", "end\n", "EReadError", "line 1"),
        ("object-without-class.dfm", "object Form1\n  Left = 10\nend\n", "EReadError",
         "line 1: Class Form1 does not match the root class"),
        ("unknown-class.dfm", form % "  object X: TNoSuchClass\n  end", "EReadError", "Class TNoSuchClass not found"),
        ("root-class-mismatch.dfm", "object Form1: TButton\nend\n", "EReadError",
         "Class TButton does not match the root class"),
        ("unknown-property.dfm", form % "  Wobble = 3", "EReadError", "Property Wobble does not exist"),
        ("unknown-sub-property.dfm", form % "  Font.Wobble = 3", "EReadError", "Property Font.Wobble does not exist"),
        ("string-for-integer.dfm", form % "  Left = 'ten'", "EReadError", "Error reading Form1.Left"),
        ("integer-too-big.dfm", form % "  Left = 99999999999", "EReadError", "out of range"),
        ("number-too-long.dfm", form % ("  Left = " + "1" * 100), "EReadError", "line 2"),
        ("unterminated-string.dfm", form % "  Caption = 'Сортарий", "EReadError", "line 2"),
        ("string-across-lines.dfm", form % "  Caption = 'Сорт\narий'", "EReadError", "line 2"),
        ("bad-char-code.dfm", form % "  Caption = #99999999999", "EReadError", "line 2"),
        ("identifier-too-long.dfm", form % ("  " + "A" * 300 + " = 1"), "EReadError", "line 2"),
        ("unknown-enum.dfm", form % "  BorderStyle = bsWobbly", "EReadError", "Error reading Form1.BorderStyle"),
        ("unknown-set-member.dfm", form % "  BorderIcons = [biSystemMenu, biWobble]", "EReadError",
         "Error reading Form1.BorderIcons"),
        ("unterminated-set.dfm", form % "  BorderIcons = [biSystemMenu,\n", "EReadError", "line"),
        ("unknown-colour.dfm", form % "  Color = clWobble", "EReadError", "Error reading Form1.Color"),
        ("unknown-event-handler.dfm", form % "  OnCreate = NoSuchHandler", "EReadError", "Error reading Form1.OnCreate"),
        ("unterminated-list.dfm", form % "  object M: TRichEdit\n    Lines.Strings = (\n      'a'\n  end",
         "EReadError", "line"),
        ("list-of-numbers.dfm", form % "  object M: TRichEdit\n    Lines.Strings = (\n      1 2)\n  end", "EReadError",
         "line 4"),
        ("unterminated-collection.dfm", form % "  object G: TsRadioGroup\n    Items.Strings = <\n      item\n  end",
         "EReadError", "line"),
        ("binary-odd-digits.dfm", form % "  object B: TsBitBtn\n    Glyph.Data = {0A0}\n  end", "EReadError",
         "line 3"),
        ("binary-not-hex.dfm", form % "  object B: TsBitBtn\n    Glyph.Data = {0AZZ}\n  end", "EReadError",
         "line 3"),
        ("binary-unterminated.dfm", form % "  object B: TsBitBtn\n    Glyph.Data = {0A0B0C\n  end", "EReadError",
         "line"),
        ("glyph-length-past-block.dfm", form % "  object B: TsBitBtn\n    Glyph.Data = {FF000000424D}\n  end",
         "EReadError", "Error reading B.Glyph.Data"),
        ("glyph-bad-bitmap.dfm",
         form % "  object B: TsBitBtn\n    Glyph.Data = {0A000000424D0000000000000000}\n  end", "EReadError",
         "Error reading B.Glyph.Data"),
        ("duplicate-name.dfm", form % "  object P: TPanel\n  end\n  object P: TPanel\n  end", "EReadError",
         "A component named P already exists"),
        ("bad-component-name.dfm", form % "  object 'P': TPanel\n  end", "EReadError", "line 2"),
        ("nesting-100-deep.dfm",
         "object Form1: TForm\n" + "".join("object P%d: TPanel\n" % i for i in range(100)) + "end\n" * 101,
         "EReadError", "line"),
        ("text-after-end.dfm", form % "  Left = 1" + "object Again: TForm\nend\n", "EReadError", "line 4"),
        ("nul-bytes.dfm", "object Form1: TForm\n  Left = 1\0\0\0\nend\n", "EReadError", "line 2"),
        ("binary-garbage.dfm", bytes(range(256)) * 4, "EReadError", "line"),
        ("utf16-text.dfm", (form % "  Left = 1").encode("utf-16"), "EReadError", "line 1"),
    ]
    # A second skin manager on the new form, with a stored skin of its own.
    def manager(body):
        return form % ("  object M: TsSkinManager\n    InternalSkins = <\n      item\n        Name = 'Bad'\n" + body +
                       "      end>\n    SkinName = 'Bad'\n  end")
    image = ("        Images = <\n          item\n            SectionName = 'BUTTON'\n"
             "            PropertyName = 'BORDERSMASK'\n            Left = %d\n            Top = %d\n"
             "            Right = %d\n            Bottom = %d\n            ImageCount = %d\n"
             "            MaskType = 1\n          end>\n")
    master = "        MasterBitmap.Data = {%s}\n"

    def block(data, claimed=None):  # a bitmap block: its length, then the BMP file
        return (struct.pack("<I", len(data) if claimed is None else claimed) + data).hex().upper()
    good_master = block(bmp(8, 8, 24))
    sections = "        GeneralData = <\n          item\n            SectionName = 'BUTTON'\n          end>\n"
    cases += [
        ("stored-skin-master-not-bmp.dfm", manager(master % block(b"\0\1\2\3\4\5\6\xff")), "EReadError",
         "Error reading M.InternalSkins"),
        ("stored-skin-master-cut.dfm", manager(master % block(bmp(8, 8, 24)[:40], 65536)), "EReadError",
         "Error reading M.InternalSkins"),
        ("stored-skin-unknown-property.dfm", manager("        Wobble = 1\n"), "EReadError", "Wobble"),
        ("stored-skin-bad-img-type.dfm", manager("        Images = <\n          item\n            ImgType = itisaWobble\n"
                                                 "          end>\n"), "EReadError", "Error reading M.InternalSkins"),
    ]
    for name, text, result, detail in cases:
        put(r, d + name, text, result, detail)
    # Loads by design: an image cut from far outside the master bitmap, or
    # with no frames at all, is held as stored; drawing clips it.
    for name, rect in (("stored-skin-image-past-master.dfm", (5000, 5000, 9000, 9000, 3)),
                       ("stored-skin-image-inverted.dfm", (8, 8, 0, 0, 0))):
        put(r, d + name, manager(sections + image % rect + master % good_master), "loads", "components=1")


# --- listings ----------------------------------------------------------------

def make_listings():
    r = "listing"
    d = "listing/"
    body = "program Sort;\r\nbegin\r\nend.\r\n"
    link(r, d + "device.txt", "/dev/zero", "EFOpenError", "Cannot open file")
    put(r, d + "binary.txt", bytes(range(256)) * 8, "EReadError", "Failed to Load Stream")
    put(r, d + "nul-in-text.txt", b"program Sort;\r\n\0begin end.\r\n", "EReadError", "Failed to Load Stream")
    put(r, d + "control-characters.txt", b"a\x01b\x02c\x03d\x04" * 20, "EReadError", "Failed to Load Stream")
    put(r, d + "rtf-with-nul.rtf", b"{\\rtf1\\ansi program\\par \0 Sort}", "EReadError", "Failed to Load Stream")
    put(r, d + "zip-named-txt.txt", open(os.path.join(ROOT, "resources/INTERNAL_ZIP.zip"), "rb").read(), "EReadError",
        "Failed to Load Stream")
    put(r, d + "png-named-txt.txt", open(os.path.join(ROOT, "fuzz/corpus/png/rgb.png"), "rb").read(), "EReadError",
        "Failed to Load Stream")
    # Accepted by design: rich text is read forgivingly, plain text in any
    # of the encodings a listing may come in.
    put(r, d + "rtf-unclosed-groups.rtf", "{\\rtf1\\ansi {\\b program Sort;\\par {\\i begin", "loads",
        "program Sort;")
    put(r, d + "rtf-extra-closing.rtf", "{\\rtf1\\ansi program}}} Sort;\\par}", "loads", "program")
    put(r, d + "rtf-deep-nesting.rtf", "{\\rtf1 " + "{" * 20000 + "deep" + "}" * 20000 + "}", "loads", "deep")
    put(r, d + "rtf-unicode-out-of-range.rtf",
        "{\\rtf1\\ansi begin\\u99999999999?\\u-1?\\u1114112?\\u55296?end\\par}", "loads", "begin")
    put(r, d + "rtf-unicode-no-number.rtf", "{\\rtf1\\ansi a\\u b\\uc99999 c\\par}", "loads", "a")
    put(r, d + "rtf-bad-hex-escape.rtf", "{\\rtf1\\ansi\\ansicpg1251 \\'e2\\'zz\\'4\\par}", "loads", "в")
    put(r, d + "rtf-bin-past-end.rtf", "{\\rtf1\\ansi text\\bin999999999 xyz}", "loads", "text")
    put(r, d + "rtf-huge-numbers.rtf", "{\\rtf1\\ansi\\fs99999999999999999999 big\\cf-7 \\f99999 text\\par}",
        "loads", "big")
    put(r, d + "rtf-unknown-words.rtf", "{\\rtf1\\wobble\\wibble7{\\*\\nothing here}program\\par}", "loads",
        "program")
    put(r, d + "rtf-font-table-loop.rtf", "{\\rtf1{\\fonttbl{\\f0{\\f1{\\f2 x;}}}}Sort\\par}", "loads", "Sort")
    put(r, d + "cp1251.txt", "программа Сорт;\r\n".encode("cp1251"), "loads", "программа Сорт;")
    put(r, d + "utf8-broken.txt", b"program \xd0 Sort \xff\xfe end.\r\n", "loads", "program")
    put(r, d + "utf16le-odd-length.txt", b"\xff\xfe" + "begin".encode("utf-16-le") + b"\x41", "loads", "begin")
    put(r, d + "utf16be-lone-surrogate.txt", b"\xfe\xff" + "ab".encode("utf-16-be") + b"\xd8\x00" + b"\x00c",
        "loads", "ab")
    put(r, d + "utf8-bom-then-cp1251.txt", b"\xef\xbb\xbf" + "Сорт".encode("cp1251"), "loads", "Сорт")
    put(r, d + "only-line-breaks.txt", "\r\n\r\r\n\n" * 10 + "end.", "loads", "end.")
    put(r, d + "mixed-line-breaks.txt", body.replace("\r\n", "\r") + "x\n", "loads", "program Sort;")


# --- gradients -------------------------------------------------------------

def make_gradients():
    r = "gradient"
    d = "gradient/"
    cases = [
        ("word-not-number", "16777215;red;100;0;0", "EConvertError", "'red' is not a valid integer value"),
        ("number-too-big", "99999999999;0;100;0;0", "EConvertError", "'99999999999' is not a valid integer value"),
        ("number-too-small", "0;-99999999999;100;0;0", "EConvertError", "is not a valid integer value"),
        ("real-number", "0;255;50.5;0;0", "EConvertError", "'50.5' is not a valid integer value"),
        ("second-segment-bad", "0;255;50;0;0;255;0;x50;0;0", "EConvertError", "'x50' is not a valid integer value"),
        ("sign-only", "-;0;100;0;0", "EConvertError", "'-' is not a valid integer value"),
        ("hex-prefix-empty", "$;0;100;0;0", "EConvertError", "is not a valid integer value"),
        ("control-characters", "0\x01;0;100;0;0", "EConvertError", "is not a valid integer value"),
        # Accepted by design: words past the last whole segment are never
        # read, percentages over 100 are cut, unknown kinds paint nothing.
        ("four-words", "0;255;100;0", "loads", "segments=0"),
        ("broken-tail", "0;255;100;0;0;junk;more", "loads", "segments=1"),
        ("only-separators", ";;;;;;;;;;", "loads", "segments=0"),
        ("percent-over-100", "0;255;100000;0;0", "loads", "segments=1"),
        ("negative-percent", "0;255;-50;0;0;255;0;150;0;0", "loads", "segments=2"),
        ("kind-7", "0;255;100;7;0", "loads", "segments=1"),
        ("many-segments", ";".join("%d;%d;1;0;0" % (i, 255 - i % 256) for i in range(2000)), "loads",
         "segments=2000"),
        ("largest-numbers", "2147483647;-2147483648;2147483647;2;2147483647", "loads", "segments=1"),
    ]
    for name, text, result, detail in cases:
        put(r, d + name, text, result, detail)


# --- skin folders --------------------------------------------------------------

def small_bmp(w=60, h=40):
    row = ((w * 24 + 31) // 32) * 4
    return bmp(w, h, 24, pixels=bytes([0x40, 0x80, 0xC0] * w + [0] * (row - 3 * w)) * h)


SKIN_HEAD = "[GLOBALINFO]\nVERSION=5\nMASTERBITMAP=Master.bmp\n"


def skin(name, options, result, detail, files=None, master=True):
    folder = "skin/" + name + "/"
    put(None, folder + "Options.dat", options, None)
    if master:
        put(None, folder + "Master.bmp", small_bmp(), None)
    for fname, data in (files or {}).items():
        put(None, folder + fname, data, None)
    manifest.append(("skin", folder[:-1], result, detail))


def make_skins():
    caret = "^0000,0000,0030,0030,0005,0005,0005,0005,3,1,1,0"
    skin("dotdot-master", "[GLOBALINFO]\nMASTERBITMAP=..\\..\\secret.bmp\n", "EReadError", "leaves")
    skin("absolute-image", SKIN_HEAD + "[BUTTON]\nGLYPH=/etc/hostname.BMP\n", "EReadError", "leaves")
    skin("drive-letter-image", SKIN_HEAD + "[BUTTON]\nGLYPH=!C:\\WINDOWS\\X.BMP!1!0!2\n", "EReadError", "leaves")
    skin("dotdot-jpeg", SKIN_HEAD + "[PANEL]\nPATTERN=../../pattern.jpg\n", "EReadError", "leaves")
    skin("parentclass-loop", SKIN_HEAD + "[A]\nPARENTCLASS=B\n[B]\nPARENTCLASS=C\n[C]\nPARENTCLASS=A\n",
         "EConvertError", "PARENTCLASS")
    skin("short-caret-line", SKIN_HEAD + "[BUTTON]\nBORDERSMASK=^0000,0000,0030\n", "EConvertError",
         "in Options.dat, line 5")
    skin("caret-line-no-counts", SKIN_HEAD + "[BUTTON]\nBORDERSMASK=" + caret[:40] + "\n", "EConvertError",
         "in Options.dat, line 5")
    skin("caret-line-letters", SKIN_HEAD + "[BUTTON]\nBORDERSMASK=^00x0,0000,0030,0030,0005,0005,0005,0005,3,1,1,0\n",
         "EConvertError", "in Options.dat, line 5")
    skin("at-line-bad-count", SKIN_HEAD + "[CHECKBOX]\nGLYPH=@0000,0000,0016,0016,X,1\n", "EConvertError",
         "in Options.dat, line 5")
    skin("tilde-line-short", SKIN_HEAD + "[PANEL]\nTEXTURE=~0000,0000\n", "EConvertError", "in Options.dat, line 5")
    skin("bang-line-bad-count", SKIN_HEAD + "[BUTTON]\nOWN=!OWN.BMP!many!1!0\n", "EConvertError",
         "in Options.dat, line 5", files={"OWN.BMP": small_bmp(12, 6)})
    skin("bracket-line-bad-number", SKIN_HEAD + "[BUTTON]\nBORDERSMASK=B #[0,0,ten,30] [1,0,0,1]\n",
         "EConvertError", "in Options.dat, line 5")
    skin("bevel-9", SKIN_HEAD + "[PANEL]\nBEVEL=9\n", "EConvertError", "in Options.dat, line 5")
    skin("colour-word", SKIN_HEAD + "[PANEL]\nCOLOR=blue\n", "EConvertError", "in Options.dat, line 5")
    skin("colour-too-big", SKIN_HEAD + "[PANEL]\nCOLOR=0x1FFFFFFFF\n", "EConvertError", "in Options.dat, line 5")
    skin("bad-gradient", SKIN_HEAD + "[PANEL]\nGRADIENTDATA=0;255;fifty;0;0\n", "EConvertError",
         "'fifty' is not a valid integer value")
    skin("bad-version", "[GLOBALINFO]\nVERSION=five\n", "EConvertError", "in Options.dat, line 2")
    skin("fading-iterations-word", SKIN_HEAD + "[BUTTON]\nFADINGITERATIONS=lots\n", "EConvertError",
         "in Options.dat, line 5")
    # Skins whose images reach past their pictures or carry impossible
    # counts and widths, on the sections this window paints with: they load
    # (or fail as a whole), and painting the window with them stays inside
    # every bitmap.
    def painting(name, border, glyph=None, result="loads", detail="sections=5", files=None, master=True):
        glyph = glyph or border
        skin(name, SKIN_HEAD + "RADIOCHECKED=%s\nRADIOUNCHECKED=%s\n" % (glyph, glyph) +
             "[FORM]\nBORDERSMASK=%s\nBICONCLOSE=%s\nBICONMIN=%s\nTITLEBUTTON=%s\n" % (border, glyph, glyph, glyph) +
             "[BUTTON]\nFADINGENABLED=TRUE\nBORDERSMASK=%s\n" % border +
             "[PANEL]\nIMAGEPERCENT=100\nBORDERSMASK=%s\nPATTERN=~0000,0000,9000,9000,01,0\n" % border +
             "[GROUPBOX]\nBORDERSMASK=%s\n" % border, result, detail, files=files, master=master)
    painting("paint-rect-past-master", "^0000,0000,9000,9000,0009,0009,0009,0009,3,1,1,0",
             "@5000,5000,5100,5100,3,1")
    painting("paint-rect-inverted", "^0050,0030,0010,0005,0009,0009,0009,0009,3,1,1,0", "@0050,0030,0010,0005,3,1")
    painting("paint-rect-negative", "^-050,-050,0030,0030,0004,0004,0004,0004,3,1,1,0", "@-100,-100,0010,0010,3,1")
    painting("paint-borders-huge", "^0000,0000,0030,0030,0999,0999,0999,0999,3,1,1,0")
    painting("paint-image-count-zero", "^0000,0000,0030,0030,0005,0005,0005,0005,0,1,1,0", "@0000,0000,0030,0016,0,1")
    painting("paint-mask-type-9", "^0000,0000,0030,0030,0005,0005,0005,0005,3,9,1,0", "@0000,0000,0030,0016,3,9")
    painting("paint-stretch-mode-9", "^0000,0000,0030,0030,0005,0005,0005,0005,3,1,9,0", result="EConvertError",
             detail="stretch mode 9 is not known in Options.dat, line 4")
    painting("paint-bracket-past-master", "#BORDER [0,0,5000,5000] [3,1,9,1]")
    painting("paint-bracket-negative", "#BORDER [-90,-90,-10,-10] [-3,-1,-9,1]")
    painting("paint-own-bitmap-borders-huge", "!OWN.BMP!3!1!0!50!50!50!50", "!OWN.BMP!3!1!2",
             files={"OWN.BMP": small_bmp(2, 2)})
    painting("paint-one-pixel-master", "^0000,0000,0030,0030,0009,0009,0009,0009,3,1,1,0",
             files={"Master.bmp": small_bmp(1, 1)}, master=False)
    # Accepted by design: what a skin names but does not ship is skipped.
    skin("missing-master", "[GLOBALINFO]\nVERSION=5\nMASTERBITMAP=NoSuch.bmp\n[BUTTON]\nBORDERSMASK=" + caret + "\n",
         "loads", "sections=2 master=no", master=False)
    skin("master-not-a-bitmap", SKIN_HEAD + "[PANEL]\nCOLOR=0\n", "loads", "sections=2 master=no", master=False,
         files={"Master.bmp": b"BM this is not a bitmap"})
    skin("lower-case-bang-file", SKIN_HEAD + "[BUTTON]\nOWN=!own.bmp!1!0!2\n", "loads", "sections=2 masks=0",
         files={"own.bmp": small_bmp(12, 6)})
    skin("hash-only-value", SKIN_HEAD + "[BUTTON]\nGLYPH=#\n", "loads", "sections=2 masks=0")
    skin("broken-jpeg", SKIN_HEAD + "[PANEL]\nPATTERN=broken.jpg\n", "loads", "sections=2 patterns=0",
         files={"broken.jpg": b"\xff\xd8\xff\xe0\x00\x10JFIF"})
    skin("empty-options", "", "loads", "sections=0")
    # A master bitmap or a skin file that is a device (a link to /dev/zero):
    # reading it would never end. The picture is skipped as unreadable; the
    # skin file makes the folder fail.
    skin("device-master", SKIN_HEAD + "[PANEL]\nCOLOR=0\n", "loads", "sections=2 master=no", master=False)
    link(None, "skin/device-master/Master.bmp", "/dev/zero", None)
    link(None, "skin/device-options/Options.dat", "/dev/zero", None)
    manifest.append(("skin", "skin/device-options", "EFOpenError", "Options.dat"))
    skin("binary-options", bytes(range(256)) * 4, "loads", "sections=0", master=False)


# --- zip archives ----------------------------------------------------------------

def local(name=b"a.bmp", data=b"hello", method=0, crc=None, csize=None, usize=None, flags=0, name_len=None,
          extra=b""):
    if crc is None:
        crc = zlib.crc32(data) & 0xFFFFFFFF
    return struct.pack("<IHHHHHIIIHH", 0x04034B50, 20, flags, method, 0, 0, crc,
                       len(data) if csize is None else csize, len(data) if usize is None else usize,
                       len(name) if name_len is None else name_len, len(extra)) + name + extra + data


def central(name=b"a.bmp", data=b"hello", offset=0, method=0, sig=0x02014B50, comment=b""):
    return struct.pack("<IHHHHHHIIIHHHHHII", sig, 20, 20, 0, method, 0, 0, zlib.crc32(data) & 0xFFFFFFFF,
                       len(data), len(data), len(name), 0, len(comment), 0, 0, 0, offset) + name + comment


def end(count=1, size=0, offset=0, comment=b"", comment_len=None):
    return struct.pack("<IHHHHIIH", 0x06054B50, 0, 0, count, count, size, offset,
                       len(comment) if comment_len is None else comment_len) + comment


def make_zips():
    r = "zip"
    d = "zip/"
    one = local()
    good = one + central() + end(1, 46 + 5, len(one))
    put(r, d + "empty.zip", b"", "loads", "local=0 central=0 end=no")
    link(r, d + "device.zip", "/dev/zero", "EFOpenError", "Cannot open file")
    put(r, d + "text-file.zip", b"this is not an archive at all\n", "loads", "local=0 central=0 end=no")
    put(r, d + "end-record-only.zip", end(0), "loads", "local=0 central=0 end=no")
    put(r, d + "unaligned-first-header.zip", b"xy" + good, "loads", "local=0 central=0 end=no")
    put(r, d + "aligned-junk-first.zip", b"junk" + good, "loads", "local=1 central=1 end=yes data=5")
    put(r, d + "cut-in-local-header.zip", good[:17], "loads", "local=1 central=1 end=no data=0")
    put(r, d + "cut-in-data.zip", good[:37], "loads", "local=1 central=1 end=no data=2")
    put(r, d + "bad-central-signature.zip", one + central(sig=0x02014B51) + end(), "loads",
        "local=1 central=1 end=no data=5")
    put(r, d + "central-without-local.zip", central() + end(), "loads", "local=0 central=0 end=no")
    put(r, d + "more-central-than-local.zip", one + central() * 3 + end(3), "loads", "local=1 central=1 end=yes data=5")
    put(r, d + "compressed-size-huge.zip", local(csize=0xFFFFFFF0) + central() + end(), "loads",
        "local=1 central=1 end=no data=78")
    put(r, d + "zip64-sizes.zip", local(csize=0xFFFFFFFF, usize=0xFFFFFFFF) + central() + end(), "loads",
        "local=1 central=1 end=no data=78")
    put(r, d + "name-length-huge.zip", local(name_len=0xFFFF) + central() + end(), "loads",
        "local=1 central=1 end=no data=0")
    put(r, d + "method-99.zip", local(method=99) + central(method=99) + end(), "loads",
        "local=1 central=1 end=yes data=5 method=99")
    put(r, d + "deflate-not-deflate.zip", local(method=8, data=b"\xff\xff\xff\xff\xff") + central(method=8) + end(),
        "loads", "local=1 central=1 end=yes data=5 method=8")
    put(r, d + "bad-crc.zip", local(crc=0xDEADBEEF) + central() + end(), "loads",
        "local=1 central=1 end=yes data=5 crc=deadbeef")
    put(r, d + "data-descriptor-sizes-zero.zip",
        local(flags=8, csize=0, usize=0) + struct.pack("<IIII", 0x08074B50, 0, 5, 5) + central() + end(), "loads",
        "local=1 central=1 end=no data=0")
    put(r, d + "comment-length-huge.zip", good[:-2] + struct.pack("<H", 0xFFFF) + b"short comment", "loads",
        "local=1 central=1 end=yes data=5 comment=13")
    put(r, d + "many-empty-entries.zip", local(name=b"", data=b"") * 2000 + end(0), "loads",
        "local=2000 central=2000 end=yes data=0")


def main():
    for sub in ("bmp", "png", "jpeg", "description", "listing", "gradient", "skin", "zip"):
        shutil.rmtree(os.path.join(HERE, sub), ignore_errors=True)
    make_bmp()
    make_png()
    make_jpeg()
    make_descriptions()
    make_listings()
    make_gradients()
    make_skins()
    make_zips()
    with open(os.path.join(HERE, "MANIFEST"), "w", encoding="utf-8") as f:
        f.write("# The bad-files corpus: reader, file, result, detail (tab-separated).\n"
                "# Made by make-bad-files.py; see there for what each result means.\n"
                "# picture: TPicture::LoadFromFile (the format by extension); loads: WxH\n"
                "# description: TReader::ReadRootComponent into a fresh form\n"
                "# listing: the listing pane's Lines()->LoadFromFile; loads: a fragment of the text\n"
                "# gradient: ParseGradient, and GRADIENTDATA of a skin folder's section\n"
                "# skin: the folder activated through the skin manager (falls back to the stored skin)\n"
                "# zip: LoadArchive, the preloaded-archive loader; loads: what the directory holds\n")
        for row in manifest:
            f.write("\t".join(row) + "\n")
    print(len(manifest), "files")


if __name__ == "__main__":
    main()
