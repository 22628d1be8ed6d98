#!/usr/bin/env python3
"""Writes the timetable files the loader is tested on: two sound ones under poprawne/ and damaged
ones under uszkodzone/. Run from tests/ when the set needs to grow; the files are kept in git."""
import struct


def text(s):
    b = s.encode('cp1250')
    return struct.pack('<h', len(b)) + b


def pociag(numer='34101'):
    body = b''.join(text(x) for x in [numer] + [''] * 10)
    body += b'\0' * 44 + b'\0' * 88 + b'\0' * 11 + struct.pack('<d', 0.5) + b'\0' * 80
    return struct.pack('<H', 748) + body


def lista(entries, count=None, flag=1):
    n = len(entries) if count is None else count
    return struct.pack('<hhh', n, 4, 0) + b''.join(entries) + bytes([flag])


good = lista([pociag('34101'), pociag('Przełęcz')])
sound = {'dwa_pociagi.dat': good, 'pusty.dat': lista([])}
damaged = {
    'pusty_plik.dat': b'',
    'sam_poczatek_naglowka.dat': b'\x01',
    'obciety_naglowek.dat': struct.pack('<hh', 1, 4),
    'obciety_rekord.dat': good[:100],
    'obciety_w_polach_stalych.dat': good[:len(good) - 60],
    'bez_bajtu_duplikatow.dat': good[:-1],
    'ujemna_liczba.dat': struct.pack('<hhh', -5, 0, 0) + b'\x01',
    'ogromna_liczba.dat': struct.pack('<hhh', 32767, 0, 0) + pociag() + b'\x01',
    'nieznany_numer_klasy.dat': lista([struct.pack('<H', 4242) + b'\0' * 300]),
    'dlugi_tekst_dluzszy_niz_plik.dat': lista([struct.pack('<H', 748) + struct.pack('<hi', -1, 0x7fffffff) + b'abc']),
    'krotki_tekst_dluzszy_niz_plik.dat': lista([struct.pack('<H', 748) + struct.pack('<h', 32767) + b'abc']),
    'bajt_spoza_cp1250.dat': lista([pociag().replace(b'34101', b'34\x981')]),
    'lista_zagniezdzona_w_sobie.dat': struct.pack('<hhh', 1, 0, 0)
    + (struct.pack('<H', 712) + struct.pack('<hhh', 1, 0, 0)) * 5000 + b'\0\0' + b'\x01' * 5001,
    'lista_dluga_forma_w_krotkiej.dat': struct.pack('<hhh', 1, 0, 0) + struct.pack('<H', 50)
    + struct.pack('<hhh', -1, -1, 0) + b'\x01',
}
for folder, files in (('poprawne', sound), ('uszkodzone', damaged)):
    for name, data in files.items():
        with open(f'data/{folder}/{name}', 'wb') as f:
            f.write(data)
