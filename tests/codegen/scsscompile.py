#!/usr/bin/python3
"""Compiles the SCSS that `tintmill --export scss` writes with a Sass compiler
of its own and holds what the compiler makes of it to the colour files: each
scheme's map gives the file's colour for every role, and the description,
whatever characters it holds, stays inside its comment. The compiler is
Debian's sassc (LibSass), or dart-sass, the reference implementation that npm
users run, which scripts/install-deps.sh installs beside this script.

Usage: scsscompile.py TINTMILL sassc SASSC
       scsscompile.py TINTMILL dart-sass NODE SASS_JS
Exits 77 (skipped) when dart-sass is not installed."""

import re
import subprocess
import sys
import tempfile
from pathlib import Path

# Before the "#": a description that leaves a one-line comment wherever a
# form feed or a vertical tab ends a line for Sass, with a control character
# and a byte that code page 932 has no character for, which the program shows
# as a replacement character: dart-sass stops at U+FFFD. By role index:
# background, text, small block, link, visited, active, medium block, hover.
DAY = b"x\x0cbody { display: none }\x0b.y { a: b }\x01\xa0#FFFFCC333333CCCCCC0000FF990099FF0000999999FF00FF\r\n"
NIGHT = b"#000033FFFFFF33336666CCFFCC99FFFF9900333333FFFF00\r\n"

# The maps' keys in role index order.
KEYS = [
    "page-background",
    "page-text",
    "block-small-background",
    "link",
    "link-visited",
    "link-active",
    "block-medium-background",
    "link-hover",
]

# Every entry of both maps as a rule of its own, so that what each holds
# comes out of the compiler as CSS.
PROBE = """
@each $scheme, $map in (light: $light, dark: $dark) {
  @each $key, $colour in $map {
    .#{$scheme}-#{$key} { color: $colour; }
  }
}
"""


def colours_of(record):
    data = record.split(b"#")[-1][:48].decode("ascii")
    return ["#" + data[i * 6 : i * 6 + 6] for i in range(8)]


def expected():
    rules = {}
    for scheme, record in (("light", DAY), ("dark", NIGHT)):
        for key, colour in zip(KEYS, colours_of(record)):
            rules[f".{scheme}-{key}"] = colour.lower()
    return rules


def compiler_command(kind, paths):
    if kind == "sassc":
        return [paths[0], "--style", "expanded"]
    if kind == "dart-sass":
        return [paths[0], paths[1], "--style=expanded", "--no-source-map"]
    raise SystemExit(f"unknown compiler {kind}")


def main(tintmill, kind, *paths):
    if kind == "dart-sass" and not Path(paths[1]).is_file():
        print(f"SKIP: dart-sass is not installed ({paths[1]}); scripts/install-deps.sh installs it")
        return 77
    with tempfile.TemporaryDirectory() as folder:
        Path(folder, "day.iro").write_bytes(DAY)
        Path(folder, "night.iro").write_bytes(NIGHT)
        scss = subprocess.run(
            [tintmill, "--export", "scss", "--dark", "night.iro", "day.iro"],
            cwd=folder,
            check=True,
            capture_output=True,
        ).stdout
        # From a file, as a project compiles it: dart-sass reads standard
        # input more leniently.
        source = Path(folder, "colours.scss")
        source.write_bytes(scss + PROBE.encode("utf-8"))
        compiled = subprocess.run(
            compiler_command(kind, paths) + [str(source)],
            capture_output=True,
        )
    if compiled.returncode != 0:
        print(f"{kind} refused the export:\n" + compiled.stderr.decode("utf-8", "replace"))
        return 1
    css = compiled.stdout.decode("utf-8")
    found = {
        selector: colour.lower()
        for selector, colour in re.findall(r"(\S+) \{\s*color: (#[0-9A-Fa-f]{6});\s*\}", css)
    }
    selectors = re.findall(r"^([^\s{}][^{}\n]*?)\s*\{", css, re.MULTILINE)
    failures = []
    if found != expected():
        failures.append(f"the maps compile to {found}, not {expected()}")
    if sorted(selectors) != sorted(expected()):
        failures.append(f"rules other than the probe's came out: {selectors}")
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
