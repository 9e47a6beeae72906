#include "engine/interaction_results.hpp"

#include <cmath>
#include <string>

#include "section/interaction.hpp"

namespace tarvex {
namespace {

const char* CodeName(DesignCode code) {
  switch (code) {
    case DesignCode::kAashto:
      return "AASHTO";
    case DesignCode::kEurocode2:
      return "Eurocode2";
    case DesignCode::kAci318:
      break;
  }
  return "ACI318";
}

const char* Standard(DesignCode code, bool steel) {
  switch (code) {
    case DesignCode::kAashto:
      return steel ? "AASHTO LRFD, steel pipe piles (AISC 360-16 section strengths)"
                   : "AASHTO LRFD";
    case DesignCode::kEurocode2:
      return steel ? "EN 1993-1-1" : "EN 1992-1-1";
    case DesignCode::kAci318:
      break;
  }
  return steel ? "AISC 360-16" : "ACI 318-19";
}

std::string Method(const InteractionDiagram& d, const InteractionSettings& settings) {
  if (d.steel) {
    if (d.code != DesignCode::kEurocode2) {
      return "plastic interaction P/Pc + 8/9 M/Mc = 1 (H1-1), local buckling by D/t";
    }
    return d.section_class <= 2
               ? "fully plastic cross-section, class " + std::to_string(d.section_class)
               : "elastic limit N/Npl + M/Mel = 1, class 3";
  }
  if (d.code != DesignCode::kEurocode2) {
    return "strain compatibility, rectangular stress block, crushing strain 0.003";
  }
  return settings.ec2 == Ec2Distribution::kParabolaRectangle
             ? "strain compatibility, parabola-rectangle, strain limits eps_c2 and eps_cu2"
             : "strain compatibility, rectangular block, strain limits eps_c3 and eps_cu3";
}

std::string NoteOf(InteractionCoverage coverage, const PileSection& s) {
  switch (coverage) {
    case InteractionCoverage::kCovered:
      return "";
    case InteractionCoverage::kNoCutSection:
      switch (s.type) {
        case kElastic:
          return "Not covered: an elastic section gives no yield strength.";
        case kElasticPlastic:
          return "Not covered: an elastic-plastic section (such as an H-pile) gives its plastic "
                 "moment but no yield strength or axial capacity.";
        case kUserEi:
          return "Not covered: a section with user-defined bending stiffness gives no material "
                 "strengths.";
        default:
          return "Not covered: a micropile section has no cross-section.";
      }
    case InteractionCoverage::kNoReinforcement:
      return "Not covered: the section has no longitudinal reinforcement (plain concrete).";
    case InteractionCoverage::kSlenderPipe:
      return "Not covered: the pipe wall is too slender for the code's cross-section "
             "strengths (local buckling).";
    case InteractionCoverage::kConcreteClass:
      return "Not covered: Eurocode 2 covers concrete up to C90/105 (fck 90 MPa).";
    case InteractionCoverage::kPreparationFailed:
      return "Not covered: the section could not be cut into strips.";
  }
  return "";
}

bool Finite(const std::vector<PmPoint>& points) {
  for (const PmPoint& p : points) {
    if (!std::isfinite(p.axial) || !std::isfinite(p.moment)) return false;
  }
  return true;
}

}  // namespace

InteractionResult DescribeInteraction(const PileSection& s, const Options& options) {
  InteractionSettings settings;
  settings.code = static_cast<DesignCode>(options.interaction_code);
  const bool given = s.transverse != TransverseInput::kNotGiven;
  settings.transverse = !given                                     ? DefaultTransverse(s.type)
                        : s.transverse == TransverseInput::kSpiral ? Transverse::kSpiral
                                                                   : Transverse::kTied;
  const InteractionDiagram d = SectionInteraction(s, options.units, settings);
  InteractionResult r;
  r.code = CodeName(settings.code);
  r.standard = Standard(settings.code, d.steel);
  r.covered = d.coverage == InteractionCoverage::kCovered;
  if (r.covered && !(Finite(d.nominal) && Finite(d.design))) {
    r.covered = false;
    r.note =
        "Not covered: the diagram of the section's values is not a finite number; check "
        "the dimensions and materials of the section for their sizes and units.";
    return r;
  }
  if (!r.covered) {
    r.note = NoteOf(d.coverage, s);
    return r;
  }
  r.method = Method(d, settings);
  if (!d.steel) {
    r.transverse = settings.transverse == Transverse::kSpiral ? "spiral" : "tied";
    r.transverse_source = given ? "input" : "default";
  }
  r.prestressed = d.prestressed;
  r.symmetric = d.symmetric;
  // Section analysis works in kips and kip-in in USCS runs; the results in
  // pounds and pound-inches.
  const double scale = options.units == UnitSystem::kUscs ? 1000.0 : 1.0;
  auto point = [scale](const PmPoint& p) {
    return InteractionPoint{p.axial * scale, p.moment * scale};
  };
  r.nominal.reserve(d.nominal.size());
  r.factored.reserve(d.design.size());
  for (const PmPoint& p : d.nominal) r.nominal.push_back(point(p));
  for (const PmPoint& p : d.design) r.factored.push_back(point(p));
  r.phi = d.phi;
  if (d.has_balanced) {
    r.balanced = point(d.balanced);
    r.balanced_factored = point(d.balanced_design);
  }
  r.pure_compression = d.pure_compression * scale;
  r.pure_tension = d.pure_tension * scale;
  r.max_compression = d.max_compression * scale;
  r.max_tension = d.max_tension * scale;
  if (d.code == DesignCode::kEurocode2 && !d.steel) {
    r.gamma_c = d.gamma_c;
    r.gamma_s = d.gamma_s;
    r.alpha_cc = d.alpha_cc;
  }
  return r;
}

void CheckInteractionDemands(const std::vector<LoadCaseResult>& cases,
                             std::vector<SectionResult>& sections) {
  for (std::size_t i = 0; i < sections.size(); ++i) {
    if (!sections[i].interaction || !sections[i].interaction->covered) continue;
    InteractionResult& r = *sections[i].interaction;
    std::vector<PmPoint> design;
    design.reserve(r.factored.size());
    for (const InteractionPoint& p : r.factored) design.push_back({p.axial, p.moment});
    r.demands.clear();
    r.max_utilisation.reset();
    r.governing_case = 0;
    for (const LoadCaseResult& c : cases) {
      if (i >= c.section_max_moment.size()) continue;
      InteractionDemand& demand = r.demands.emplace_back();
      demand.load_case = c.number;
      demand.name = c.combination_name;
      demand.factored = c.lrfd;
      demand.axial = c.axial;
      demand.moment = c.section_max_moment[i];
      const Utilisation u = RayUtilisation(design, demand.axial, demand.moment);
      if (!std::isfinite(u.ratio)) continue;
      demand.utilisation = u.ratio;
      demand.capacity = {u.capacity.axial, u.capacity.moment};
      demand.passed = u.ratio <= 1.0;
      if (!r.max_utilisation || u.ratio > *r.max_utilisation) {
        r.max_utilisation = u.ratio;
        r.governing_case = c.number;
      }
    }
  }
}

}  // namespace tarvex
