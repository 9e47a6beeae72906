"""Builds and installs the tarvex package with its compiled engine module.

    pip install --no-build-isolation ./python

The extension module tarvex._tarvex is built by the engine's own CMake build
(option TARVEX_PYTHON_MODULE) with the interpreter that runs this script;
it needs cmake, a C++20 compiler, RapidJSON's headers, pybind11 and the
Python headers (Debian: cmake g++ rapidjson-dev pybind11-dev python3-dev) and
NumPy at run time.
"""

import os
import pathlib
import re
import shutil
import subprocess
import sys

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parent


def _version():
    text = (ROOT / "CMakeLists.txt").read_text()
    return re.search(r"project\(tarvex VERSION ([0-9.]+)", text).group(1)


class CMakeBuild(build_ext):
    def build_extension(self, ext):
        build = pathlib.Path(self.build_temp).resolve() / "cmake"
        configure = ["cmake", "-S", str(ROOT), "-B", str(build), "-DCMAKE_BUILD_TYPE=Release",
                     "-DTARVEX_PYTHON_MODULE=ON", "-DTARVEX_TESTS=OFF",
                     f"-DTARVEX_PYTHON={sys.executable}"]
        if shutil.which("ninja"):
            configure += ["-G", "Ninja"]
        if shutil.which("ccache"):
            configure += ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"]
        subprocess.run(configure, check=True)
        jobs = os.environ.get("CMAKE_BUILD_PARALLEL_LEVEL", "2")
        subprocess.run(["cmake", "--build", str(build), "--target", "_tarvex", "-j", jobs],
                       check=True)
        built = sorted((build / "python" / "tarvex").glob("_tarvex*.so"))
        if not built:
            raise RuntimeError(f"the CMake build made no _tarvex module in {build}")
        target = pathlib.Path(self.get_ext_fullpath(ext.name))
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(built[0], target)


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
