# Compares two output files of the engine line by line:
#
#   awk -f same_numbers.awk LINUX_FILE WINDOWS_FILE
#
# Lines must be equal, or differ only in numbers that agree to one unit in
# the last digit printed, or to 1e-8 of their size, or that are both round-off
# of a zero: below 1e-12, or below 1e-7 of the largest number on the line (a
# shear of 1e-11 beside a moment of 1e6). The maths libraries of the two
# systems round sines, tangents, powers and logarithms differently in the last
# bit; through the iteration of a nonlinear soil that can reach the ninth or
# tenth significant digit, and a last-bit change can move the layout that an
# adaptive field picks for a value right at a band limit (10000. or 10000.0000).
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

function same_numbers(a, b, largest,   diff, unit_a, size, zero) {
  parse(a)
  va = VALUE
  unit_a = UNIT
  parse(b)
  diff = abs(va - VALUE)
  size = abs(va) > abs(VALUE) ? abs(va) : abs(VALUE)
  zero = 1e-7 * largest
  if (zero < 1e-12) zero = 1e-12
  return diff <= 1.000001 * (unit_a > UNIT ? unit_a : UNIT) || diff <= 1e-8 * size ||
         (abs(va) < zero && abs(VALUE) < zero)
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
  largest = 0
  # A number followed by a comma (the iteration trace) counts as a number.
  for (i = 1; i <= na; ++i) sub(/,$/, "", a[i])
  for (i = 1; i <= nb; ++i) sub(/,$/, "", b[i])
  for (i = 1; i <= na; ++i) {
    if (!numeric(a[i])) continue
    parse(a[i])
    if (abs(VALUE) > largest) largest = abs(VALUE)
  }
  for (i = 1; i <= na; ++i) {
    if (a[i] == b[i]) continue
    if (!numeric(a[i]) || !numeric(b[i])) fail("different text")
    if (!same_numbers(a[i], b[i], largest)) fail("different numbers")
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
    printf "  %s line %d, rounding difference:\n    linux:   %s\n    windows: %s\n", FILENAME, n,
           expected[n], got[n]
  }
}
