"""read_input reads a file as the engine does: the free-format rules, the
sections that share a table or are read only under their option, and the
files it cannot read."""

import pytest

import tarvex as tv
from conftest import ROOT, comparable

QUICKSTART = (ROOT / "examples" / "quickstart.tv6").read_text()
HPILE = (ROOT / "examples" / "hpile_loess_cyclic_uscs.tv6").read_text()


def line_of(text, line, after=None):
    """The number of the first line that begins with `line` (after the line `after`)."""
    lines = text.splitlines()
    start = lines.index(after) if after else 0
    return next(n for n in range(start, len(lines)) if lines[n].startswith(line)) + 1


def rewrite(text, *replacements):
    for old, new in replacements:
        assert old in text, old
        text = text.replace(old, new, 1)
    return text


# The same inputs written with the liberties of the free format: commas, null
# values, slashes, r*v repeats, quoted labels, rows over several lines with
# empty lines between, D exponents, remarks, trailing blanks, CR LF and a
# byte-order mark.
FREE_FORMAT = {
    "quickstart": (QUICKSTART, lambda t: "\ufeff" + rewrite(
        t,
        ("TARVEX6\n", "TARVEX6, a tag and a remark\n"),
        ("Units USCS\n", "Units USCS   \t\n"),
        ("MaxIterations 100", "'Max iterations' 100"),
        ("MaxDeflection 10.0", "MaxDeflection,10."),
        ("Tolerance 1.0E-5", "Tolerance 1.0D-5"),
        ("Increments 100", '"Incr""ements" 100 remark'),
        # A second number after a comma and a blank, with a remark after
        # it: ignored in silence ("36.,37.0" alone is warning 372).
        ("36.0                       shaft", "36., 37.0                 shaft"),
        ("4000.0 ", "4.0E3 "),
        ("1   0.0  10.0 ", "1\n\n 0.0 ,\n 10.0"),
        ("60.0   500.0  0.01", "60.0,500.0,.01"),
        ("1  1  10000.0  240000.0  100000.0  1", "1 1 1.0E4 2.4E5 1.0e5 1"),
        ("2  2  10000.0       0.0  100000.0  1", "2,2,10000.0,,100000.0 /"),
        ("3  4      0.25      0.0  100000.0  1", "3,4,.25,1*0.0,1.0E5,1*"),
    ).replace("\n", "\r\n")),
    # GROUPEFF rows whose y-multiplier keeps its initial 1.0 after a slash.
    "hpile": (HPILE, lambda t: rewrite(
        t,
        ("1   0.0  0.45  1.0", "1   0.0  0.45 /"),
        ("2  50.0  0.45  1.0", "2,50.0,0.45,,"),
        # The second copy of a one-value row is ignored, not carried on.
        ("14.70                      width facing", "2*14.70  width facing"),
        ("Loading CYCLIC     5", "Loading CYCLIC  5"),
    )),
}


@pytest.mark.parametrize("name", FREE_FORMAT)
def test_free_format_reads_as_in_the_engine(name, engine, tmp_path):
    plain, make = FREE_FORMAT[name]
    free = make(plain)
    assert tv.read_input(text=free) == tv.read_input(text=plain)
    # The engine reads the two files alike: the same reports.
    _, expected = engine(plain, tmp_path)
    _, got = engine(free, tmp_path)
    assert comparable(got) == comparable(expected)


def test_initial_values_of_values_not_given():
    model = tv.read_input(text=rewrite(
        HPILE,
        ("UsePYModifiers YES", "UsePYModifiers NO"),
        ("1  1  20000.0  0.0  150000.0  1", "1 1 20000.0 /"),
        ("1   0.0  0.45  1.0", "1 0.0 /"),
    ))
    # An omitted study code is 1 (no length study); omitted multipliers are 1.
    assert model.load_cases[0] == tv.ShearMoment(shear=20000.0, moment=0.0, axial=0.0)
    assert model.py_multipliers[0] == (0.0, 1.0, 1.0)


def test_layers_without_criterion_are_dropped():
    text = rewrite(QUICKSTART, ("2                          number of layers",
                                "3\n18 0.0 5.0"))
    model = tv.read_input(text=text)
    assert [type(layer) for layer in model.soil_layers] == [tv.SoftClay, tv.StiffClayFreeWater]


