"""Exceptions of the tarvex package."""


class TarvexError(Exception):
    """Base class of the errors raised by tarvex."""


def _where(file, line):
    if file is not None and line is not None:
        return f"{file}, line {line}: "
    if line is not None:
        return f"line {line}: "
    if file is not None:
        return f"{file}: "
    return ""


class InputError(TarvexError, ValueError):
    """An input file that cannot be read.

    ``read_input`` raises it for a file whose layout it cannot follow; the
    engine raises it for an input error of a run. ``identity`` ("INP00095")
    and ``code`` (195) are the engine's when the engine raised it and None
    otherwise; ``file`` and ``line`` say where, and ``message`` what.
    """

    def __init__(self, message, *, file=None, line=None, identity=None, code=None):
        self.message = message
        self.file = file
        self.line = line
        self.identity = identity
        self.code = code
        super().__init__(_where(file, line) + message)


class AnalysisError(TarvexError, RuntimeError):
    """A run of the engine that ended with an error other than an input
    error: a runtime error ("RUN00010", a case that did not converge), an
    output the engine could not write, or a fault of the engine itself.
    ``identity``, ``code``, ``file``, ``line`` and ``message`` as for
    ``InputError``."""

    def __init__(self, message, *, file=None, line=None, identity=None, code=None):
        self.message = message
        self.file = file
        self.line = line
        self.identity = identity
        self.code = code
        super().__init__(_where(file, line) + message)


class ModelError(TarvexError, ValueError):
    """A model that cannot be written as an input the engine accepts.

    ``problems`` lists every value at fault, each naming the field by its
    path in the model ("sections[0].concrete.fc: must be positive, not 0").
    """

    def __init__(self, problems):
        self.problems = list(problems)
        super().__init__("\n".join(self.problems))
