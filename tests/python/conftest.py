"""Shared fixtures of the tests of the tarvex Python package.

The package is imported from PYTHONPATH when that is set (CTest gives the
package laid out in the build folder, with its compiled engine module), else
from python/ of this tree. Tests that run analyses in the compiled module
(those that use the fixture `analyses`, marked `module`) fail when it cannot
be imported; a build without the module deselects them by their marker with
`-m "not module"`, and pytest counts them as deselected. Tests that run the
command-line engine take its path from TARVEX_CLI (CTest sets it) or use
build/tarvex, and fail when there is none. Nothing is skipped for a missing
part: a test that cannot run fails.
"""

import os
import pathlib
import subprocess
import sys

import pytest

ROOT = pathlib.Path(__file__).resolve().parents[2]
if not os.environ.get("PYTHONPATH"):
    sys.path.insert(0, str(ROOT / "python"))

EXAMPLES = sorted((ROOT / "examples").glob("*.tv6"))


def pytest_configure(config):
    """The tests use the package's current names and forms of call: a
    deprecated one fails the test, except where a test asks for its warning
    (pytest.warns)."""
    config.addinivalue_line("filterwarnings", "error::tarvex.errors.TarvexDeprecationWarning")
    config.addinivalue_line(
        "markers", "module: runs analyses in the compiled module tarvex._tarvex")


def pytest_collection_modifyitems(items):
    """Marks `module` every test that runs analyses in the compiled module, so
    that a build without it can deselect exactly those."""
    for item in items:
        if "analyses" in getattr(item, "fixturenames", ()):
            item.add_marker(pytest.mark.module)

# Report lines that name where and when the run was made.
_RUN_LINES = ("Path to file locations", "Name of input data file")


def engine_path():
    """The engine of TARVEX_CLI (which must exist when given), or build/tarvex;
    fails the test when there is none."""
    given = os.environ.get("TARVEX_CLI")
    if given:
        assert os.access(given, os.X_OK), f"TARVEX_CLI={given} is no executable"
        return given
    path = str(ROOT / "build" / "tarvex")
    if not os.access(path, os.X_OK):
        pytest.fail("the command-line engine is not built (set TARVEX_CLI or build build/)")
    return path


@pytest.fixture(scope="session")
def engine():
    """Runs the command-line engine on an input text; returns (exit status,
    {extension: lines of the report, plot and message files})."""
    path = engine_path()
    counter = iter(range(1_000_000))

    def run(text, tmp_path, stem="run"):
        folder = tmp_path / f"engine{next(counter)}"
        folder.mkdir()
        data = text.encode("utf-8", "surrogateescape") if isinstance(text, str) else text
        (folder / f"{stem}.tv6").write_bytes(data)
        done = subprocess.run([path, str(folder / f"{stem}.tv6")], capture_output=True,
                              timeout=300)
        files = {}
        for ext in ("out", "plt", "msg"):
            file = folder / f"{stem}.{ext}"
            files[ext] = file.read_text("latin-1").splitlines() if file.exists() else None
        return done.returncode, files

    return run


def comparable(files):
    """The output files without the lines that name the run's folder, date
    and time."""
    out = files["out"]
    if out is not None:
        out = [line for line in out if not line.startswith(_RUN_LINES)
               and not ("Date:" in line and "Time:" in line)]
    return {"out": out, "plt": files["plt"], "msg": files["msg"]}


@pytest.fixture(scope="session")
def analyses():
    """For the tests that run analyses in the compiled module: fails when it
    cannot be imported."""
    import tarvex.engine
    if tarvex.engine._tarvex is None:
        pytest.fail("the compiled module tarvex._tarvex cannot be imported (build it with "
                    "-DTARVEX_PYTHON_MODULE=ON and set PYTHONPATH=<build>/python)")
