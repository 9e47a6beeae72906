"""The type annotations of the package: Debian's mypy finds no error in it
(strict, with the settings of python/pyproject.toml), a program that uses the
package is checked against its types, and the stub of the compiled module
names what the module holds.

mypy is needed: the test fails, and never skips, when it is missing
(./scripts/test installs Debian's mypy)."""

import os
import subprocess
import sys
import textwrap

import pytest

from conftest import ROOT

PACKAGE = ROOT / "python"


@pytest.fixture(scope="module")
def cache(tmp_path_factory):
    """One cache of mypy for the checks of this file."""
    return tmp_path_factory.mktemp("mypy_cache")


def mypy(cache, *arguments, tool="mypy", env=None, cwd=PACKAGE):
    """Runs Debian's mypy (or its stubtest) with this interpreter, to which
    Debian's mypy belongs; returns (status, output)."""
    try:
        import mypy as _  # noqa: F401
    except ImportError:
        pytest.fail("mypy is not installed: install Debian's mypy (./scripts/test does)")
    if tool == "mypy":
        arguments = ("--cache-dir", str(cache), *arguments)
    done = subprocess.run([sys.executable, "-m", tool, *arguments], capture_output=True,
                          text=True, timeout=600, cwd=cwd, env=env)
    return done.returncode, done.stdout + done.stderr


def test_the_package_has_no_type_error(cache):
    status, output = mypy(cache, "--config-file", str(PACKAGE / "pyproject.toml"))
    assert status == 0, output
    assert "Success: no issues found" in output


USER_PROGRAM = '''
import pathlib
from typing import Optional

import numpy as np
import numpy.typing as npt

import tarvex

results: tarvex.Results = tarvex.run(path=pathlib.Path("examples/quickstart.tv6"))
case: tarvex.LoadCaseResult = results.cases[0]
deflection: float = case.head_deflection
depth: npt.NDArray[np.float64] = case.depth
study: Optional[tarvex.LengthStudy] = case.length_study
again: tarvex.Results = tarvex.Results.from_json("quickstart.json")
model: tarvex.Model = tarvex.read_input(text="TARVEX6\\nEND\\n")
many: list[tarvex.Results] = tarvex.run_many([model, b"TARVEX6", pathlib.Path("a.tv6")])
version: str = tarvex.__version__
study = tarvex.sweep(model, {"sections[0].length": [30.0, 40.0]}, executor=2)
exceeding: tarvex.Exceedance = tarvex.exceedance(study, "head_deflection", 0.5, case=1)
probability: float = exceeding.probability
'''


def test_a_program_is_checked_against_the_packages_types(cache, tmp_path):
    """The annotations reach a program that uses the package: correct uses
    pass, and wrong ones are found (the types are not Any)."""
    env = dict(os.environ, MYPYPATH=str(PACKAGE))
    good = tmp_path / "good.py"
    good.write_text(USER_PROGRAM)
    status, output = mypy(cache, "--strict", str(good), env=env)
    assert status == 0, output

    bad = tmp_path / "bad.py"
    bad.write_text(USER_PROGRAM + textwrap.dedent('''
        wrong_unit: str = case.head_deflection
        no_such: float = case.head_deflectoin
        results.cases[0].plot("moment", ax=None).set_xlabel("x")
        tarvex.run(path=b"examples/quickstart.tv6")
    '''))
    status, output = mypy(cache, "--strict", str(bad), env=env)
    assert status == 1, output
    errors = [line for line in output.splitlines() if ": error:" in line]
    assert len(errors) == 3, output
    assert 'has type "float", variable has type "str"' in errors[0]
    assert 'has no attribute "head_deflectoin"' in errors[1]
    assert '"path" to "run" has incompatible type "bytes"' in errors[2]


@pytest.mark.usefixtures("analyses")
def test_the_stub_names_what_the_compiled_module_holds(cache, tmp_path):
    import tarvex
    env = dict(os.environ, PYTHONPATH=os.path.dirname(os.path.dirname(tarvex.__file__)))
    status, output = mypy(cache, "tarvex._tarvex", "--allowlist",
                          str(ROOT / "tests" / "python" / "stubtest_allowlist.txt"),
                          tool="mypy.stubtest", env=env, cwd=tmp_path)
    assert status == 0, output


def test_the_model_exports_every_public_class():
    """`from tarvex.model import *` (and tarvex itself) gives every class of
    the model: its __all__ is a plain list that type checkers read."""
    import tarvex
    from tarvex import model
    public = {name for name, value in vars(model).items() if isinstance(value, type)
              and value.__module__ == model.__name__ and not name.startswith("_")}
    assert public <= set(model.__all__)
    assert all(hasattr(tarvex, name) for name in model.__all__)
