#!/usr/bin/env python3
"""Writes resources/veltrax.qrc: every picture of the skin under the prefix
/veltrax, addressed by its resource name (the file name without extension),
and the application icon as AppIcon. The texts (lang/, layout/) are not in
it: the build compiles them in as plain bytes."""
import pathlib
import sys

root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "resources")
files = sorted(p for p in (root / "skin").glob("*") if p.is_file())
lines = ['<!DOCTYPE RCC>', '<RCC version="1.0">', '<qresource prefix="/veltrax">']
lines += [f'  <file alias="{p.stem}">{p.relative_to(root).as_posix()}</file>' for p in files]
# The window's icon: the application icon as the desktop shows it.
lines += ['  <file alias="AppIcon">icons/hicolor/256x256/apps/org.veltrax.Configurator.png</file>']
lines += ['</qresource>', '</RCC>', '']
(root / "veltrax.qrc").write_text("\n".join(lines))
