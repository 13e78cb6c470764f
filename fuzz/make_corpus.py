#!/usr/bin/env python3
"""Writes the synthetic seeds of fuzz/corpus/ (money texts, integers, tiny bitmaps, waves and
MIDI files, odd INI files). The INI files that SaveSettings writes come from the program itself
(fuzz/corpus/ini/saved-*.ini). Run from anywhere; existing seeds of the same name are replaced."""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def put(target, name, data):
    folder = os.path.join(HERE, 'corpus', target)
    os.makedirs(folder, exist_ok=True)
    if isinstance(data, str):
        data = data.encode('latin-1')
    with open(os.path.join(folder, name), 'wb') as f:
        f.write(data)


def money():
    texts = ['7.5', '1000.257', '12abc', '', '  +1e3', '-0.004', '10000000000.00', '12', 'abc',
             '0.10', '1000.25', '-5.25', '1e-400', '1e400', '.', '-.', '1.5e3', '99999999999999999999999',
             ' 7.5 ', '\t7.5', '0.005', '9999999999.99', '-999999999.99', '0.00', '-0.00', '5.',
             '.5', '1e', '1e+', '+', '12345678901234.56', '7.5\x00', '0.1.2', '1,000.00']
    for i, t in enumerate(texts):
        put('money', 'text-%02d' % i, t)
    # Eight bytes are also read as a double: a half cent, a large amount, a NaN, an infinity.
    for i, x in enumerate([0.125, 2.675, 1e9 - 0.005, -0.0049, 123456789.995]):
        put('money', 'double-%d' % i, struct.pack('<d', x))
    put('money', 'double-nan', struct.pack('<Q', 0x7ff8000000000000))
    put('money', 'double-inf', struct.pack('<Q', 0x7ff0000000000000))


def integers():
    texts = ['0x7fffffff', '$FF', '-2147483648', '2147483648', ' 12', '12 ', '0x', '0X1F',
             '-$80000000', '$FFFFFFFF', '0x100000000', '+5', '--5', '', '12\r', '  -0',
             '00000000000000000012', '0x0000000000000001F', '-2147483649', '\t7', '0x-1',
             '$', '-$', '1 2', '12\r\n34', '0x2', 'yes', '2', '-1']
    for i, t in enumerate(texts):
        put('integer', 'text-%02d' % i, t)


