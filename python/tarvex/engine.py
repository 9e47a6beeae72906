"""Running analyses: ``run`` one input, ``run_many`` in parallel threads.

The engine runs in the compiled module ``tarvex._tarvex`` with the
interpreter lock released, so threads run analyses side by side on as many
processor cores as there are workers.
"""

from __future__ import annotations

import os
import warnings
from concurrent.futures import ThreadPoolExecutor
from types import ModuleType
from typing import Any, Iterable, Optional, Union

from .errors import AnalysisError, InputError, TarvexDeprecationWarning
from .model import Model
from .results import Results

try:  # the compiled engine module, when this installation has it
    from . import _tarvex
except ImportError:
    _tarvex = None  # type: ignore[assignment]

#: What ``run`` and ``run_many`` analyse: a model, the text of an input (str
#: or bytes) or the path of an input file.
Source = Union[Model, str, bytes, "os.PathLike[str]"]

# (is_path, bytes, file): an input's text as bytes or the path of its file;
# file is the path as given (None for a text or a model).
_Prepared = tuple[bool, bytes, Optional[str]]


def _module() -> ModuleType:
    if _tarvex is None:
        raise ImportError(
            "tarvex.run needs the compiled engine module tarvex._tarvex, which this "
            "installation of tarvex does not have: it holds the input model only "
            "(tarvex.Model, tarvex.read_input). Install the package with "
            "'pip install --no-build-isolation ./python' (see the README), or run the "
            "command-line engine on the file that Model.write() writes.")
    return _tarvex


def _prepared(source: Source) -> _Prepared:
    """(is_path, bytes, file) of an input: its text as bytes, or the path of
    its file; file is the path as given (None for a text or a model). A str
    holding a line break is a text, any other a path."""
    if isinstance(source, Model):
        return False, source.to_input().encode("utf-8", "surrogateescape"), None
    if isinstance(source, (bytes, bytearray)):
        return False, bytes(source), None
    if isinstance(source, str) and (not source or "\n" in source or "\r" in source):
        return False, source.encode("utf-8", "surrogateescape"), None
    return _path(source)


def _path(source: Union[str, os.PathLike[str]]) -> _Prepared:
    path = os.fspath(source)
    # A file that cannot be opened raises here as Python's own error
    # (FileNotFoundError, IsADirectoryError, PermissionError); the engine
    # reads the file itself.
    open(path, "rb").close()
    return True, os.fsencode(os.path.abspath(path)), os.fsdecode(path)


def _text(text: Union[str, bytes]) -> _Prepared:
    if isinstance(text, str):
        return False, text.encode("utf-8", "surrogateescape"), None
    if isinstance(text, (bytes, bytearray)):
        return False, bytes(text), None
    raise TypeError(f"text= takes the text of an input (str or bytes), not "
                    f"{type(text).__name__}")


def _error(results: Results) -> Union[InputError, AnalysisError]:
    """The exception for a run that ended with an error."""
    e = results.error
    assert e is not None
    message = "\n".join(e.message) or f"the run ended with result code {results.result_code}"
    line = e.line_number or None
    # The input file as the caller gave it, also for an error not about a line.
    file = getattr(results, "_input_file", None) or e.file
    error: Union[InputError, AnalysisError]
    if results.outcome == "input_error":
        error = InputError(message, file=file, line_number=line, identity=e.identity,
                           code=e.code)
    else:
        error = AnalysisError(message, file=file, line_number=line, identity=e.identity,
                              code=e.code)
    error.results = results
    return error


def _checked(results: Results, check: bool) -> Results:
    if check and results.error is not None:
        raise _error(results)
    return results


