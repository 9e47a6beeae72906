"""The code of the Python guide (docs/python.md): its blocks run in a folder
of their own as the tutorial runs them from the root of the repository,
with the results file of the command line that the tutorial reads.

    PYTHONPATH=build/python python3 tests/python/guide.py ENGINE FOLDER

runs the guide with the command-line engine ENGINE and copies the figures
that the guide shows into FOLDER (./scripts/python-doc-figures makes
docs/images so).
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
# The part of the guide that builds inputs only: it runs without the
# compiled module.
MODEL_PART = "## Building inputs"


def blocks(model_part_only=False):
    """The code of the guide's Python blocks, in order."""
    text = GUIDE.read_text()
    if model_part_only:
        text = text[text.index(MODEL_PART):]
    return re.findall(r"```python\n(.*?)```", text, re.S)


def figures():
    """The file names of the figures that the guide shows (docs/images/)."""
    return re.findall(r"\]\(images/([^)]+\.png)\)", GUIDE.read_text())


def run(folder, engine, model_part_only=False):
    """Runs the blocks in `folder` (with examples/ linked into it and, from
    `engine`, the results file quickstart.json) and returns their names."""
    folder = pathlib.Path(folder)
    (folder / "examples").symlink_to(ROOT / "examples")
    if not model_part_only:
        subprocess.run([os.path.abspath(engine), "examples/quickstart.tv6", "--json", "-o", "."], cwd=folder,
                       check=True, capture_output=True, timeout=300)
    namespace = {}
    cwd = os.getcwd()
    os.chdir(folder)
    try:
        for block in blocks(model_part_only):
            exec(compile(block, str(GUIDE), "exec"), namespace)
    finally:
        os.chdir(cwd)
    return namespace


def main(engine, output):
    output = pathlib.Path(output)
    output.mkdir(parents=True, exist_ok=True)
    with tempfile.TemporaryDirectory(prefix="tarvex-guide-") as folder:
        run(folder, engine)
        for name in figures():
            shutil.copyfile(pathlib.Path(folder) / name, output / name)
            print(f"wrote {output / name}")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
