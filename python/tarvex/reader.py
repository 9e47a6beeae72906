"""Reading a TARVEX6 input text into a Model.

The lines are read as the engine reads them: keyword lines compared exactly
(trailing blanks ignored), text lines taken as they stand, and free-format
rows whose values are separated by blanks, tabs or commas, where a slash
ends the row early, nothing between two commas is a null value, ``r*v``
stands for r copies of v, words may be quoted, a row with fewer values runs
on into the next line and the values beyond those read are ignored. A value
not given (slash or null) keeps the engine's initial value.

The reader follows the layout of the file and raises InputError where it
cannot (an unknown keyword, a word where a number is expected, a count or a
code out of range, rows out of sequence, a missing END). The values
themselves are checked by Model.validate(), which to_input() calls, so a
file with a wrong value can be read, corrected and written again.
"""

from __future__ import annotations

import math
import os
import re
import warnings
from typing import Any, NoReturn, Optional, Sequence, Union

from . import layout as L
from . import model as m
from .errors import InputError, TarvexDeprecationWarning

_REAL = re.compile(r"[+-]?(\d+\.?\d*|\.\d+)([eEdDqQ][+-]?\d+)?")
_INTEGER = re.compile(r"[+-]?\d+")
_INT_MIN, _INT_MAX = -(2 ** 31), 2 ** 31 - 1


def read_input(source: Union[str, bytes, os.PathLike[str], None] = None, /, *,
               text: Union[str, bytes, None] = None,
               path: Union[str, os.PathLike[str], None] = None) -> m.Model:
    """Reads a TARVEX6 input into a Model.

    Give the input one way: ``read_input(path=...)`` the path of a file (str
    or os.PathLike), ``read_input(text=...)`` the text of an input (str or
    bytes); ``read_input(a_path)`` for a pathlib.Path and
    ``read_input(some_bytes)`` for a text. A str given without a keyword is
    still taken as a text when it holds a line break and as a path
    otherwise, with a DeprecationWarning: say which it is.
    """
    given = [s for s in (source, text, path) if s is not None]
    if len(given) != 1:
        raise TypeError("read_input() takes one input: read_input(path=...) or "
                        f"read_input(text=...), not {len(given)}")
    if text is not None:
        if isinstance(text, str):
            text = text.encode("utf-8", "surrogateescape")
        if not isinstance(text, (bytes, bytearray)):
            raise TypeError(f"text= takes the text of an input (str or bytes), not "
                            f"{type(text).__name__}")
        return _read_file(_Reader(bytes(text), "input"))
    if path is None:
        assert source is not None
        if isinstance(source, (bytes, bytearray)):
            return _read_file(_Reader(bytes(source), "input"))
        if isinstance(source, str):
            guessed_text = "\n" in source or "\r" in source
            kind = "text" if guessed_text else "path"
            warnings.warn(f"read_input() was given a str and took it as a {kind}; say which "
                          f"it is with read_input({kind}=...)", TarvexDeprecationWarning,
                          stacklevel=2)
            if guessed_text:
                return _read_file(_Reader(source.encode("utf-8", "surrogateescape"), "input"))
        path = source
    if isinstance(path, (bytes, bytearray)):
        raise TypeError("path= takes the path of an input file (str or os.PathLike), not bytes")
    name = os.fspath(path)
    with open(name, "rb") as f:
        data = f.read()
    return _read_file(_Reader(data, os.path.basename(name)))


def parse_real(text: str) -> Optional[float]:
    """A number of the input (12, 12., .5, 1.5E-3, 1.5D-3), or None."""
    if not _REAL.fullmatch(text):
        return None
    mantissa = re.split(r"[eEdDqQ]", text)[0]
    value = float(re.sub(r"[dDqQ]", "e", text))
    if not math.isfinite(value):
        return None
    if value == 0.0 and re.search(r"[1-9]", mantissa):
        return None  # below the smallest number: the engine refuses it
    return value


def parse_integer(text: str) -> Optional[int]:
    """An integer of the input (no decimal point), or None."""
    if not _INTEGER.fullmatch(text):
        return None
    value = int(text)
    return value if _INT_MIN <= value <= _INT_MAX else None