def test_sections_read_only_under_their_option():
    # SOIL MOVEMENTS and DEPTHS OF PRINTED P-Y CURVES stand alone when their
    # option is NO: the next line is a keyword line.
    text = rewrite(QUICKSTART, ("END\n", "SOIL MOVEMENTS\nDEPTHS OF PRINTED P-Y CURVES\nEND\n"))
    model = tv.read_input(text=text)
    assert model.soil_movements == [] and model.py_print_depths == []
    text = rewrite(QUICKSTART, ("END\n", "SOIL MOVEMENTS\n2\nEND\n"))
    with pytest.raises(tv.InputError, match='holds "2", which is no keyword') as error:
        tv.read_input(text=text)
    assert error.value.line_number == line_of(text, "2", after="SOIL MOVEMENTS")


EI_ONLY = rewrite(QUICKSTART, ("ComputeEIOnly NO", "ComputeEIOnly YES"))


@pytest.mark.parametrize("sections, cases, thrusts", [
    # Thrusts alone: sorted.
    ("AXIAL THRUST LOADS\n3\n1 400.0\n2 0.0\n3 100.0\n", [], [0.0, 100.0, 400.0]),
    # After LOADING: the thrusts replace the axial loads and the number of
    # cases; the cases kept keep their conditions.
    ("LOADING\n2\n1 2 50.0 0.0 9.0 1\n2 4 0.5 0.0 9.0 1\n0\nAXIAL THRUST LOADS\n3\n1 7.0\n"
     "2 5.0\n3 6.0\n",
     [tv.ShearSlope(shear=50.0, axial=5.0), tv.DeflectionMoment(deflection=0.5, axial=6.0),
      tv.ShearMoment(shear=0.0, axial=7.0)], []),
    # A later LOADING replaces the thrusts.
    ("AXIAL THRUST LOADS\n1\n1 7.0\nLOADING\n1\n1 1 50.0 0.0 9.0 0\n0\n",
     [tv.ShearMoment(shear=50.0, axial=9.0, length_study=True)], []),
])
def test_axial_thrusts_and_load_cases_share_one_table(sections, cases, thrusts):
    text = EI_ONLY[:EI_ONLY.index("LOADING")] + sections + "END\n"
    model = tv.read_input(text=text)
    assert model.load_cases == cases
    assert model.axial_thrusts == thrusts


@pytest.mark.parametrize("count", [0, -1, 101])
def test_a_thrust_count_outside_1_to_100_is_refused(count):
    text = EI_ONLY[:EI_ONLY.index("LOADING")] + f"AXIAL THRUST LOADS\n{count}\nEND\n"
    with pytest.raises(tv.InputError, match=rf"gives {count} as the number of axial thrusts, "
                                            r"which must be from 1 to 100") as error:
        tv.read_input(text=text)
    assert error.value.line_number == line_of(text, str(count), after="AXIAL THRUST LOADS")


def test_section_order_and_keyword_spelling_are_kept():
    path = ROOT / "examples" / "steel_pipe_sand_si.tv6"
    text = tv.read_input(path).to_input()
    keywords = [line for line in text.splitlines()
                if line in ("LOADING", "PILE BATTER AND SLOPE", "GROUP EFFECT FACTORS")]
    assert keywords == ["LOADING", "PILE BATTER AND SLOPE", "GROUP EFFECT FACTORS"]


def test_reads_a_path_or_a_text(tmp_path):
    path = tmp_path / "shaft.tv6"
    path.write_text(QUICKSTART)
    read = [tv.read_input(path), tv.read_input(path=path), tv.read_input(path=str(path)),
            tv.read_input(text=QUICKSTART), tv.read_input(text=QUICKSTART.encode()),
            tv.read_input(QUICKSTART.encode())]
    assert all(model == read[0] for model in read)
    # A str without a keyword is taken as before, with a warning.
    with pytest.warns(DeprecationWarning, match=r"took it as a text"):
        assert tv.read_input(QUICKSTART) == read[0]
    with pytest.warns(DeprecationWarning, match=r"took it as a path"):
        assert tv.read_input(str(path)) == read[0]
    with pytest.raises(TypeError):
        tv.read_input(text=QUICKSTART, path=path)
    path.write_text(QUICKSTART.replace("END\n", ""))
    lines = len(QUICKSTART.splitlines()) - 1
    with pytest.raises(tv.InputError, match=rf"shaft\.tv6, line {lines}: .*ends before the line "
                                            "END"):
        tv.read_input(path)


