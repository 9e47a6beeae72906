# Compares two output files of the engine line by line:
#
#   awk -f same_numbers.awk LINUX_FILE WINDOWS_FILE
#
# Lines must be equal, or differ only in numbers that agree to one unit in
# the last digit printed, or that are both below 1e-12 in magnitude (the
# round-off left of a value that is zero). The maths libraries of the two
# systems round sines, powers and logarithms differently in the last bit, and
# a last-bit change can move a printed digit, or the layout that an adaptive
# field picks for a value right at a band limit (10000. or 10000.0000).
# Exits 1 at the first other difference; lists the lines it let pass.
function numeric(t) {
  return t ~ /^[-+]?([0-9]+\.?[0-9]*|\.[0-9]+)([EeDd]?[-+][0-9]+)?$/
}

# Sets VALUE and UNIT (one unit in the last digit printed) of a numeric token,
# in either exponent form: 0.1234E+05 or 0.1234+105.
function parse(t,   mantissa, exponent, dot) {
  exponent = 0
  mantissa = t
  if (match(t, /[EeDd]?[-+][0-9]+$/) && RSTART > 1) {
    mantissa = substr(t, 1, RSTART - 1)
    exponent = substr(t, RSTART)
    sub(/^[EeDd]/, "", exponent)
    exponent += 0
  }
  dot = index(mantissa, ".")
  UNIT = 10 ^ (exponent - (dot == 0 ? 0 : length(mantissa) - dot))
  VALUE = (mantissa + 0) * 10 ^ exponent
}

function abs(x) { return x < 0 ? -x : x }

function same_numbers(a, b,   diff, unit_a) {
  parse(a)
  va = VALUE
  unit_a = UNIT
  parse(b)
  diff = abs(va - VALUE)
  return diff <= 1.000001 * (unit_a > UNIT ? unit_a : UNIT) || (abs(va) < 1e-12 && abs(VALUE) < 1e-12)
}

function fail(why) {
  printf "%s line %d: %s\n  linux:   %s\n  windows: %s\n", FILENAME, FNR, why, expected[FNR], $0
  failed = 1
  exit 1
}

FNR == NR {
  expected[FNR] = $0
  count = FNR
  next
}

{
  if (FNR > count) fail("more lines than the Linux file")
  if ($0 == expected[FNR]) next
  na = split(expected[FNR], a, " ")
  nb = split($0, b, " ")
  if (na != nb) fail("different fields")
  for (i = 1; i <= na; ++i) {
    if (a[i] == b[i]) continue
    if (!numeric(a[i]) || !numeric(b[i])) fail("different text")
    if (!same_numbers(a[i], b[i])) fail("different numbers")
  }
  passed_lines[++tolerated] = FNR
  got[FNR] = $0
}

END {
  if (failed) exit 1
  if (NR - count < count) {
    printf "%s: ends after line %d; the Linux file has %d lines\n", FILENAME, NR - count, count
    exit 1
  }
  for (i = 1; i <= tolerated; ++i) {
    n = passed_lines[i]
    printf "  %s line %d, last-digit difference:\n    linux:   %s\n    windows: %s\n", FILENAME, n,
           expected[n], got[n]
  }
}