def _text(data: bytes) -> str:
    return data.decode("utf-8", "surrogateescape")


class _Token:
    __slots__ = ("kind", "text", "quoted")

    def __init__(self, kind: str, text: str = "", quoted: bool = False) -> None:
        self.kind = kind  # "value", "null" or "slash"
        self.text = text
        self.quoted = quoted


def _tokenize(line: str) -> list[_Token]:
    tokens: list[_Token] = []
    i, n = 0, len(line)
    after_comma = False
    at_start = True
    while True:
        while i < n and line[i] in " \t":
            i += 1
        if i >= n:
            return tokens
        c = line[i]
        if c == ",":
            if after_comma or at_start:
                tokens.append(_Token("null"))
            after_comma = True
            at_start = False
            i += 1
            continue
        if c == "/":
            tokens.append(_Token("slash"))
            return tokens
        if c in "'\"":
            i += 1
            begin = i
            parts = []
            while i < n:
                if line[i] == c:
                    if i + 1 < n and line[i + 1] == c:
                        parts.append(line[begin:i + 1])
                        i += 2
                        begin = i
                        continue
                    break
                i += 1
            parts.append(line[begin:i])
            if i < n:
                i += 1  # the closing quote
            tokens.append(_Token("value", "".join(parts), True))
        else:
            begin = i
            while i < n and line[i] not in " \t,/":
                i += 1
            tokens.append(_Token("value", line[begin:i]))
        after_comma = False
        at_start = False


class _Reader:
    def __init__(self, data: bytes, name: str) -> None:
        if data.startswith(b"\xef\xbb\xbf"):
            data = data[3:]
        records = data.split(b"\n")
        if records and records[-1] == b"":
            records.pop()  # the line end of the last line
        self.records = [r[:-1] if r.endswith(b"\r") else r for r in records]
        self.name = name
        self.next = 0  # records read so far: the number of the last one read
        self.model = m.Model()
        self.options_read = False
        self.data_read = False  # a section other than TITLE and OPTIONS was read
        self.sections_read = False
        self.transverse_read = False
        # The engine keeps the load cases of LOADING and the thrusts of AXIAL
        # THRUST LOADS in one table: rows of [type, condition 1, condition 2,
        # axial load, length study].
        self.table: Optional[list[list[Any]]] = None
        self.from_loading = False

    # -- records ---------------------------------------------------------

    @property
    def line_number(self) -> int:
        return self.next

    def fail(self, message: str) -> NoReturn:
        raise InputError(message, file=self.name, line_number=self.line_number)

    def record(self, what: str) -> bytes:
        """The next record, as bytes."""
        if self.next >= len(self.records):
            raise InputError(f"the file ends before {what} was read", file=self.name,
                             line_number=self.line_number)
        self.next += 1
        return self.records[self.next - 1]

    def raw(self, what: str) -> str:
        return self.record(what).decode("utf-8", "surrogateescape")

    def keyword_line(self, what: str) -> str:
        """A keyword line: 256 characters, trailing blanks removed."""
        return _text(self.record(what)[:L.TEXT_LENGTH]).rstrip(" \t")

    def text_line(self, what: str) -> str:
        """A text line of 256 characters; the blanks that pad it are dropped."""
        return _text(self.record(what)[:L.TEXT_LENGTH]).rstrip(" ")

    def read_values(self, what: str, kinds: Sequence[str],
                    defaults: Optional[Sequence[Any]] = None) -> list[Any]:
        """One free-format read of values of `kinds` ("i" integer, "r" number,
        "t" text); a value not given keeps its default (0 unless given)."""
        if defaults is None:
            defaults = [{"i": 0, "r": 0.0, "t": ""}[k] for k in kinds]
        values = list(defaults)
        v = 0
        while v < len(kinds):
            line = self.raw(what)
            for token in _tokenize(line):
                if v >= len(kinds):
                    break
                if token.kind == "slash":
                    return values
                if token.kind == "null":
                    v += 1
                    continue
                text, repeat = token.text, 1
                if not token.quoted and "*" in text:
                    count = parse_integer(text[:text.index("*")])
                    if count is not None and count >= 1:
                        repeat, text = count, text[text.index("*") + 1:]
                for _ in range(repeat):
                    if v >= len(kinds):
                        break
                    if text or token.quoted:
                        values[v] = self.value(kinds[v], text, token.quoted, what, v + 1)
                    v += 1
        return values

    def value(self, kind: str, text: str, quoted: bool, what: str, position: int) -> Any:
        if kind == "t":
            return text
        value = None if quoted else (parse_integer(text) if kind == "i" else parse_real(text))
        if value is None:
            expected = "an integer" if kind == "i" else "a number"
            self.fail(f'holds "{text}" where {expected} is expected (value {position} of {what})')
        if kind == "r" and abs(value) > L.MAX_MAGNITUDE:
            self.fail(f'holds "{text}", a number beyond 1e+30 in magnitude (value {position} '
                      f"of {what})")
        return value

    def one(self, what: str, kind: str = "r") -> Any:
        """A row of one value."""
        return self.read_values(what, [kind])[0]

    def count(self, what: str, low: int, high: int) -> int:
        n: int = self.one(what, "i")
        if not low <= n <= high:
            self.fail(f"gives {n} as {what}, which must be from {low} to {high}")
        return n

    def sequence(self, what: str, number: int, expected: int) -> None:
        if number != expected:
            self.fail(f"gives {number} as the number of {what}, where {expected} is expected")

    # -- the file --------------------------------------------------------

    def read_tag(self) -> None:
        while self.next < len(self.records):
            line = self.raw("the format tag")
            tokens = _tokenize(line.replace(",", " "))
            if not tokens:
                continue
            if tokens[0].kind == "slash":
                break
            if tokens[0].text[:7] == "TARVEX6":
                return
            self.fail(f'begins with "{tokens[0].text}"; only TARVEX6 input files are read')
        self.fail("holds no TARVEX6 format tag")


