"""The code of the Python guide (docs/python.md) and of the guide to studies
(docs/studies.md): their blocks run in a folder of their own as the
tutorial runs them from the root of the repository, with the results file
of the command line that the tutorial reads.

    PYTHONPATH=build/python python3 tests/python/guide.py ENGINE FOLDER [GUIDE]

runs a guide (docs/python.md when not given) with the command-line engine
ENGINE and copies the figures that it shows into FOLDER
(./scripts/python-doc-figures makes docs/images so).
"""

import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parents[2]
GUIDE = ROOT / "docs" / "python.md"
STUDIES = ROOT / "docs" / "studies.md"
# The part of the guide that builds inputs only: it runs without the
# compiled module.
MODEL_PART = "## Building inputs"


def blocks(model_part_only=False, guide=GUIDE):
    """The code of the guide's Python blocks, in order."""
    text = guide.read_text()
    if model_part_only:
        text = text[text.index(MODEL_PART):]
    return re.findall(r"```python\n(.*?)```", text, re.S)


def figures(guide=GUIDE):
    """The file names of the figures that the guide shows (docs/images/)."""
    return re.findall(r"\]\(images/([^)]+\.png)\)", guide.read_text())


def run(folder, engine, model_part_only=False, guide=GUIDE):
    """Runs the blocks in `folder` (with examples/ linked into it and, from
    `engine` when given, the results file quickstart.json) and returns their
    names."""
    folder = pathlib.Path(folder)
    (folder / "examples").symlink_to(ROOT / "examples")
    if not model_part_only and engine is not None:
        subprocess.run([os.path.abspath(engine), "examples/quickstart.tv6", "--json", "-o", "."], cwd=folder,
                       check=True, capture_output=True, timeout=300)
    namespace = {}
    cwd = os.getcwd()
    os.chdir(folder)
    try:
        for block in blocks(model_part_only, guide):
            exec(compile(block, str(guide), "exec"), namespace)
    finally:
        os.chdir(cwd)
    return namespace


def main(engine, output, guide=GUIDE):
    output = pathlib.Path(output)
    output.mkdir(parents=True, exist_ok=True)
    with tempfile.TemporaryDirectory(prefix="tarvex-guide-") as folder:
        run(folder, engine, guide=guide)
        for name in figures(guide):
            shutil.copyfile(pathlib.Path(folder) / name, output / name)
            print(f"wrote {output / name}")


if __name__ == "__main__":
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2], *(pathlib.Path(a).resolve() for a in sys.argv[3:]))