@pytest.mark.parametrize("old, new, message", [
    ("TARVEX6\n", "TARVEX5\n", 'begins with "TARVEX5"'),
    ("Units USCS", "Units uscs", "Units USCS, Units SI or Units GENERAL"),
    ("UseLRFD NO", "UseLRFD no", "UseLRFD YES or UseLRFD NO"),
    ("Loading STATIC     1", "Loading STATIC    1000", "after column 20"),
    ("Loading STATIC     1", "Loading static     1", "STATIC or CYCLIC"),
    ("MaxIterations 100", "MaxIterations abc", '"abc" where an integer is expected'),
    ("Increments 100", "Increments 100.0", '"100.0" where an integer'),
    ("SECTIONS\n", "SOIL LAYERS\n", "before OPTIONS"),
    ("1                          section number", "2", "where 1 is expected"),
    ("1                          section type: drilled shaft", "15", "section type code"),
    ("4000.0 ", "1e31 ", "beyond 1e+30"),
    ("Rebar in circle", "Rebar in Circle", "Rebar in circle or Rebar in"),
    ("12                         number of bar groups", "0   groups", "from 1 to 300"),
    ("2                          number of layers", "41", "from 1 to 40"),
    ("1   0.0  10.0 ", "21   0.0  10.0 ", "criterion code"),
    ("3  4      0.25", "3  6      0.25", "load type"),
    ("SOIL LAYERS", "SOIL LAYER", '"SOIL LAYER", which is no keyword'),
])
def test_files_it_cannot_read(old, new, message):
    """Each error names the line at fault."""
    if new == "SOIL LAYERS\n":  # a section before OPTIONS
        text = QUICKSTART.replace("OPTIONS\n", "SOIL LAYERS\nOPTIONS\n", 1)
        new = "SOIL LAYERS\n"
    else:
        text = rewrite(QUICKSTART, (old, new))
    with pytest.raises(tv.InputError) as error:
        tv.read_input(text=text)
    assert message in error.value.message
    assert error.value.line_number == line_of(text, new.splitlines()[0])


@pytest.mark.parametrize("text, message", [
    ("LRFD LOADS\n1\n1 5 20.0 0.0 0.0 1\n1 0.0 5.0\n", "must be 0 or from 2 to 50"),
    ("LRFD LOADS\n1\n1 14 20.0 0.0 0.0 0\n", "LRFD load type"),
    ("LRFD LOADS\n2\n1 1 0.0 0.0 9.0 0\n3 2 0.0 0.0 9.0 0\n", "where 2 is expected"),
    ("LRFD FACTORS AND CASES\n0\n", "LRFD load combinations"),
    ("GROUPEFF\n81\n", "from 0 to 80"),
    ("TIP SHEAR\n-1\n", "from 0 to 100"),
])
def test_auxiliary_sections_it_cannot_read(text, message):
    with pytest.raises(tv.InputError, match=message):
        tv.read_input(text=QUICKSTART.replace("END\n", text + "END\n"))


@pytest.mark.parametrize("example", ["quickstart", "rock_socket_cased_shaft_uscs",
                                     "lrfd_cased_shaft_limestone_si"])
def test_files_with_a_line_left_out_are_read_like_the_engine(example, engine, tmp_path):
    """Leaving out any one line: read_input refuses the file only when the
    engine does, raises nothing but InputError, and a file it reads and the
    model checks pass is analysed alike when written again."""
    lines = (ROOT / "examples" / f"{example}.tv6").read_text().splitlines(keepends=True)
    for n in range(1, len(lines)):
        text = "".join(lines[:n] + lines[n + 1:])
        status, files = engine(text, tmp_path)
        try:
            model = tv.read_input(text=text)
        except tv.InputError:
            assert status == 1, f"line {n + 1} left out"
            continue
        try:
            rewritten = model.to_input()
        except tv.ModelError:
            continue
        status_again, again = engine(rewritten, tmp_path)
        assert (status_again, comparable(again)) == (status, comparable(files)), \
            f"line {n + 1} left out"