def _read_file(r: _Reader) -> m.Model:
    r.read_tag()
    model = r.model
    readers = {
        "TITLE": _read_title, "OPTIONS": _read_options, "SECTIONS": _read_sections,
        "AXIAL THRUST LOADS": _read_axial_thrusts, "SOIL LAYERS": _read_layers,
        "TIP SHEAR": _read_tip_shear, "PILE BATTER AND SLOPE": _read_batter,
        "GROUPEFF": _read_group_effects, "GROUP EFFECT FACTORS": _read_group_effects,
        "LRFD LOADS": _read_lrfd_loads, "LRFD FACTORS AND CASES": _read_lrfd_factors,
        "LOADING": _read_loading, "SOIL MOVEMENTS": _read_soil_movements,
        "DEPTHS OF PRINTED P-Y CURVES": _read_py_depths,
        "TRANSVERSE REINFORCEMENT": _read_transverse,
    }
    while True:
        line = r.keyword_line("the line END")
        if line == "END":
            break
        if line not in readers:
            r.fail(f'holds "{line}", which is no keyword here (or is out of order)')
        if line not in model.section_order:
            model.section_order.append(line)
        if line == "OPTIONS":
            units = model.options.units
            _read_options(r)
            if r.options_read and r.data_read and model.options.units != units:
                r.fail("ends an OPTIONS section that changes the units after sections were read")
            r.options_read = True
            continue
        if line != "TITLE":
            if not r.options_read:
                r.fail(f"opens the section {line} before OPTIONS")
            r.data_read = True
        # The rows of TRANSVERSE REINFORCEMENT name the sections of SECTIONS.
        if line == "TRANSVERSE REINFORCEMENT" and not r.sections_read:
            r.fail("opens TRANSVERSE REINFORCEMENT before SECTIONS")
        if line == "SECTIONS" and r.transverse_read:
            r.fail("opens SECTIONS after TRANSVERSE REINFORCEMENT")
        r.sections_read = r.sections_read or line == "SECTIONS"
        r.transverse_read = r.transverse_read or line == "TRANSVERSE REINFORCEMENT"
        readers[line](r)
    _finish_table(r)
    return model




def _read_title(r: _Reader) -> None:
    r.model.title = [r.text_line("the five lines of the title") for _ in range(5)]


