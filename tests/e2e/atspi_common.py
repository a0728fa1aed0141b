# SPDX-License-Identifier: GPL-3.0-or-later
"""What the AT-SPI end-to-end readers share: the window's caption, the worked
example and the Russian keys to type it, the checks' record, xdotool and a
walk over an accessible tree."""
import subprocess

CAPTION = "Нумерологический Калькулятор Lirem 3.0"
# One key per letter of the Russian keyboard map.
KEYSYMS = {"И": "Cyrillic_I", "в": "Cyrillic_ve", "а": "Cyrillic_a", "н": "Cyrillic_en", "П": "Cyrillic_PE",
           "е": "Cyrillic_ie", "т": "Cyrillic_te", "р": "Cyrillic_er", "о": "Cyrillic_o", "ч": "Cyrillic_che",
           "С": "Cyrillic_ES", "и": "Cyrillic_i", "д": "Cyrillic_de"}
# The worked example, field by field: (text, typed by Cyrillic keysyms).
PERSON = [("29", False), ("11", False), ("1985", False), ("Иван", True), ("Петрович", True), ("Сидоров", True)]

failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what)
    if not ok:
        failures.append(what)


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=20)


def walk(acc):
    yield acc
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)
