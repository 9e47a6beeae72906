// Material laws at their break points and the concrete constants.
#include "section/section_materials.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvex {
namespace {

TEST(Concrete, ConstantsOfFourKsiConcrete) {
  const ConcreteConstants c = ConcreteFromInput(4000.0, UnitSystem::kUscs, false);
  EXPECT_DOUBLE_EQ(c.fc, 4.0);
  EXPECT_NEAR(c.ec, 3605.0, 0.01);
  EXPECT_NEAR(c.eps0, 0.001886, 5e-7);
  EXPECT_NEAR(c.fr, -0.474, 5e-4);
  // The tension parabola reaches the modulus of rupture at the cracking strain.
  EXPECT_NEAR(ConcreteTensionStress(c, c.eps_cr), c.fr, 1e-12);
  // Prestressed concrete cracks at 4.0 sqrt(f'c).
  EXPECT_NEAR(ConcreteFromInput(4000.0, UnitSystem::kUscs, true).fr, -0.004 * std::sqrt(4000.0),
              1e-15);
}

TEST(Concrete, SiConstantsAreTheKsiValuesConverted) {
  const double fc = 4.0 * kKsiToKpa;
  const ConcreteConstants si = ConcreteFromInput(fc, UnitSystem::kSi, false);
  const ConcreteConstants us = ConcreteFromInput(4000.0, UnitSystem::kUscs, false);
  EXPECT_EQ(si.fc, fc);
  // The direct metric forms hold single-precision factors: agreement to 1e-8.
  EXPECT_NEAR(si.ec / (393001.16443634033 * std::sqrt(0.14503774046897888 * fc)), 1.0, 1e-8);
  EXPECT_NEAR(si.fr / (-51.71067953109741 * std::sqrt(0.14503774046897888 * fc)), 1.0, 1e-8);
  EXPECT_NEAR(si.ec, us.ec * kKsiToKpa, 1e-6);
  EXPECT_NEAR(si.eps0, us.eps0, 1e-15);
  EXPECT_NEAR(si.eps_cr, us.eps_cr, 1e-15);
}

TEST(Concrete, CompressionLawAtItsBreakPoints) {
  const ConcreteConstants c = ConcreteFromInput(5000.0, UnitSystem::kUscs, false);
  struct Case {
    double eps;
    double stress;
  } cases[] = {
      {c.eps0 / 2.0, 0.75 * 5.0},
      {c.eps0, 5.0},
      {0.0038, 0.85 * 5.0},  // 0.0038 lies below the single-precision limit
      {double(0.0038f), 0.85 * 5.0},
      {std::nextafter(double(0.0038f), 1.0), 0.001},  // crushed
      {0.01, 0.001},
  };
  for (const Case& k : cases) {
    EXPECT_NEAR(ConcreteCompressionStress(c, k.eps), k.stress, 1e-6) << "strain " << k.eps;
  }
  // The falling line is straight: halfway between eps0 and 0.0038 the stress
  // is f'c less half the single-precision drop 0.15 f'c.
  EXPECT_DOUBLE_EQ(ConcreteCompressionStress(c, (c.eps0 + double(0.0038f)) / 2.0),
                   5.0 - double(0.15f) * 5.0 / 2.0);
}

TEST(Steel, YieldIsReachedOnlyBeyondFyOverEs) {
  bool yielded = false;
  const double eps_y = 60.0 / 29000.0;
  EXPECT_EQ(ElasticPlasticStress(29000.0, 60.0, eps_y, &yielded), 60.0);
  EXPECT_FALSE(yielded);
  EXPECT_EQ(ElasticPlasticStress(29000.0, 60.0, std::nextafter(eps_y, 1.0), &yielded), 60.0);
  EXPECT_TRUE(yielded);
  yielded = false;
  EXPECT_EQ(ElasticPlasticStress(29000.0, 60.0, -0.01, &yielded), -60.0);
  EXPECT_TRUE(yielded);
  yielded = false;
  EXPECT_DOUBLE_EQ(ElasticPlasticStress(29000.0, 60.0, -0.001, &yielded), -29.0);
  EXPECT_FALSE(yielded);
}

TEST(Strands, LawsAtTheirBreakPoints) {
  struct Case {
    int code;
    double eps;
    double stress;
    bool yielded;
  } cases[] = {
      {4, 0.0076, 28500.0 * 0.0076, false},  // 216.6 on the straight line
      {4, double(0.0076f) + 1e-12,
       250.0 - double(0.04f) / (double(0.0076f) + 1e-12 - double(0.0064f)), true},
      {4, -0.02, -(250.0 - double(0.04f) / (0.02 - double(0.0064f))), true},
      {5, 0.0086, 28500.0 * 0.0086, false},
      {5, 0.05, 270.0 - double(0.04f) / (0.05 - double(0.007f)), true},
      {6, 0.0088, 28500.0 * 0.0088, false},
      {6, 0.03, 300.0 - double(0.0835f) / (0.03 - double(0.0071f)), true},
      {7, 0.004, 116.0, false},
      {7, 0.01, 145.0, true},
      {8, -0.01, -160.0, true},
      {9, 0.01, 157.0, true},
  };
  for (const Case& c : cases) {
    bool yielded = false;
    EXPECT_NEAR(StrandStressKsi(c.code, c.eps, DeformedBarYieldKsi(1), &yielded), c.stress, 1e-9)
        << "code " << c.code << ", strain " << c.eps;
    EXPECT_EQ(yielded, c.yielded) << "code " << c.code << ", strain " << c.eps;
  }
  // PCI 250 is continuous at its break: about 216.7 just above 0.0076.
  bool y = false;
  EXPECT_NEAR(StrandStressKsi(4, double(0.0076f) + 1e-9, 0.0, &y), 216.7, 0.05);
  EXPECT_EQ(DeformedBarYieldKsi(3), 160.0);
  EXPECT_EQ(DeformedBarYieldKsi(5), 160.0);
  EXPECT_EQ(DeformedBarYieldKsi(0), 150.0);
  EXPECT_EQ(DeformedBarYieldKsi(4), 150.0);
}

TEST(Strands, TableOfTypesAndSizes) {
  StrandSize s;
  ASSERT_TRUE(StrandTable(1, 3, &s));
  EXPECT_EQ(s.diameter, 0.5);
  EXPECT_EQ(s.area, 0.153);
  EXPECT_EQ(s.fpu_psi, 270000.0);
  ASSERT_TRUE(StrandTable(5, 5, &s));
  EXPECT_EQ(s.diameter, 1.375);
  EXPECT_EQ(s.area, 1.58);
  ASSERT_TRUE(StrandTable(4, 2, &s));
  EXPECT_EQ(s.area, 0.785);
  EXPECT_EQ(s.fpu_psi, 160000.0);
  EXPECT_FALSE(StrandTable(2, 5, &s));
  EXPECT_FALSE(StrandTable(6, 0, &s));
  const int sizes[] = {7, 8, 5, 6, 6, 6};
  for (int t = 0; t < 6; ++t) EXPECT_EQ(StrandSizes(t), sizes[t]);
  EXPECT_EQ(StrandModulusKsi(2), 28000.0);
  EXPECT_EQ(StrandModulusKsi(3), 29000.0);
}

}  // namespace
}  // namespace tarvex