def _yes_no(r: _Reader, keyword: str) -> bool:
    line = r.keyword_line(f"the option line {keyword} YES or NO")
    if line == f"{keyword} YES":
        return True
    if line == f"{keyword} NO":
        return False
    r.fail(f'holds "{line}" where {keyword} YES or {keyword} NO is expected')


def _labelled(r: _Reader, what: str, kind: str, default: Any) -> Any:
    return r.read_values(what, ["t", kind], ["", default])[1]


def _read_options(r: _Reader) -> None:
    # A labelled value not given keeps what it had: the engine's initial value,
    # or the value of an earlier OPTIONS section.
    before = r.model.options if r.options_read else m.Options(
        max_iterations=0, max_deflection=0.0, tolerance=0.0, increments=0, print_increment=1)
    o = m.Options()
    line = r.keyword_line("the units line")
    if not line.startswith("Units ") or line[6:] not in m.UNITS:
        r.fail(f'holds "{line}" where Units USCS, Units SI or Units GENERAL is expected')
    o.units = line[6:]
    o.use_lrfd = _yes_no(r, "UseLRFD")
    o.compute_kmatrix = _yes_no(r, "ComputeKmatrix")
    o.use_tip_shear = _yes_no(r, "UseTipShear")
    o.use_soil_movement = _yes_no(r, "UseSoilMovement")
    o.use_py_modifiers = _yes_no(r, "UsePYModifiers")
    o.compute_ei_only = _yes_no(r, "ComputeEIOnly")
    # Columns 1-8 a label, 9-14 STATIC or CYCLIC, 15-20 the number of cycles.
    # Columns count bytes: latin-1 keeps one character per byte.
    record = r.record("the loading type line")[:L.TEXT_LENGTH].ljust(20).decode("latin-1")
    if record[8:14] not in m.LOADINGS:
        r.fail("holds no STATIC or CYCLIC in columns 9 to 14 of the loading type line")
    o.loading = record[8:14]
    if record[20:].strip(" "):
        r.fail("holds text after column 20, where the number of cycles of loading must end")
    cycles = record[14:20].replace(" ", "")
    o.cycles = 0.0
    if cycles:
        value = parse_real(cycles)
        if value is None:
            r.fail(f'holds "{record[14:20]}" in columns 15 to 20, where the number of cycles '
                   "is expected")
        o.cycles = int(value) if value.is_integer() else value
    o.max_iterations = _labelled(r, "the iteration limit line", "i", before.max_iterations)
    o.max_deflection = _labelled(r, "the maximum allowable deflection line", "r", before.max_deflection)
    o.tolerance = _labelled(r, "the convergence tolerance line", "r", before.tolerance)
    o.increments = _labelled(r, "the number of pile increments line", "i", before.increments)
    o.print_summary_only = _yes_no(r, "PrintSummaryOnly")
    o.print_increment = _labelled(r, "the printing increment line", "i", before.print_increment)
    o.print_py_curves = _yes_no(r, "PrintPYCurves")
    line = r.keyword_line("the line ComputeInteraction YES or NO")
    if line == "ComputeInteraction YES":
        o.compute_interaction = True
        code = r.read_values("the interaction diagram line", ["t", "t"], ["", ""])[1][:11]
        if code not in m.INTERACTION_CODES:
            r.fail(f'gives "{code}" as the interaction code; AASHTO, ACI318 or Eurocode2 is '
                   "expected")
        o.interaction_code = code
    elif line != "ComputeInteraction NO":
        r.fail(f'holds "{line}" where ComputeInteraction YES or NO is expected')
    r.model.options = o


# -- SECTIONS ------------------------------------------------------------


