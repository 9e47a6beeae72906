"""Tarvex from Python: build, read and write the input of the lateral pile
analysis engine, and run it.

``tarvex.Model`` holds a TARVEX6 input as dataclasses; ``Model.to_input()``
writes it and ``tarvex.read_input()`` reads one back. ``tarvex.run`` analyses
an input (a model, a text or a file) and returns its ``Results``;
``tarvex.run_many`` analyses many in parallel threads. Running needs the
compiled engine module ``tarvex._tarvex`` and NumPy.
"""

from .engine import run, run_many
from .errors import AnalysisError, InputError, ModelError, TarvexError
from .model import *  # noqa: F401,F403 - the dataclasses of the input model
from .model import __all__ as _model_names
from .reader import read_input
from .results import Results

__all__ = ["AnalysisError", "InputError", "ModelError", "Results", "TarvexError", "read_input",
           "run", "run_many", *_model_names]
