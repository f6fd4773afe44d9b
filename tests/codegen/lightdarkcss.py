#!/usr/bin/python3
"""Reads the CSS that `tintmill --export css --dark` writes with tinycss2, a
CSS Syntax parser of its own (Debian's python3-tinycss2), and holds it to the
single-scheme exports of the same two files: every custom property is
light-dark() of the light and the dark colour, the root takes both schemes,
and an engine without light-dark() finds the same colours by the reader's
scheme.

Usage: lightdarkcss.py TINTMILL"""

import subprocess
import sys
import tempfile
from pathlib import Path

import tinycss2

# By role index: background, text, small block, link, visited, active, medium
# block, hover. No colour of one is the other's, so a swap cannot pass.
DAY = b"#FFFFCC333333CCCCCC0000FF990099FF0000999999FF00FF\r\n"
NIGHT = b"#000033FFFFFF33336666CCFFCC99FFFF9900333333FFFF00\r\n"

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
    return condition


def significant(tokens):
    return [t for t in tokens if t.type not in ("whitespace", "comment")]


def errors_in(nodes):
    """Every parse error, at any depth of rules and declarations."""
    found = []
    for node in nodes:
        if node.type == "error":
            found.append(node)
        elif node.type in ("qualified-rule", "at-rule") and node.content is not None:
            if node.type == "qualified-rule":
                found += errors_in(tinycss2.parse_declaration_list(node.content))
            else:
                found += errors_in(tinycss2.parse_rule_list(node.content))
    return found


def rules(nodes):
    return [n for n in nodes if n.type in ("qualified-rule", "at-rule")]


def declarations(rule):
    if rule is None:
        return []
    return [
        d
        for d in tinycss2.parse_declaration_list(
            rule.content, skip_comments=True, skip_whitespace=True
        )
        if d.type == "declaration"
    ]


def root_of(nodes):
    roots = [
        r
        for r in rules(nodes)
        if r.type == "qualified-rule" and tinycss2.serialize(r.prelude).strip() == ":root"
    ]
    return roots[0] if check(len(roots) == 1, "one :root rule") else None


def custom_properties(rule):
    """Each custom property of a rule with the one hash colour it holds."""
    colours = {}
    for d in declarations(rule):
        if d.name.startswith("--"):
            value = significant(d.value)
            if check(
                len(value) == 1 and value[0].type == "hash",
                f"{d.name} is one #RRGGBB",
            ):
                colours[d.name] = "#" + value[0].value
    return colours


def export(tintmill, folder, *arguments):
    return subprocess.run(
        [tintmill, "--export", "css", *arguments],
        cwd=folder,
        check=True,
        capture_output=True,
    ).stdout.decode("utf-8")


def main(tintmill):
    with tempfile.TemporaryDirectory() as folder:
        Path(folder, "day.iro").write_bytes(DAY)
        Path(folder, "night.iro").write_bytes(NIGHT)
        both = tinycss2.parse_stylesheet(
            export(tintmill, folder, "--dark", "night.iro", "day.iro"),
            skip_comments=True,
            skip_whitespace=True,
        )
        day = tinycss2.parse_stylesheet(
            export(tintmill, folder, "day.iro"), skip_comments=True, skip_whitespace=True
        )
        night = tinycss2.parse_stylesheet(
            export(tintmill, folder, "night.iro"), skip_comments=True, skip_whitespace=True
        )

    check(not errors_in(both), f"parses without error: {errors_in(both)}")
    light = custom_properties(root_of(day))
    dark = custom_properties(root_of(night))
    check(len(light) == 8 and light.keys() == dark.keys(), "eight properties in each scheme")

    root = root_of(both)
    schemes = [
        [t.value for t in significant(d.value)]
        for d in declarations(root)
        if d.lower_name == "color-scheme"
    ]
    check(schemes == [["light", "dark"]], f"color-scheme: light dark on :root, not {schemes}")
    pairs = {}
    for d in declarations(root):
        if not d.name.startswith("--"):
            continue
        value = significant(d.value)
        if check(
            len(value) == 1 and value[0].type == "function" and value[0].lower_name == "light-dark",
            f"{d.name} is one light-dark()",
        ):
            arguments = significant(value[0].arguments)
            if check(
                [t.type for t in arguments] == ["hash", "literal", "hash"]
                and arguments[1].value == ",",
                f"{d.name}: light-dark(#RRGGBB, #RRGGBB)",
            ):
                pairs[d.name] = ("#" + arguments[0].value, "#" + arguments[2].value)
    check(
        pairs == {name: (light[name], dark.get(name)) for name in light},
        f"light-dark() of the single-scheme colours: {pairs} against {light} and {dark}",
    )

    # The engines without light-dark(): the light colours, and the dark ones
    # when the reader prefers dark.
    supports = [
        r for r in rules(both) if r.type == "at-rule" and r.lower_at_keyword == "supports"
    ]
    if check(len(supports) == 1, "one @supports rule"):
        check(
            tinycss2.serialize(supports[0].prelude).strip()
            == "not (color: light-dark(#000, #fff))",
            "@supports not (color: light-dark(...))",
        )
        inside = tinycss2.parse_rule_list(
            supports[0].content, skip_comments=True, skip_whitespace=True
        )
        check(custom_properties(root_of(inside)) == light, "the light colours without light-dark()")
        media = [r for r in rules(inside) if r.type == "at-rule" and r.lower_at_keyword == "media"]
        if check(len(media) == 1, "one @media rule inside"):
            check(
                tinycss2.serialize(media[0].prelude).strip() == "(prefers-color-scheme: dark)",
                "@media (prefers-color-scheme: dark)",
            )
            in_media = tinycss2.parse_rule_list(
                media[0].content, skip_comments=True, skip_whitespace=True
            )
            check(custom_properties(root_of(in_media)) == dark, "the dark colours in it")

    # body and the link rules as the single-scheme export has them.
    def others(nodes):
        return [
            tinycss2.serialize([r])
            for r in rules(nodes)
            if r.type == "qualified-rule" and tinycss2.serialize(r.prelude).strip() != ":root"
        ]

    check(others(both) == others(day) and len(others(day)) == 5, "body and the four link rules")

    for failure in failures:
        print("FAIL:", failure)
    print(f"{0 if failures else 1} passed, {1 if failures else 0} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(str(Path(sys.argv[1]).resolve())))