def _read_sections(r: _Reader) -> None:
    n = r.count("the number of pile sections", 1, L.MAX_SECTIONS)
    sections = []
    for i in range(1, n + 1):
        r.sequence("the section", r.one("the section number", "i"), i)
        code = r.one(f"the section type code of section {i}", "i")
        if code != -3 and not 0 <= code <= 14:
            r.fail(f"gives {code} as the section type code, which must be from 0 to 14, or -3")
        cls = m.SECTION_TYPES[abs(code)]
        of = f" of section {i}"
        values = {"length": r.one("the section length" + of)}
        for name, _, _, label in L.SECTION_ROWS[cls]:
            values[name] = r.one(f"the {label}{of}")
        if cls is m.CasedShaftWithCore:
            values["core_filled"] = code != -3
        if cls in L.CONCRETE_AND_BARS + L.CONCRETE_AND_STRANDS:
            values["concrete"] = _read_concrete(r, of)
        if cls in L.CONCRETE_AND_BARS:
            values["bars"] = _read_bars(r, of)
        elif cls in L.CONCRETE_AND_STRANDS:
            values["strands"] = _read_strands(r, of)
        elif cls in L.ELASTIC:
            values.update(_read_elastic(r, of, cls is m.ElasticPlasticSection))
        elif cls is m.UserEISection:
            values["curves"] = _read_user_ei(r, of)
        sections.append(cls(**values))
    r.model.sections = sections


def _read_transverse(r: _Reader) -> None:
    sections = r.model.sections
    n = r.count("the number of rows of the transverse reinforcement", 1, len(sections))
    given = set()
    for k in range(1, n + 1):
        number, word = r.read_values(f"transverse reinforcement row {k}", ["i", "t"])
        if not 1 <= number <= len(sections):
            r.fail(f"gives {number} as a section number, which must be from 1 to "
                   f"{len(sections)}")
        if word not in m.TRANSVERSE:
            r.fail(f'gives "{word}" as the transverse reinforcement of section {number}; '
                   "TIED or SPIRAL is expected")
        section = sections[number - 1]
        if not hasattr(section, "transverse"):
            r.fail(f"gives transverse reinforcement to section {number}, which is not a "
                   "concrete section with bars or strands")
        if number in given:
            r.fail(f"gives the transverse reinforcement of section {number} a second time")
        given.add(number)
        section.transverse = word


def _read_concrete(r: _Reader, of: str) -> m.Concrete:
    fc = r.one("the concrete compressive strength" + of)
    aggregate = r.one("the maximum coarse aggregate size" + of)
    concrete = m.Concrete(fc, aggregate)
    line = r.keyword_line("the concrete tensile strength option" + of)
    if line == "Override concrete tensile strength":
        concrete.tensile = r.one("the concrete tensile strength" + of)
    elif line != "Use default concrete tensile strength":
        r.fail(f'holds "{line}" where the concrete tensile strength option is expected')
    line = r.keyword_line("the concrete stress-strain option" + of)
    if line == "Input stress-strain curve for concrete":
        points = r.count("the number of points of the concrete stress-strain curve", 1,
                         L.MAX_STRESS_STRAIN_POINTS)
        for k in range(1, points + 1):
            number, strain, stress = r.read_values(
                "a point of the concrete stress-strain curve" + of, ["i", "r", "r"])
            r.sequence("the stress-strain point", number, k)
            concrete.curve.append(m.StressStrain(strain, stress))
    elif line != "Use internal stress-strain curve for concrete":
        r.fail(f'holds "{line}" where the concrete stress-strain option is expected')
    return concrete


def _read_bars(r: _Reader, of: str) -> m.Bars:
    line = r.keyword_line("the rebar option" + of)
    if line == "No rebar":
        return None
    if line not in ("Rebar Arrangement Same As Section Above",
                    "Rebar Arrangement Not Same As Section Above"):
        r.fail(f'holds "{line}" where the rebar option is expected')
    same = line == "Rebar Arrangement Same As Section Above"
    line = r.keyword_line("the rebar arrangement" + of)
    if line == "Rebar in circle":
        fy = r.one("the yield stress of the bars" + of)
        modulus = r.one("the elastic modulus of the bars" + of)
        groups = r.count("the number of bar groups", 1, L.MAX_BARS)
        per_group = r.count("the number of bars in a group", 1, 3)
        if groups * per_group > L.MAX_BARS:
            r.fail(f"gives {per_group} bars in each of {groups} groups, more than 300 bars")
        diameter = r.one("the bar diameter" + of)
        area = r.one("the area of one bar" + of)
        cover = r.one("the concrete cover" + of)
        offset = r.one("the rebar offset" + of)
        return m.BarCircle(fy, modulus, groups, diameter, area, cover, per_group, offset, same)
    if line == "Rebar in noncircular pattern":
        fy = r.one("the yield stress of the bars" + of)
        modulus = r.one("the elastic modulus of the bars" + of)
        count = r.count("the number of bars", 1, L.MAX_BARS)
        bars = [m.Bar(*r.read_values("a bar (size index, diameter, area, x, y)" + of,
                                     ["i", "r", "r", "r", "r"])) for _ in range(count)]
        return m.BarPattern(fy, modulus, bars, same)
    r.fail(f'holds "{line}" where Rebar in circle or Rebar in noncircular pattern is expected')


