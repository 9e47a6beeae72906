#include "section/section_materials.hpp"

#include <cmath>

namespace tarvex {
namespace {

struct StrandRow {
  double fpu_psi;
  int count;
  StrandSize size[8];
};

// Diameters in inches, areas in square inches.
constexpr StrandRow kStrands[6] = {
    {250000.0,
     7,
     {{0.34, 0.058},
      {0.25, 0.036},
      {0.3125, 0.058},
      {0.375, 0.08},
      {0.4375, 0.108},
      {0.5, 0.144},
      {0.6, 0.216},
      {}}},
    {270000.0,
     8,
     {{0.34, 0.058},
      {0.375, 0.085},
      {0.4375, 0.115},
      {0.5, 0.153},
      {0.5, 0.167},
      {0.5625, 0.192},
      {0.6, 0.217},
      {0.7, 0.294}}},
    {300000.0,
     5,
     {{0.375, 0.085}, {0.438, 0.115}, {0.5, 0.153}, {0.5, 0.167}, {0.6, 0.217}, {}, {}, {}}},
    {145000.0,
     6,
     {{0.75, 0.442},
      {0.875, 0.601},
      {1.0, 0.785},
      {1.125, 0.994},
      {1.25, 1.227},
      {1.375, 1.485},
      {},
      {}}},
    {160000.0,
     6,
     {{0.75, 0.442},
      {0.875, 0.601},
      {1.0, 0.785},
      {1.125, 0.994},
      {1.25, 1.227},
      {1.375, 1.485},
      {},
      {}}},
    {150000.0,
     6,
     {{0.625, 0.28}, {1.0, 0.85}, {1.0, 0.85}, {1.25, 1.25}, {1.25, 1.25}, {1.375, 1.58}, {}, {}}},
};

// Strand law on its straight line up to `limit`, then the PCI curve
// top - k / (|eps| - shift), capped at `cap` (0: no cap), with the sign of eps.
double PciCurve(double eps, double limit, double top, double k, double shift, double cap,
                bool* yielded) {
  const double a = std::fabs(eps);
  if (a <= limit) return 28500.0 * eps;
  *yielded = true;
  double s = top - k / (a - shift);
  if (cap > 0.0 && s > cap) s = cap;
  return eps < 0.0 ? -s : s;
}

}  // namespace

ConcreteConstants ConcreteFromInput(double fc_input, UnitSystem units, bool prestressed) {
  const bool si = units == UnitSystem::kSi;
  const double scale = si ? kKsiToKpa : 1.0;  // ksi to the run's stress unit
  const double fc_ksi = si ? fc_input / kKsiToKpa : fc_input / 1000.0;
  ConcreteConstants c;
  c.fc = si ? fc_input : fc_ksi;
  const double ec_ksi = 57.0 * std::sqrt(1000.0 * fc_ksi);
  c.eps0 = 1.7 * fc_ksi / ec_ksi;
  const double fr_ksi = -(prestressed ? 0.004 : 0.0075) * std::sqrt(1000.0 * fc_ksi);
  c.eps_cr = -(1.0 - std::sqrt(1.0 + fr_ksi / fc_ksi)) * c.eps0;
  c.ec = ec_ksi * scale;
  c.fr = fr_ksi * scale;
  return c;
}

double StrandStressKsi(int code, double eps, double fy9, bool* yielded) {
  switch (code) {
    case 4:
      return PciCurve(eps, double(0.0076f), 250.0, double(0.04f), double(0.0064f), 0.0, yielded);
    case 5:
      return PciCurve(eps, double(0.0086f), 270.0, double(0.04f), double(0.007f), 270.0, yielded);
    case 6:
      return PciCurve(eps, double(0.0088846f), 300.0, double(0.0835f), double(0.0071f), 300.0,
                      yielded);
    case 7:
      return ElasticPlasticStress(29000.0, 145.0, eps, yielded);
    case 8:
      return ElasticPlasticStress(29000.0, 160.0, eps, yielded);
    default:
      return ElasticPlasticStress(29000.0, fy9, eps, yielded);
  }
}

bool StrandTable(int type, int size, StrandSize* out) {
  if (type < 0 || type > 5) return false;
  const StrandRow& row = kStrands[type];
  if (size < 0 || size >= row.count) return false;
  *out = row.size[size];
  out->fpu_psi = row.fpu_psi;
  return true;
}

int StrandSizes(int type) { return type < 0 || type > 5 ? 0 : kStrands[type].count; }

double StrandModulusKsi(int type) { return type <= 2 ? 28000.0 : 29000.0; }

double DeformedBarYieldKsi(int subcode) {
  if (subcode == 1) return 157.0;
  if (subcode == 3 || subcode == 5) return 160.0;
  return 150.0;
}

}  // namespace tarvex