def bmp(width, height, bits, pixels, palette=b'', compression=0, top_down=False):
    header_size = 14 + 40 + len(palette)
    info = struct.pack('<IiiHHIIiiII', 40, width, -height if top_down else height, 1, bits,
                       compression, len(pixels), 2835, 2835, len(palette) // 4, 0)
    return b'BM' + struct.pack('<IHHI', header_size + len(pixels), 0, 0, header_size) + info + \
        palette + pixels


def bitmaps():
    put('bmp', '1x1-24', bmp(1, 1, 24, b'\x10\x20\x30\x00'))
    put('bmp', '2x2-24', bmp(2, 2, 24, b'\x00\x00\xff\x00\xff\x00\x00\x00' * 2))
    pal = b''.join(struct.pack('<BBBB', i * 60, 255 - i * 60, i * 20, 0) for i in range(4))
    put('bmp', '2x2-8', bmp(2, 2, 8, b'\x00\x01\x00\x00\x02\x03\x00\x00', pal))
    put('bmp', '3x1-32-topdown', bmp(3, 1, 32, b'\x01\x02\x03\x00' * 3, top_down=True))
    put('bmp', '2x2-4', bmp(2, 2, 4, b'\x12\x00\x00\x00\x30\x00\x00\x00', pal))
    put('bmp', '4x1-rle8', bmp(4, 1, 8, b'\x04\x02\x00\x01', pal, compression=1))
    put('bmp', 'truncated', bmp(2, 2, 24, b'\x00\x00\xff\x00\xff\x00\x00\x00' * 2)[:60])
    put('bmp', 'header-only', bmp(2, 2, 24, b'')[:54])
    put('bmp', 'huge-size', bmp(60000, 60000, 24, b'\x00' * 8))
    put('bmp', 'not-bm', b'MB' + bmp(1, 1, 24, b'\x00' * 4)[2:])
    put('bmp', 'empty', b'')


def wav(channels, rate, bits, frames, extra=b'', data_size=None, fmt_tag=1):
    align = channels * bits // 8
    if bits == 8:
        samples = bytes(128 + int(100 * math.sin(i / 3)) for i in range(frames * channels))
    else:
        samples = b''.join(struct.pack('<h', int(8000 * math.sin(i / 3)))
                           for i in range(frames * channels))
    fmt = struct.pack('<HHIIHH', fmt_tag, channels, rate, rate * align, align, bits)
    size = len(samples) if data_size is None else data_size
    body = b'WAVE' + b'fmt ' + struct.pack('<I', len(fmt)) + fmt + extra + b'data' + \
        struct.pack('<I', size) + samples
    return b'RIFF' + struct.pack('<I', len(body)) + body


def waves():
    put('wav', '8bit-mono', wav(1, 11025, 8, 64))
    put('wav', '16bit-mono', wav(1, 22050, 16, 64))
    put('wav', '16bit-stereo', wav(2, 44100, 16, 64))
    put('wav', 'truncated', wav(2, 44100, 16, 64)[:70])
    put('wav', 'header-only', wav(1, 8000, 8, 0)[:44])
    put('wav', 'data-too-long', wav(1, 8000, 8, 16, data_size=100000))
    put('wav', 'data-odd', wav(2, 8000, 16, 8, data_size=31))
    put('wav', 'list-chunk', wav(1, 8000, 16, 16, extra=b'LIST\x04\x00\x00\x00INFO'))
    put('wav', 'zero-channels', wav(0, 8000, 16, 0))
    put('wav', 'zero-rate', wav(1, 0, 16, 8))
    put('wav', 'adpcm-tag', wav(1, 8000, 4, 16, fmt_tag=2))
    put('wav', 'riff-only', b'RIFF\x04\x00\x00\x00WAVE')
    put('wav', 'empty', b'')


def track(events):
    return b'MTrk' + struct.pack('>I', len(events)) + events


def midis():
    notes = b'\x00\x90\x3c\x40\x60\x80\x3c\x00\x00\xff\x2f\x00'
    fmt0 = b'MThd' + struct.pack('>IHHH', 6, 0, 1, 96) + track(notes)
    put('midi', 'format0', fmt0)
    put('midi', 'format1', b'MThd' + struct.pack('>IHHH', 6, 1, 2, 96) + track(notes) +
        track(b'\x00\xff\x2f\x00'))
    rmid_data = b'data' + struct.pack('<I', len(fmt0)) + fmt0 + (b'\x00' if len(fmt0) & 1 else b'')
    put('midi', 'rmid', b'RIFF' + struct.pack('<I', 4 + len(rmid_data)) + b'RMID' + rmid_data)
    put('midi', 'truncated', fmt0[:30])
    put('midi', 'header-only', fmt0[:14])
    put('midi', 'bad-track-length', fmt0[:18] + struct.pack('>I', 0xfffffff0) + notes)
    put('midi', 'long-header', b'MThd' + struct.pack('>IHHH', 0xffffffff, 0, 1, 96) + track(notes))
    put('midi', 'missing-track', b'MThd' + struct.pack('>IHHH', 6, 1, 3, 96) + track(notes))
    put('midi', 'other-chunk', fmt0[:14] + b'XFIH\x00\x00\x00\x02ab' + track(notes))


def inis():
    put('ini', 'crlf', '[Settings]\r\nCredits=7.5\r\nBet=7\r\nSpeed=0x2\r\nsndWin=yes\r\n'
        'Maxed=2\r\nMIDIName0=ABCDEFGHIJKLMNOP.MID\r\n')
    put('ini', 'no-final-newline', '[Settings]\nCredits=1000.257\nBackColor=-2147483633')
    put('ini', 'nul-bytes', '[Settings]\nCredits=12\x00abc\nBack\x00BMP=x\n[Saved\x00Game 1]\nName=a\n')
    put('ini', 'long-line', '[Settings]\nBackBMP=' + 'x' * 3000 + '\nCredits=  12abc  \n')
    put('ini', 'comments', '; a comment\n[Other]\nCredits=5\n\n[ settings ]\n ;Credits=1\n'
        'credits = 3.25 \n\n[Settings]\nCredits=9\nunknown=keep\n')
    put('ini', 'saved-games', '[Saved Game 1]\nName=Lucky\nSpins=12\nDate=01/02/03\n'
        'Credits=10000000000.00\nBorrowed=abc\nBonusPool=\nPowerPts=0x7fffffff\n'
        '[Saved Game 8]\nName=' + 'n' * 120 + '\n')
    put('ini', 'odd-headers', '[Settings\nCredits=1\n[]\n=novalue\n[Settings]]\nCredits=2\n'
        '[Credits]=3\n\r\n\r')
    put('ini', 'binary', bytes((i * 37 + 11) % 256 for i in range(300)))
    put('ini', 'empty', '')


if __name__ == '__main__':
    money()
    integers()
    bitmaps()
    waves()
    midis()
    inis()