def _read_strands(r: _Reader, of: str) -> m.Strands:
    line = r.keyword_line("the strand positioning option" + of)
    if line == "Autoposition strands":
        strand_type = r.count("the strand type", 0, 5)
        size = r.count("the strand size index", 0, m.STRAND_SIZES[strand_type] - 1)
        count = r.count("the number of strands", 1, L.MAX_STRANDS)
        force = r.one("the initial prestressing force" + of)
        loss = r.one("the fraction of loss of prestress" + of)
        cover = r.one("the concrete cover over the strands" + of)
        arrangement = r.count("the strand arrangement code", 0, 2)
        return m.AutoStrands(strand_type, size, count, force, loss, cover, arrangement)
    if line == "Manually-positioned strands":
        count = r.count("the number of strands", 1, L.MAX_STRANDS)
        strand_type = r.count("the strand type", 0, 5)
        force = r.one("the initial prestressing force" + of)
        loss = r.one("the fraction of loss of prestress" + of)
        strands = []
        for k in range(1, count + 1):
            number, size, reserved, x, y = r.read_values(
                "a strand (number, size index, a reserved integer, x, y)" + of,
                ["i", "i", "i", "r", "r"])
            r.sequence("the strand", number, k)
            if not 0 <= size < m.STRAND_SIZES[strand_type]:
                r.fail(f"gives {size} as the strand size index, which must be from 0 to "
                       f"{m.STRAND_SIZES[strand_type] - 1}")
            strands.append(m.Strand(size, x, y, reserved))
        return m.ManualStrands(strand_type, force, loss, strands)
    r.fail(f'holds "{line}" where Autoposition strands or Manually-positioned strands is '
           "expected")


def _read_elastic(r: _Reader, of: str, plastic: bool) -> dict[str, Any]:
    code = r.count("the cross-sectional shape code", 0, 5)
    cls, rows = L.SHAPE_ROWS[code]
    values = {name: r.one(f"the {label}{of}") for name, label in rows}
    if cls is m.HPileShape:
        values["axis"] = "weak" if code == 4 else "strong"
    result = {"shape": cls(**values), "modulus": r.one("the elastic modulus" + of)}
    if plastic:
        result["top_mp"] = r.one("the plastic moment capacity at the top" + of)
        result["bottom_mp"] = r.one("the plastic moment capacity at the bottom" + of)
    return result


def _read_user_ei(r: _Reader, of: str) -> list[m.EICurve]:
    curves = []
    thrusts = r.count("the number of axial thrusts of the bending stiffness table", 1,
                      L.MAX_EI_THRUSTS)
    for _ in range(thrusts):
        curve = m.EICurve(r.one("an axial thrust of the bending stiffness table" + of))
        points = r.count("the number of moment and bending stiffness points", 1,
                         L.MAX_EI_POINTS)
        for _ in range(points):
            moment = r.one("a bending moment of the bending stiffness table" + of)
            ei = r.one("a bending stiffness of the bending stiffness table" + of)
            curve.points.append(m.EIPoint(moment, ei))
        curves.append(curve)
    return curves


# -- SOIL LAYERS ---------------------------------------------------------


