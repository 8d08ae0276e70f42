"""The numbers the drawings are filed under, read from the program's headers.

res/resource.h gives the resource ids and the resolution pictures' block;
launcher/predefined_programs.h gives the icons of the launcher's first page,
in slot order. Nothing here repeats a number of the program.
"""

import os
import re

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def _read(relative):
    with open(os.path.join(ROOT, relative), encoding='utf-8') as f:
        return f.read()


def _resource_ids():
    ids = {}
    for name, value in re.findall(r'^#define (\w+) (0x[0-9A-Fa-f]+|\d+)\s*$', _read('res/resource.h'), re.M):
        ids[name] = int(value, 0)
    return ids


ID = _resource_ids()


def predefined_icons():
    """Icon ids of the predefined programs, slot 1 first."""
    names = re.findall(r'^\s*X\("[^"]*", (IDI_\w+),', _read('launcher/predefined_programs.h'), re.M)
    if len(names) != 9:
        raise SystemExit('launcher/predefined_programs.h: expected 9 rows, found %d' % len(names))
    return tuple(ID[n] for n in names)
