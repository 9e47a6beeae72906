// SECTIONS: the pile from its head down, one pile section after another.
#include <string>
#include <vector>

#include "input/section_readers.hpp"

namespace tarvex {
namespace {

// Rows of the SECTIONS body hold one value each.
bool ReadOne(InputReader& in, std::string_view what, double* v) { return in.Read(what, {v}); }
bool ReadOne(InputReader& in, std::string_view what, int* v) { return in.Read(what, {v}); }

// A keyword line of the section body that holds none of the lines
// `expected` there.
void BodyError(InputReader& in, std::string_view expected, const std::string& line) {
  in.Raise(ErrorId::kUnrecognizedData,
           {ErrorTextValue("expected", std::string(expected)), ErrorTextValue("line", line)});
}

// A row numbered out of order: its number and the number expected.
void OrderError(InputReader& in, std::string_view what, int number, int expected) {
  in.Raise(ErrorId::kUnrecognizedData, {ErrorValue(std::string(what), number),
                                        ErrorValue("expected " + std::string(what), expected)});
}

std::string Of(std::string_view what, int section) {
  return std::string(what) + " of section " + std::to_string(section);
}

// Millimetres of an SI run to metres; other units are kept.
double Dimension(InputReader& in, double v) {
  return in.input().options.units == UnitSystem::kSi ? v / 1000.0 : v;
}

bool ReadConcrete(InputReader& in, int i, ConcreteBlock* c) {
  in.message().Write("(A,I0)", {"Reading concrete property data for Section ", i});
  if (!ReadOne(in, Of("the concrete compressive strength", i), &c->fc) ||
      !in.CheckPositive(c->fc, Of("the concrete compressive strength", i)) ||
      !ReadOne(in, Of("the maximum coarse aggregate size", i), &c->aggregate) ||
      !in.CheckNotNegative(c->aggregate, Of("the maximum coarse aggregate size", i))) {
    return false;
  }
  c->aggregate = Dimension(in, c->aggregate);
  std::string line;
  if (!in.ReadKeywordLine(Of("the concrete tensile strength option", i), &line)) return false;
  if (line == "Use default concrete tensile strength") {
    c->tensile_override = false;
  } else if (line == "Override concrete tensile strength") {
    c->tensile_override = true;
    if (!ReadOne(in, Of("the concrete tensile strength", i), &c->tensile)) return false;
  } else {
    BodyError(in, "Use default concrete tensile strength or Override concrete tensile strength",
              line);
    return false;
  }
  if (!in.ReadKeywordLine(Of("the concrete stress-strain option", i), &line)) return false;
  if (line == "Use internal stress-strain curve for concrete") {
    c->user_curve = false;
    return true;
  }
  if (line != "Input stress-strain curve for concrete") {
    BodyError(in,
              "Use internal stress-strain curve for concrete or Input stress-strain curve for "
              "concrete",
              line);
    return false;
  }
  c->user_curve = true;
  int points = 0;
  if (!ReadOne(in, Of("the number of points of the concrete stress-strain curve", i), &points) ||
      !in.CheckCount(points, 1, limits::kMaxStressStrainPoints,
                     "the number of points of the concrete stress-strain curve")) {
    return false;
  }
  c->curve.assign(static_cast<std::size_t>(points), StressStrainPoint{});
  for (int k = 1; k <= points; ++k) {
    int number = 0;
    StressStrainPoint& p = c->curve[static_cast<std::size_t>(k - 1)];
    if (!in.Read(Of("a point of the concrete stress-strain curve (line number, strain, stress)", i),
                 {&number, &p.strain, &p.stress})) {
      return false;
    }
    if (number != k) {
      OrderError(in, "line number", number, k);
      return false;
    }
  }
  return true;
}

// Yield stress and elastic modulus of the bars.
bool ReadBarSteel(InputReader& in, int i, BarBlock* b) {
  return ReadOne(in, Of("the yield stress of the bars", i), &b->fy) &&
         in.CheckPositive(b->fy, Of("the yield stress of the bars", i)) &&
         ReadOne(in, Of("the elastic modulus of the bars", i), &b->es) &&
         in.CheckPositive(b->es, Of("the elastic modulus of the bars", i));
}

// Prestressing force and the fraction of it lost: a force cannot pull the
// strands into compression, and no more than all of it can be lost.
bool ReadPrestress(InputReader& in, int i, StrandBlock* s) {
  return ReadOne(in, Of("the initial prestressing force", i), &s->force) &&
         in.CheckNotNegative(s->force, Of("the initial prestressing force", i)) &&
         ReadOne(in, Of("the fraction of loss of prestress", i), &s->loss) &&
         in.CheckValue(s->loss >= 0.0 && s->loss <= 1.0, s->loss,
                       Of("the fraction of loss of prestress", i), "must be from 0 to 1");
}

bool ReadBars(InputReader& in, int i, BarBlock* b) {
  in.message().Write("(A,I0)", {"Reading rebar property data for Section ", i});
  std::string line;
  if (!in.ReadKeywordLine(Of("the rebar option", i), &line)) return false;
  if (line == "No rebar") {
    b->layout = BarLayout::kNone;
    return true;
  }
  if (line == "Rebar Arrangement Same As Section Above") {
    b->same_as_above = true;
  } else if (line == "Rebar Arrangement Not Same As Section Above") {
    b->same_as_above = false;
  } else {
    BodyError(in,
              "No rebar, Rebar Arrangement Same As Section Above or Rebar Arrangement Not Same "
              "As Section Above",
              line);
    return false;
  }
  if (!in.ReadKeywordLine(Of("the rebar arrangement", i), &line)) return false;
  const bool si = in.input().options.units == UnitSystem::kSi;
  if (line == "Rebar in circle") {
    b->layout = BarLayout::kCircle;
    if (!ReadBarSteel(in, i, b) || !ReadOne(in, Of("the number of bar groups", i), &b->groups) ||
        !in.CheckCount(b->groups, 1, limits::kMaxBars, "the number of bar groups") ||
        !ReadOne(in, Of("the number of bars per group", i), &b->bars_per_group) ||
        !in.CheckCount(b->bars_per_group, 1, 3, "the number of bars in a group")) {
      return false;
    }
    if (b->groups * b->bars_per_group > limits::kMaxBars) {
      in.Fail("gives " + std::to_string(b->bars_per_group) + " bars in each of " +
              std::to_string(b->groups) + " groups, more than 300 bars in all");
      return false;
    }
    if (!ReadOne(in, Of("the bar diameter", i), &b->diameter) ||
        !in.CheckNotNegative(b->diameter, Of("the bar diameter", i)) ||
        !ReadOne(in, Of("the area of one bar", i), &b->area) ||
        !in.CheckPositive(b->area, Of("the area of one bar", i)) ||
        !ReadOne(in, Of("the concrete cover", i), &b->cover) ||
        !in.CheckNotNegative(b->cover, Of("the concrete cover", i)) ||
        !ReadOne(in, Of("the rebar offset", i), &b->offset)) {
      return false;
    }
    if (si) {
      b->diameter /= 1000.0;
      b->area /= 1000000.0;
      b->cover /= 1000.0;
      b->offset /= 1000.0;
    }
    return true;
  }
  if (line == "Rebar in noncircular pattern") {
    b->layout = BarLayout::kList;
    int count = 0;
    if (!ReadBarSteel(in, i, b) || !ReadOne(in, Of("the number of bars", i), &count) ||
        !in.CheckCount(count, 1, limits::kMaxBars, "the number of bars")) {
      return false;
    }
    b->bars.assign(static_cast<std::size_t>(count), Bar{});
    for (Bar& bar : b->bars) {
      if (!in.Read(Of("a bar (size index, diameter, area, x, y)", i),
                   {&bar.index, &bar.diameter, &bar.area, &bar.x, &bar.y}) ||
          !in.CheckNotNegative(bar.diameter, Of("the diameter of a bar", i)) ||
          !in.CheckPositive(bar.area, Of("the area of a bar", i))) {
        return false;
      }
      if (si) {
        bar.diameter /= 1000.0;
        bar.area /= 1000000.0;
        bar.x /= 1000.0;
        bar.y /= 1000.0;
      }
    }
    return true;
  }
  in.Fail("holds \"" + line +
          "\" where Rebar in circle or Rebar in noncircular pattern is "
          "expected");
  return false;
}

// Number of strand sizes of each strand type.
constexpr int kStrandSizes[6] = {7, 8, 5, 6, 6, 6};

bool CheckStrandSize(InputReader& in, int type, int size) {
  return in.CheckCount(size, 0, kStrandSizes[type] - 1, "the strand size index");
}

bool ReadStrands(InputReader& in, int i, StrandBlock* s) {
  in.message().Write("(A,I0)", {"Reading prestressing strand data for Section ", i});
  s->present = true;
  std::string line;
  if (!in.ReadKeywordLine(Of("the strand positioning option", i), &line)) return false;
  const bool si = in.input().options.units == UnitSystem::kSi;
  if (line == "Autoposition strands") {
    s->automatic = true;
    if (!ReadOne(in, Of("the strand type", i), &s->type) ||
        !in.CheckCount(s->type, 0, 5, "the strand type") ||
        !ReadOne(in, Of("the strand size index", i), &s->size_index) ||
        !CheckStrandSize(in, s->type, s->size_index) ||
        !ReadOne(in, Of("the number of strands", i), &s->count) ||
        !in.CheckCount(s->count, 1, limits::kMaxStrands, "the number of strands") ||
        !ReadPrestress(in, i, s) ||
        !ReadOne(in, Of("the concrete cover over the strands", i), &s->cover) ||
        !in.CheckNotNegative(s->cover, Of("the concrete cover over the strands", i)) ||
        !ReadOne(in, Of("the strand arrangement code", i), &s->arrangement) ||
        !in.CheckCount(s->arrangement, 0, 2, "the strand arrangement code")) {
      return false;
    }
    if (si) s->cover /= 1000.0;
    return true;
  }
  if (line == "Manually-positioned strands") {
    s->automatic = false;
    if (!ReadOne(in, Of("the number of strands", i), &s->count) ||
        !in.CheckCount(s->count, 1, limits::kMaxStrands, "the number of strands") ||
        !ReadOne(in, Of("the strand type", i), &s->type) ||
        !in.CheckCount(s->type, 0, 5, "the strand type") || !ReadPrestress(in, i, s)) {
      return false;
    }
    s->strands.assign(static_cast<std::size_t>(s->count), Strand{});
    for (int k = 1; k <= s->count; ++k) {
      Strand& st = s->strands[static_cast<std::size_t>(k - 1)];
      int number = 0;
      if (!in.Read(Of("a strand (strand number, size index, a reserved integer, x, y)", i),
                   {&number, &st.size_index, &st.reserved, &st.x, &st.y})) {
        return false;
      }
      if (number != k) {
        OrderError(in, "strand number", number, k);
        return false;
      }
      if (!CheckStrandSize(in, s->type, st.size_index)) return false;
      if (si) {
        st.x /= 1000.0;
        st.y /= 1000.0;
      }
    }
    s->size_index = s->strands.front().size_index;
    return true;
  }
  BodyError(in, "Autoposition strands or Manually-positioned strands", line);
  return false;
}

bool ReadElastic(InputReader& in, int i, bool plastic, ElasticBlock* e) {
  in.message().Write("(A,I0)", {plastic ? "Reading elastic-plastic section properties for Section "
                                        : "Reading elastic section properties for Section ",
                                i});
  if (!ReadOne(in, Of("the cross-sectional shape code", i), &e->shape) ||
      !in.CheckCount(e->shape, 0, 5, "the cross-sectional shape code")) {
    return false;
  }
  struct Item {
    const char* what;
    double* value;
    bool dimension;
  };
  std::vector<Item> items = {{"the width at the section top", &e->top_width, true},
                             {"the width at the section bottom", &e->bottom_width, true}};
  switch (e->shape) {
    case kRectangularShape:
      items.push_back({"the section depth at the top", &e->top_depth, true});
      items.push_back({"the section depth at the bottom", &e->bottom_depth, true});
      break;
    case kCircularShape:
      break;
    case kPipeShape:
      items.push_back({"the wall thickness at the top", &e->top_wall, true});
      items.push_back({"the wall thickness at the bottom", &e->bottom_wall, true});
      break;
    case kStrongHShape:
    case kWeakHShape:
      items.push_back({"the flange width", &e->flange_width, true});
      items.push_back({"the section depth", &e->section_depth, true});
      items.push_back({"the flange thickness", &e->flange_thickness, true});
      items.push_back({"the web thickness", &e->web_thickness, true});
      break;
    case kEmbeddedPoleShape:
      items.push_back({"the drilled hole diameter", &e->hole_diameter, true});
      break;
    default:
      break;
  }
  items.push_back({"the elastic modulus", &e->modulus, false});
  if (plastic) {
    items.push_back({"the plastic moment capacity at the top", &e->top_mp, false});
    items.push_back({"the plastic moment capacity at the bottom", &e->bottom_mp, false});
  }
  for (const Item& item : items) {
    if (!ReadOne(in, Of(item.what, i), item.value)) return false;
    // Every dimension, the modulus and the plastic moments give the section's
    // stiffness and capacity: none may be zero or negative.
    if (!in.CheckPositive(*item.value, Of(item.what, i))) return false;
    if (item.dimension) *item.value = Dimension(in, *item.value);
  }
  return true;
}

bool ReadUserEi(InputReader& in, int i, PileSection* s) {
  int thrusts = 0;
  if (!ReadOne(in, Of("the number of axial thrusts of the bending stiffness table", i), &thrusts) ||
      !in.CheckCount(thrusts, 1, limits::kMaxUserEiThrusts,
                     "the number of axial thrusts of the bending stiffness table")) {
    return false;
  }
  s->user_ei.assign(static_cast<std::size_t>(thrusts), UserEiCurve{});
  for (UserEiCurve& curve : s->user_ei) {
    int points = 0;
    if (!ReadOne(in, Of("an axial thrust of the bending stiffness table", i), &curve.thrust) ||
        !ReadOne(in, Of("the number of moment and bending stiffness points", i), &points) ||
        !in.CheckCount(points, 1, limits::kMaxUserEiPoints,
                       "the number of moment and bending stiffness points")) {
      return false;
    }
    curve.moment.assign(static_cast<std::size_t>(points), 0.0);
    curve.ei.assign(static_cast<std::size_t>(points), 0.0);
    for (int k = 0; k < points; ++k) {
      if (!ReadOne(in, Of("a bending moment of the bending stiffness table", i),
                   &curve.moment[static_cast<std::size_t>(k)]) ||
          !ReadOne(in, Of("a bending stiffness of the bending stiffness table", i),
                   &curve.ei[static_cast<std::size_t>(k)])) {
        return false;
      }
      if (curve.ei[static_cast<std::size_t>(k)] <= 0.0) {
        in.Fail("gives a bending stiffness of zero or less in the table of section " +
                std::to_string(i));
        return false;
      }
      if (!in.CheckPositive(curve.ei[static_cast<std::size_t>(k)],
                            "a bending stiffness of the table of section " + std::to_string(i))) {
        return false;
      }
    }
  }
  return true;
}

// The lines of one section after its type code.
bool ReadSection(InputReader& in, int i, PileSection* s) {
  // Outer sizes of the section must be positive; walls, voids, chamfers and
  // cores may be zero (the section analysis then says what it cannot cut)
  // but not negative. Steel strengths and moduli must be positive.
  auto dimension = [&](std::string_view what, double* v, bool positive) {
    if (!ReadOne(in, Of(what, i), v)) return false;
    if (!(positive ? in.CheckPositive(*v, Of(what, i)) : in.CheckNotNegative(*v, Of(what, i)))) {
      return false;
    }
    *v = Dimension(in, *v);
    return true;
  };
  auto dim = [&](std::string_view what, double* v) { return dimension(what, v, true); };
  auto wall = [&](std::string_view what, double* v) { return dimension(what, v, false); };
  auto value = [&](std::string_view what, double* v) {
    return ReadOne(in, Of(what, i), v) && in.CheckPositive(*v, Of(what, i));
  };
  if (!ReadOne(in, Of("the section length", i), &s->length)) return false;
  // A micropile adds no length to the pile; every other section must.
  if (!in.CheckValue(s->type == kMicropile ? s->length >= 0.0 : s->length > 0.0, s->length,
                     "the length of section " + std::to_string(i),
                     s->type == kMicropile ? "must not be negative" : "must be positive") ||
      !in.CheckValue(s->length == 0.0 || s->length >= InputReader::kMinPositive, s->length,
                     "the length of section " + std::to_string(i),
                     InputReader::kBelowMinPositive)) {
    return false;
  }
  switch (s->type) {
    case kRectangularConcrete:
      return dim("the section depth", &s->depth) && dim("the section width", &s->width) &&
             ReadConcrete(in, i, &s->concrete) && ReadBars(in, i, &s->bars);
    case kDrilledShaft:
      return dim("the shaft diameter", &s->depth) && ReadConcrete(in, i, &s->concrete) &&
             ReadBars(in, i, &s->bars);
    case kShaftWithCasing:
      return dim("the casing diameter", &s->depth) &&
             wall("the casing wall thickness", &s->casing_thickness) &&
             value("the casing yield stress", &s->casing_fy) &&
             value("the casing elastic modulus", &s->casing_e) &&
             ReadConcrete(in, i, &s->concrete) && ReadBars(in, i, &s->bars);
    case kShaftWithCasingAndCore:
      return dim("the casing diameter", &s->depth) &&
             wall("the casing wall thickness", &s->casing_thickness) &&
             value("the casing yield stress", &s->casing_fy) &&
             value("the casing elastic modulus", &s->casing_e) &&
             wall("the core outer diameter", &s->core_diameter) &&
             wall("the core wall thickness", &s->core_thickness) &&
             value("the core yield stress", &s->core_fy) &&
             value("the core elastic modulus", &s->core_e) && ReadConcrete(in, i, &s->concrete) &&
             ReadBars(in, i, &s->bars);
    case kSteelPipe:
      return dim("the pipe outer diameter", &s->depth) &&
             wall("the pipe wall thickness", &s->casing_thickness) &&
             value("the pipe yield stress", &s->casing_fy) &&
             value("the pipe elastic modulus", &s->casing_e);
    case kCircularPrestressed:
    case kOctagonalPrestressed:
      return dim("the pile width", &s->depth) && ReadConcrete(in, i, &s->concrete) &&
             ReadStrands(in, i, &s->strands);
    case kCircularHollowPrestressed:
    case kOctagonalHollowPrestressed:
      return dim("the pile width", &s->depth) && wall("the void diameter", &s->void_diameter) &&
             ReadConcrete(in, i, &s->concrete) && ReadStrands(in, i, &s->strands);
    case kSquarePrestressed:
      return dim("the pile width", &s->depth) && wall("the corner chamfer", &s->chamfer) &&
             ReadConcrete(in, i, &s->concrete) && ReadStrands(in, i, &s->strands);
    case kSquareHollowPrestressed:
      return dim("the pile width", &s->depth) && wall("the void diameter", &s->void_diameter) &&
             wall("the corner chamfer", &s->chamfer) && ReadConcrete(in, i, &s->concrete) &&
             ReadStrands(in, i, &s->strands);
    case kElastic:
    case kElasticPlastic:
      return ReadElastic(in, i, s->type == kElasticPlastic, &s->elastic);
    case kUserEi:
      return dim("the section width", &s->depth) && ReadUserEi(in, i, s);
    case kMicropile:
      return true;
    default:
      in.Fail("gives an unknown section type code");
      return false;
  }
}

}  // namespace

void ReadSections(InputReader& in) {
  InputModel& m = in.input();
  int n = 0;
  if (!ReadOne(in, "the number of pile sections", &n) ||
      !in.CheckCount(n, 1, limits::kMaxSections, "the number of pile sections")) {
    return;
  }
  m.sections.clear();
  double running = 0.0;
  for (int i = 1; i <= n; ++i) {
    in.message().Write("(A,I0)", {"Reading section properties for Section ", i});
    int number = 0;
    if (!ReadOne(in, "the section number", &number)) return;
    const int number_line = in.line_number();
    if (number != i) {
      OrderError(in, "section number", number, i);
      return;
    }
    int code = 0;
    if (!ReadOne(in, Of("the section type code", i), &code)) return;
    if (code != -3 && (code < 0 || code > 14)) {
      in.Fail("gives " + std::to_string(code) +
                  " as the section type code, which must be from 0 to 14, or -3",
              {ErrorValue("section type code", code)});
      return;
    }
    PileSection s;
    s.line = number_line;
    s.type = code == -3 ? kShaftWithCasingAndCore : static_cast<SectionType>(code);
    s.core_filled = code != -3;
    if (!ReadSection(in, i, &s)) return;
    if (s.type != kMicropile) {
      s.top = running;
      s.bottom = running + s.length;
      running += s.length;
    } else {
      s.top = s.bottom = running;
    }
    m.sections.push_back(std::move(s));
  }
  m.pile_length = running;
}

// TRANSVERSE REINFORCEMENT: ties or a spiral for concrete sections, by
// section number, after SECTIONS. Sections not named keep the default of
// their type. The section adds nothing to the report or the message file:
// the interaction diagrams it serves are results beyond them.
void ReadTransverseReinforcement(InputReader& in) {
  InputModel& m = in.input();
  const int sections = static_cast<int>(m.sections.size());
  int n = 0;
  if (!in.Read("the number of rows of the transverse reinforcement", {&n}) ||
      !in.CheckCount(n, 1, sections, "the number of rows of the transverse reinforcement")) {
    return;
  }
  std::vector<bool> given(static_cast<std::size_t>(sections), false);
  for (int k = 1; k <= n; ++k) {
    int number = 0;
    std::string word;
    if (!in.Read("the section number and TIED or SPIRAL of transverse reinforcement row " +
                     std::to_string(k),
                 {&number, ReadValue(&word, 16)})) {
      return;
    }
    if (number < 1 || number > sections) {
      in.Fail("gives " + std::to_string(number) +
                  " as a section number, which must be from 1 to the number of sections, " +
                  std::to_string(sections),
              {ErrorValue("section number", number), ErrorValue("sections", sections)});
      return;
    }
    const auto i = static_cast<std::size_t>(number - 1);
    if (word != "TIED" && word != "SPIRAL") {
      in.Fail(
          "gives \"" + word + "\" as the transverse reinforcement of section " +
              std::to_string(number) + "; TIED or SPIRAL is expected",
          {ErrorValue("section number", number), ErrorTextValue("transverse reinforcement", word)});
      return;
    }
    if (!TakesTransverseReinforcement(m.sections[i].type)) {
      in.Fail("gives transverse reinforcement to section " + std::to_string(number) +
              ", which is not a concrete section with bars or strands");
      return;
    }
    if (given[i]) {
      in.Fail("gives the transverse reinforcement of section " + std::to_string(number) +
              " a second time");
      return;
    }
    given[i] = true;
    m.sections[i].transverse = word == "TIED" ? TransverseInput::kTied : TransverseInput::kSpiral;
  }
}

}  // namespace tarvex