def run(source: Optional[Source] = None, /, *, text: Union[str, bytes, None] = None,
        path: Union[str, os.PathLike[str], None] = None, check: bool = True) -> Results:
    """Analyses one input and returns its ``Results``.

    Give the input one way: ``run(text=...)`` the text of an input (str or
    bytes), ``run(path=...)`` the path of an input file (str or
    os.PathLike), or ``run(model)`` a ``tarvex.Model`` (also ``run(a_path)``
    for a pathlib.Path and ``run(some_bytes)`` for a text). A str given
    without a keyword is still taken as a text when it holds a line break
    and as a path otherwise, with a DeprecationWarning: say which it is.

    A run that ends with an input error raises ``tarvex.InputError``, one
    that ends with a runtime error ``tarvex.AnalysisError``; each carries
    ``identity``, ``code``, ``file``, ``line_number``, ``message`` and the
    partial ``results``. With ``check=False`` the results are returned
    instead, with ``error`` set. An input file that cannot be opened raises
    Python's own error (FileNotFoundError, PermissionError).
    """
    given = [s for s in (source, text, path) if s is not None]
    if len(given) != 1:
        raise TypeError("run() takes one input: run(text=...), run(path=...) or run(model), "
                        f"not {len(given)}")
    module = _module()
    prepared: _Prepared
    if text is not None:
        prepared = _text(text)
    elif path is not None:
        if isinstance(path, (bytes, bytearray, Model)):
            raise TypeError(f"path= takes the path of an input file, not "
                            f"{type(path).__name__}")
        prepared = _path(path)
    else:
        assert source is not None
        if isinstance(source, str):
            kind = "text" if not source or "\n" in source or "\r" in source else "path"
            warnings.warn(f"run() was given a str and took it as a {kind}; say which it is "
                          f"with run({kind}=...)", TarvexDeprecationWarning, stacklevel=2)
        prepared = _prepared(source)
    is_path, data, file = prepared
    raw = module.analyse_file(data) if is_path else module.analyse(data)
    return _checked(Results._from_engine(raw, file), check)


def _run_batch(module: Any, batch: list[_Prepared], cancel: Any = None) -> list[Results]:
    raws = module.analyse_batch([(is_path, data) for is_path, data, _ in batch], cancel)
    return [Results._from_engine(raw, file) for raw, (_, _, file) in zip(raws, batch)]


def run_many(sources: Iterable[Source], workers: Optional[int] = None, *,
             check: bool = True) -> list[Results]:
    """Analyses every input of ``sources`` (models, texts or paths) with up to
    ``workers`` threads (default: one per processor) and returns the list of
    their ``Results`` in the order of ``sources``.

    A str of ``sources`` holding a line break is a text and any other a
    path; give paths as pathlib.Path and texts as bytes to leave no doubt.
    With ``check=True`` the first input in order whose run ends with an error
    raises as ``run`` does, and the runs not started yet are dropped.
    """
    # One input given alone would be taken as a list of its characters.
    if isinstance(sources, (str, bytes, bytearray, os.PathLike)) or hasattr(sources, "to_input"):
        raise TypeError(f"run_many takes a list of inputs, not one {type(sources).__name__}; "
                        "use tarvex.run for one input")
    if workers is None:
        workers = os.cpu_count() or 1
    if not isinstance(workers, int) or isinstance(workers, bool) or workers < 1:
        raise ValueError(f"workers must be a positive integer, not {workers!r}")
    module = _module()
    # Models are written and files checked here, before any run starts.
    prepared = [_prepared(s) for s in sources]
    # The workers take the inputs in small batches: a worker lets the
    # interpreter lock go for a whole batch and takes it back once to make
    # the batch's results, so that the workers seldom wait on each other.
    size = max(1, min(16, len(prepared) // (4 * workers)))
    batches = [prepared[i:i + size] for i in range(0, len(prepared), size)]
    results: list[Results] = []
    if workers == 1 or len(batches) <= 1:
        # One run at a time on this thread, so that Ctrl-C stops after it.
        for p in prepared:
            for r in _run_batch(module, [p]):
                results.append(_checked(r, check))
        return results
    # Set on an error or Ctrl-C: the queued batches are dropped and the
    # running ones end after the run they are in.
    cancel = module.Cancel()
    with ThreadPoolExecutor(max_workers=min(workers, len(batches))) as pool:
        futures = [pool.submit(_run_batch, module, b, cancel) for b in batches]
        try:
            for future in futures:
                for r in future.result():
                    results.append(_checked(r, check))
        except BaseException:
            cancel.set()
            for future in futures:
                future.cancel()
            raise
    return results