def _read_layers(r: _Reader) -> None:
    n = r.count("the number of soil layers", 1, L.MAX_LAYERS)
    layers: list[m.SoilLayer] = []
    for i in range(1, n + 1):
        code, top, bottom = r.read_values(
            f"the criterion code, top depth and bottom depth of soil layer {i}", ["i", "r", "r"])
        if not 1 <= code <= 20:
            r.fail(f"gives {code} as the p-y criterion code of soil layer {i}, which must be "
                   "from 1 to 20")
        if code > 17:
            continue  # no criterion: the layer reads nothing and is dropped
        cls = m.SOIL_CRITERIA[code]
        if cls is m.UserPY:
            curves = [_read_py_curve(r, i, end) for end in ("top", "bottom")]
            layers.append(m.UserPY(top, bottom, top_curve=curves[0], bottom_curve=curves[1]))
            continue
        rows = [r.read_values(f"the soil values at the {end} of soil layer {i}",
                              ["r"] * len(cls.values)) for end in ("top", "bottom")]
        values = {name: (rows[0][k], rows[1][k]) for k, name in enumerate(cls.values)}
        layers.append(cls(top, bottom, **values))
    r.model.soil_layers = layers


def _read_py_curve(r: _Reader, layer: int, end: str) -> m.PYCurve:
    unit_weight, count = r.read_values(
        f"the effective unit weight and number of p-y points at the {end} of soil layer {layer}",
        ["r", "i"])
    if not 1 <= count <= L.MAX_PY_POINTS:
        r.fail(f"gives {count} as the number of points of a user-input p-y curve, which must "
               f"be from 1 to {L.MAX_PY_POINTS}")
    points = [m.PYPoint(*r.read_values(f"a point (y, p) of the user-input p-y curve at the "
                                       f"{end} of soil layer {layer}", ["r", "r"]))
              for _ in range(count)]
    return m.PYCurve(unit_weight, points)


# -- loads and auxiliary sections ----------------------------------------


def _read_loading(r: _Reader) -> None:
    n = r.count("the number of pile-head load cases", 0, L.MAX_LOAD_CASES)
    table = []
    for k in range(1, n + 1):
        _, code, c1, c2, axial, study = r.read_values(
            f"the row of load case {k}", ["i", "i", "r", "r", "r", "i"], [0, 1, 0.0, 0.0, 0.0, 1])
        if not 1 <= code <= 5:
            r.fail(f"gives {code} as the load type, which must be from 1 to 5")
        table.append([code, c1, c2, axial, study != 1])
    r.table = table
    r.from_loading = True
    points = r.one("the number of distributed lateral load points", "i")
    r.model.distributed_loads = []
    if points < 1:
        return
    if points > L.MAX_DISTRIBUTED_POINTS:
        r.fail(f"gives {points} as the number of distributed lateral load points, which must "
               f"be from 1 to {L.MAX_DISTRIBUTED_POINTS}")
    r.model.distributed_loads = [
        m.DistributedLoad(*r.read_values(f"distributed load point {k}", ["i", "r", "r"])[1:])
        for k in range(1, points + 1)]


def _read_axial_thrusts(r: _Reader) -> None:
    n = r.one("the number of axial thrusts", "i")
    table = r.table if r.table is not None else []
    if n < 1 or n > L.MAX_THRUSTS:
        r.fail(f"gives {n} as the number of axial thrusts, which must be from 1 to "
               f"{L.MAX_THRUSTS}")
    del table[n:]
    while len(table) < n:
        table.append([1, 0.0, 0.0, 0.0, False])
    for k in range(n):
        table[k][3] = r.read_values(f"axial thrust {k + 1}", ["i", "r"])[1]
    axials = sorted(row[3] for row in table)  # the axial loads alone are sorted
    for row, axial in zip(table, axials):
        row[3] = axial
    r.table = table


def _finish_table(r: _Reader) -> None:
    """Load cases when LOADING filled the table (ATL may have changed it since),
    axial thrusts when only AXIAL THRUST LOADS did."""
    if r.table is None:
        return
    if r.from_loading:
        r.model.load_cases = [_load_case(*row) for row in r.table]
    else:
        r.model.axial_thrusts = [row[3] for row in r.table]


