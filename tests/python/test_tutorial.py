"""The tutorial (docs/tutorial.md) says what a run prints today: its input,
written piece by piece, is examples/tutorial_shaft.tv6; every command it
shows runs and prints what it shows; its Python prints what it shows; and
every decimal number of its text is one of those printed or given, so that
no number it quotes can go stale unnoticed."""

import contextlib
import io
import os
import pathlib
import re
import shutil
import subprocess

import pytest

from conftest import engine_path

ROOT = pathlib.Path(__file__).resolve().parents[2]
TUTORIAL = ROOT / "docs" / "tutorial.md"
INPUT = ROOT / "examples" / "tutorial_shaft.tv6"
FENCE = re.compile(r"^```(\w*)\n(.*?)^```\n", re.S | re.M)


def fenced(kind):
    return [body for lang, body in FENCE.findall(TUTORIAL.read_text()) if lang == kind]


def console_steps():
    """Each shell command of the console blocks with the output shown below it."""
    steps = []
    for block in fenced("console"):
        for part in re.split(r"^\$ ", block, flags=re.M)[1:]:
            command, _, output = part.partition("\n")
            steps.append((command, output))
    return steps


def python_steps():
    """Each Python block with the text block that follows it (its output)."""
    blocks = FENCE.findall(TUTORIAL.read_text())
    steps = []
    for (lang, body), (next_lang, next_body) in zip(blocks, blocks[1:] + [("", "")]):
        if lang == "python":
            steps.append((body, next_body if next_lang == "text" else ""))
    return steps


def normalised(text):
    return "\n".join(line.rstrip() for line in text.strip("\n").split("\n"))


def test_the_input_written_step_by_step_is_the_example():
    pieces = fenced("tv6")
    assert len(pieces) >= 5
    assert "".join(pieces) == INPUT.read_text()


@pytest.fixture(scope="module")
def folder(tmp_path_factory):
    """The reader's folder: the tutorial's input and `tarvex` on the PATH."""
    work = tmp_path_factory.mktemp("tutorial")
    shutil.copyfile(INPUT, work / INPUT.name)
    bin_dir = work / "bin"
    bin_dir.mkdir()
    (bin_dir / "tarvex").symlink_to(os.path.abspath(engine_path()))
    return work


@pytest.fixture(scope="module")
def printed(folder):
    """What each command of the tutorial printed, run in order in its folder."""
    env = dict(os.environ, PATH=f"{folder / 'bin'}:{os.environ['PATH']}")
    outputs = []
    for command, shown in console_steps():
        run = subprocess.run(["bash", "-c", command], cwd=folder, env=env, capture_output=True,
                             text=True, timeout=300)
        # The tutorial shows the reader's folder as ~/tutorial.
        output = (run.stdout + run.stderr).replace(str(folder), "~/tutorial")
        outputs.append((command, shown, output))
    return outputs


def test_every_command_prints_what_the_tutorial_shows(printed):
    assert len(printed) >= 4
    for command, shown, output in printed:
        assert normalised(output) == normalised(shown), f"$ {command}"


@pytest.fixture(scope="module")
def python_printed(folder, analyses):
    """What each Python block printed, run in order in one namespace."""
    outputs = []
    namespace = {}
    cwd = os.getcwd()
    os.chdir(folder)
    try:
        for code, shown in python_steps():
            out = io.StringIO()
            with contextlib.redirect_stdout(out):
                exec(compile(code, str(TUTORIAL), "exec"), namespace)
            outputs.append((code, shown, out.getvalue()))
    finally:
        os.chdir(cwd)
    return outputs


@pytest.mark.module
def test_the_python_prints_what_the_tutorial_shows(python_printed):
    assert len(python_printed) >= 2
    for code, shown, output in python_printed:
        assert normalised(output) == normalised(shown), code


@pytest.mark.module
def test_every_number_of_the_text_was_printed_or_given(printed, python_printed):
    """The prose quotes numbers only from the outputs above and the input."""
    text = FENCE.sub("", TUTORIAL.read_text())
    quoted = set(re.findall(r"(?<![\w.])-?\d+\.\d+(?![\w.])", text))
    assert quoted, "the tutorial quotes no result"
    sources = [INPUT.read_text()] + [o for _, _, o in printed] + [o for _, _, o in python_printed]
    tokens = set()
    for source in sources:
        # A signed value may be quoted by its size ("turns 0.003 rad").
        tokens.update(re.findall(r"-?\d+\.\d+(?:E[-+]\d+)?", source))
        tokens.update(re.findall(r"\d+\.\d+(?:E[-+]\d+)?", source))
    missing = sorted(n for n in quoted if n not in tokens)
    assert not missing, f"numbers in docs/tutorial.md that no run printed: {missing}"
