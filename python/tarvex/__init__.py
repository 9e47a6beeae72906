"""Tarvex from Python: build, read and write the input of the lateral pile
analysis engine.

``tarvex.Model`` holds a TARVEX6 input as dataclasses; ``Model.to_input()``
writes it and ``tarvex.read_input()`` reads one back. ``tarvex.run`` needs the
compiled module ``tarvex._tarvex``, which binds the engine.
"""

from .errors import AnalysisError, InputError, ModelError, TarvexError
from .model import *  # noqa: F401,F403 - the dataclasses of the input model
from .model import __all__ as _model_names
from .reader import read_input

try:  # the compiled engine module, when this installation has it
    from . import _tarvex
except ImportError:
    _tarvex = None


def run(*args, **kwargs):
    """Runs an analysis in the engine (needs the compiled module)."""
    if _tarvex is None:
        raise ImportError(
            "tarvex.run needs the compiled engine module tarvex._tarvex, which this "
            "installation of tarvex does not have: it holds the input model only "
            "(tarvex.Model, tarvex.read_input). Run the command-line engine on the file "
            "that Model.write() writes instead.")
    return _tarvex.run(*args, **kwargs)


__all__ = ["AnalysisError", "InputError", "ModelError", "TarvexError", "read_input", "run",
           *_model_names]