def _load_case(code: int, c1: float, c2: float, axial: float, study: bool) -> m.LoadCase:
    cls = m.LOAD_TYPES[code]
    names = [f for f in ("shear", "deflection") if f in cls.__dataclass_fields__] + \
            [f for f in ("moment", "slope", "stiffness") if f in cls.__dataclass_fields__]
    return cls(axial=axial, length_study=study, **dict(zip(names, (c1, c2))))


def _read_lrfd_loads(r: _Reader) -> None:
    n = r.one("the number of LRFD load groups", "i")
    if not 1 <= n <= L.MAX_LRFD_GROUPS:
        r.fail(f"gives {n} as the number of LRFD load groups, which must be from 1 to 100")
    groups = []
    for i in range(1, n + 1):
        number, load_type, h, moment, axial, points = r.read_values(
            f"the row of LRFD load group {i}", ["i", "i", "r", "r", "r", "i"],
            [0, 1, 0.0, 0.0, 0.0, 0])
        r.sequence("the LRFD load group", number, i)
        if not 1 <= load_type <= len(m.LRFD_LOAD_TYPES):
            r.fail(f"gives {load_type} as the LRFD load type, which must be from 1 to 13")
        if points == 1 or not 0 <= points <= L.MAX_DISTRIBUTED_POINTS:
            r.fail(f"gives {points} as the number of distributed load points of LRFD load "
                   f"group {i}, which must be 0 or from 2 to 50")
        group = m.LrfdGroup(load_type, h, moment, axial)
        for k in range(1, points + 1):
            point, depth, load = r.read_values(
                f"a distributed load point of LRFD load group {i}", ["i", "r", "r"])
            r.sequence("the distributed load point", point, k)
            group.points.append(m.DistributedLoad(depth, load))
        groups.append(group)
    r.model.lrfd_groups = groups


def _read_lrfd_factors(r: _Reader) -> None:
    n = r.one("the number of LRFD load combinations", "i")
    if not 1 <= n <= L.MAX_LRFD_COMBINATIONS:
        r.fail(f"gives {n} as the number of LRFD load combinations, which must be from 1 "
               "to 100")
    combinations = []
    for i in range(1, n + 1):
        values = r.read_values(f"the row of LRFD combination {i}", ["i"] + ["r"] * 15)
        name = r.text_line(f"the name of LRFD combination {i}")
        combinations.append(m.LrfdCombination(name, values[1:14], values[14], values[15]))
    r.model.lrfd_combinations = combinations


def _numbered_points(r: _Reader, what: str, low: int, high: int, fields: int,
                     defaults: list[Any]) -> list[list[Any]]:
    n = r.count(f"the number of {what}", low, high)
    return [r.read_values(f"{what} {k}", ["i"] + ["r"] * fields, [0] + defaults)[1:]
            for k in range(1, n + 1)]


def _read_tip_shear(r: _Reader) -> None:
    r.model.tip_shear = [m.TipShearPoint(*p) for p in _numbered_points(
        r, "tip shear points", 0, L.MAX_TIP_SHEAR_POINTS, 2, [0.0, 0.0])]


def _read_batter(r: _Reader) -> None:
    r.model.ground_slope = r.one("the ground slope angle")
    r.model.batter = r.one("the pile batter angle")


def _read_group_effects(r: _Reader) -> None:
    r.model.py_multipliers = [m.PYMultiplier(*p) for p in _numbered_points(
        r, "p-y multiplier points", 0, L.MAX_PY_MULTIPLIERS, 3, [0.0, 1.0, 1.0])]


def _read_soil_movements(r: _Reader) -> None:
    if not r.model.options.use_soil_movement:
        return  # the keyword alone; the next line is a keyword line
    r.model.soil_movements = [m.SoilMovement(*p) for p in _numbered_points(
        r, "soil movement points", 2, L.MAX_SOIL_MOVEMENTS, 2, [0.0, 0.0])]


def _read_py_depths(r: _Reader) -> None:
    if not r.model.options.print_py_curves:
        return  # the keyword alone
    r.model.py_print_depths = [p[0] for p in _numbered_points(
        r, "depths of printed p-y curves", 0, L.MAX_PY_PRINT_DEPTHS, 1, [0.0])]
