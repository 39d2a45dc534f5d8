#!/usr/bin/env python3
"""Writes the golden project files of the model tests, byte by byte from the
.ehe layout, independently of the C++ writer. Run it from this directory."""
import struct

CREATED = 0x5F5E1000
MODIFIED = 0x5F5E2000


def byte(v): return struct.pack('<B', v & 0xFF)
def word(v): return struct.pack('<H', v & 0xFFFF)
def long(v): return struct.pack('<I', v & 0xFFFFFFFF)
def flt(v): return struct.pack('<f', v)


def string(s):
    b = s.encode('cp1252')
    n = len(b)
    if n < 255:
        return byte(n) + b
    if n < 0xFFFE:
        return b'\xff' + word(n) + b
    return b'\xff\xff\xff' + long(n) + b


def count(n):
    return word(n) if n < 0xFFFF else word(0xFFFF) + long(n)


def strings(items): return count(len(items)) + b''.join(string(s) for s in items)
def words(items): return count(len(items)) + b''.join(word(v) for v in items)
def longs(items): return count(len(items)) + b''.join(long(v) for v in items)


def font(face, point_size, height, weight, italic, underline, pitch):
    face_bytes = face.encode('cp1252') + b'\0'
    block = (word(height) + word(0) + word(0) + word(0) + word(weight) +
             bytes([italic, underline, 0, 1, 2, 1, 1, pitch]) +
             face_bytes + b'\0' * (32 - len(face_bytes)))
    assert len(block) == 50
    return word(1) + word(point_size) + block


def subject(code, n):
    """A subject whose fields all differ, so that a field read at the wrong
    place shows."""
    out = word(code)  # the type word that precedes each subject
    out += string('titre %d' % n) + string('texte %d' % n)
    out += long(0x800000) + word(4)
    out += long((1 & 0xFFFF) | ((-2 & 0xFFFF) << 16)) + long((300 & 0xFFFF) | ((-4 & 0xFFFF) << 16))
    out += word(code) + word(3 if code in (4, 5) else 0) + word(2)
    out += flt(1.5) + flt(2.5) + flt(0.75) + flt(0.5) + flt(0.25) + flt(0.125)
    out += word(1) + word(0x0401) + word(2)
    out += string('son.wav') + string('r1')
    out += word(7) + word(2) + word(9) + long(-5) + long(123456)
    out += string('fen') + string('r2') + string('r3') + string('r4')
    out += font('Arial', 10 + code, -13 - code, 700 if code < 2 else 0, 1, 1 if code == 5 else 0,
                0x22)
    out += strings(['a', 'b'])
    if code in (4, 5):
        out += string('CIBLE') + word(1)
    return out


def topic(name, codes):
    out = string(name) + string('Titre de ' + name) + string('REF1;REF2')
    out += word(len(codes))
    for n, code in enumerate(codes):
        out += subject(code, n)
    out += long(11) + word(12) + word(13) + word(14) + word(15) + word(16) + word(17)
    out += long(18) + long(19) + long(20)
    out += string('B01') + string('Chapitre \xe9t\xe9') + string('rt')
    out += strings(['clef un', 'clef deux']) + strings(['rl']) + words([1, 2]) + longs([3])
    return out


def options(version, with_values):
    """Items 4 to 27, then 28 to 30 for version 2."""
    if not with_values:
        out = string('') * 5 + word(0) + word(0) + word(1)
        out += string('') * 6 + word(0) + string('') + word(1) + long(0) + word(0)
        out += long(CREATED) + long(MODIFIED) + string('')
        out += word(0) * 6 + long(0) * 3 + string('') * 3
        out += strings([]) * 12 + words([]) * 3 + longs([]) * 3 + strings([]) + string('')
        out += word(1) + word(0) + word(1)
        if version >= 2:
            out += strings([]) + word(0) + word(0)
        return out
    out = (string('DEMO') + string('ACCUEIL') + string('Aide de d\xe9mo') +
           string('(c) 1997') + string('demo.ico'))
    out += word(2) + word(1) + word(1)
    out += (string('C:\\AIDE') + string('C:\\AIDE\\BMP') + string('demo.err') +
            string('ligne 1\r\nligne 2') + string('resource.h') + string('rt2'))
    out += word(1) + string('rt3') + word(1) + long(77) + word(4)
    out += long(CREATED) + long(MODIFIED) + string('rt4')
    out += word(1) + word(21) + word(22) + word(2) + word(23) + word(24)
    out += long(25) + long(26) + long(27)
    out += string('demo.dpr') + string('rt5') + string('rt6')
    out += strings(['extra.rtf']) + strings(['logo.bmp']) + strings(['A=B']) + strings(['map.h'])
    out += strings(['HID_A,0x10001'])
    out += strings(['l1']) + strings(['l2']) + strings(['l3']) + strings(['l4'])
    out += strings(['Chapitre \xe9t\xe9', 'Autre'])
    out += strings(['l6']) + strings(['l7'])
    out += words([1]) + words([2, 3]) + words([])
    out += longs([4]) + longs([]) + longs([5, 6])
    out += strings(['HID_']) + string('afxhelp.hm')
    out += word(0) + word(1) + word(0)
    if version >= 2:
        out += strings(['l5'])
        # one help window
        out += word(1)
        out += string('main') + string('Aide') + word(10) + word(20) + word(600) + word(800)
        out += word(0) + word(1) + long(0xFFFFFF) + long(0xC0C0C0) + word(1) + word(0) + word(1)
        out += string('') + string('') + word(0) + word(0) + word(0) + word(0)
        # one global string
        out += word(1)
        out += string('Veldor') + word(3) + string('') + string('ACCUEIL') + string('main')
        out += word(1) + string('') + string('') + word(0) + word(0) + word(1) + word(0)
    return out


def project(version, topics, with_values):
    out = b'ERV' + bytes([0x30 + version]) + word(len(topics))
    for t in topics:
        out += t
    return out + options(version, with_values)


def main():
    with open('empty.ehe', 'wb') as f:
        f.write(project(2, [], False))
    each = topic('ACCUEIL', [0, 1, 2, 3, 4, 5])
    second = topic('Suite', [3])
    with open('each_type.ehe', 'wb') as f:
        f.write(project(2, [each, second], True))
    with open('version1.ehe', 'wb') as f:
        f.write(project(1, [each, second], True))


main()
