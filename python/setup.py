"""Builds and installs the tarvex package with its compiled engine module.

    pip install --no-build-isolation ./python

The extension module tarvex._tarvex comes from the engine's own CMake build
(option TARVEX_PYTHON_MODULE) for the interpreter that runs this script. An
engine already built in the checkout's build/ folder (./scripts/quickstart,
./scripts/test) is reused when it was configured from this source tree for
the same interpreter: CMake brings its module up to date there (nothing to do
after ./scripts/test, the module's own source alone after
./scripts/quickstart) and the module is copied. Otherwise the engine is
built afresh in pip's build folder. The environment variable
TARVEX_ENGINE_BUILD names another build folder to reuse, or 'none' to build
afresh always.

The build needs cmake, a C++20 compiler, RapidJSON's headers, pybind11 and
the Python headers (Debian: cmake g++ rapidjson-dev pybind11-dev python3-dev),
and NumPy at run time. pip shows a build's output only with -v: the progress
of the compilation goes to the terminal as well, when there is one.
"""

import os
import pathlib
import re
import shutil
import subprocess
import sys
import sysconfig
import time

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parent
STEP = re.compile(r"^\[(\d+)/(\d+)\] (.*)")


def _version():
    text = (ROOT / "CMakeLists.txt").read_text()
    return re.search(r"project\(tarvex VERSION ([0-9.]+)", text).group(1)


class Progress:
    """Lines of progress: every line of the build to the standard error (pip
    shows it with -v, and in full when the build fails) and, because pip
    keeps a build's output to itself otherwise, the steps of the compilation
    on one line of the terminal when there is one."""

    def __init__(self):
        self.tty = None
        if not sys.stderr.isatty():
            try:
                self.tty = open("/dev/tty", "w")  # noqa: SIM115 - closed in close()
            except OSError:
                self.tty = None
        self.open_line = False

    def say(self, message):
        print(f"tarvex: {message}", file=sys.stderr, flush=True)
        if self.tty:
            self._end_line()
            self.tty.write(f"tarvex: {message}\n")
            self.tty.flush()

    def build_line(self, line):
        sys.stderr.write(line)
        sys.stderr.flush()
        step = STEP.match(line)
        if self.tty and step:
            done, total, what = step.groups()
            what = what.rsplit("/", 1)[-1].strip()
            text = f"tarvex: building [{done}/{total}] {what}"[:79]
            self.tty.write("\r" + text.ljust(79))
            self.tty.flush()
            self.open_line = True

    def _end_line(self):
        if self.open_line:
            self.tty.write("\n")
            self.open_line = False

    def close(self):
        if self.tty:
            self._end_line()
            self.tty.close()
            self.tty = None

    def run(self, command):
        with subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                              text=True, errors="replace") as process:
            assert process.stdout is not None
            for line in process.stdout:
                self.build_line(line)
        if process.returncode != 0:
            self.close()
            raise subprocess.CalledProcessError(process.returncode, command)


def _interpreter():
    """The interpreter proper (a virtual environment's python is a link to it)."""
    return os.path.realpath(getattr(sys, "_base_executable", None) or sys.executable)


def _cache(build):
    values = {}
    try:
        text = (build / "CMakeCache.txt").read_text(errors="replace")
    except OSError:
        return None
    for line in text.splitlines():
        match = re.match(r"^([A-Za-z_0-9]+):[A-Z]+=(.*)$", line)
        if match:
            values[match.group(1)] = match.group(2)
    return values


def _reusable_build():
    """The build folder whose engine this install reuses and whether it builds
    the module already, or None and the reason why no folder is reused."""
    chosen = os.environ.get("TARVEX_ENGINE_BUILD", "")
    if chosen.lower() == "none":
        return None, "TARVEX_ENGINE_BUILD=none"
    build = pathlib.Path(chosen).resolve() if chosen else ROOT / "build"
    cache = _cache(build)
    if cache is None:
        return None, f"no configured engine build in {build}"
    home = cache.get("CMAKE_HOME_DIRECTORY", "")
    if not home or os.path.realpath(home) != str(ROOT):
        return None, f"{build} is the build of another source tree ({home})"
    python = os.path.realpath(cache.get("TARVEX_PYTHON", "/usr/bin/python3"))
    if python != _interpreter():
        return None, f"{build} builds for {python}, not for {_interpreter()}"
    if cache.get("EMSCRIPTEN") or cache.get("CMAKE_CROSSCOMPILING", "").upper() == "TRUE":
        return None, f"{build} is a cross build"
    return build, cache.get("TARVEX_PYTHON_MODULE", "OFF").upper() in ("ON", "TRUE", "1")


class CMakeBuild(build_ext):
    def build_extension(self, ext):
        progress = Progress()
        start = time.monotonic()
        jobs = os.environ.get("CMAKE_BUILD_PARALLEL_LEVEL", "2")
        suffix = sysconfig.get_config_var("EXT_SUFFIX")
        build, has_module_or_reason = _reusable_build()
        if build is not None:
            progress.say(f"reusing the engine built in {build}")
            if not has_module_or_reason:
                # A build folder without the module (./scripts/quickstart's):
                # the option adds the module's target; the engine is reused.
                try:
                    progress.run(["cmake", "-S", str(ROOT), "-B", str(build),
                                  "-DTARVEX_PYTHON_MODULE=ON"])
                except subprocess.CalledProcessError:
                    # Leave the folder as it was, so that the quick start
                    # still configures it (pybind11 or the Python headers
                    # are missing, most likely).
                    subprocess.run(["cmake", "-S", str(ROOT), "-B", str(build),
                                    "-DTARVEX_PYTHON_MODULE=OFF"], check=False,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                    raise
        else:
            progress.say(f"building the engine afresh ({has_module_or_reason}); this takes minutes")
            build = pathlib.Path(self.build_temp).resolve() / "cmake"
            configure = ["cmake", "-S", str(ROOT), "-B", str(build),
                         "-DCMAKE_BUILD_TYPE=Release", "-DTARVEX_PYTHON_MODULE=ON",
                         "-DTARVEX_TESTS=OFF", f"-DTARVEX_PYTHON={sys.executable}"]
            if shutil.which("ninja"):
                configure += ["-G", "Ninja"]
            if shutil.which("ccache"):
                configure += ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"]
            progress.run(configure)
        progress.run(["cmake", "--build", str(build), "--target", "_tarvex", "-j", jobs])
        built = build / "python" / "tarvex" / f"_tarvex{suffix}"
        if not built.is_file():
            progress.close()
            raise RuntimeError(f"the CMake build made no {built.name} in {built.parent}")
        target = pathlib.Path(self.get_ext_fullpath(ext.name))
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(built, target)
        progress.say(f"engine module {built} ready in {time.monotonic() - start:.0f} s")
        progress.close()


setup(
    name="tarvex",
    version=_version(),
    description="Lateral analysis of single piles and drilled shafts by the p-y method",
    packages=["tarvex"],
    # The type stub of the compiled module and the marker of a typed package.
    package_data={"tarvex": ["py.typed", "*.pyi"]},
    python_requires=">=3.10",
    install_requires=["numpy"],
    extras_require={"frames": ["pandas"], "plots": ["matplotlib"]},
    ext_modules=[Extension("tarvex._tarvex", sources=[])],
    cmdclass={"build_ext": CMakeBuild},
    zip_safe=False,
)
