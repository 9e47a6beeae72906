#include "pile/node_setup.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "core/derived_tables.hpp"
#include "format/record_writer.hpp"
#include "pile/section_properties.hpp"
#include "section/cut_section.hpp"
#include "soil/layer_nodes.hpp"
#include "support/test_support.hpp"

namespace tarvex {
namespace {

constexpr std::size_t At(int k) { return PileNodes::At(k); }

// A USCS pile of the given length and increments, its tables and nodes.
struct PileModel {
  double length = 0.0;
  int increments = 0;
  double batter_angle = 0.0;
  std::vector<PileSection> sections;
  DerivedTables tables;
  PileNodes nodes;
  RecordWriter report;

  void SetGeometry() { SetNodeGeometry(length, increments, batter_angle, nodes); }
  void BuildPropertyTable() {
    tables.section_points = BuildSectionPropertyTable(sections, UnitSystem::kUscs);
  }
  void UpdateRigidity(double q) {
    UpdateFlexuralRigidity(sections, tables, UnitSystem::kUscs, q, nodes);
  }
  SectionProperties Properties(double d) const { return PropertiesAt(tables.section_points, d); }
};

std::unique_ptr<PileModel> Pile(double length, int increments) {
  auto m = std::make_unique<PileModel>();
  m->length = length;
  m->increments = increments;
  return m;
}

SoilLayer Layer(double top, double bottom) {
  SoilLayer l;
  l.code = kSoftClay;
  l.top = top;
  l.bottom = bottom;
  return l;
}

TEST(NodeGeometry, StationsAndBatter) {
  auto m = Pile(600.0, 100);
  m->batter_angle = 10.0 * 3.141592653589793 / 180.0;
  m->SetGeometry();
  EXPECT_EQ(m->nodes.count, 101);
  EXPECT_DOUBLE_EQ(m->nodes.h, 6.0);
  EXPECT_EQ(m->nodes.x[At(101)], 600.0);
  EXPECT_DOUBLE_EQ(m->nodes.z[At(51)], 300.0 * std::cos(m->batter_angle));
  // A battered pile of length L reaches only to depth L cos(batter).
  EXPECT_NEAR(m->nodes.z[At(101)], 600.0 * std::cos(m->batter_angle), 1e-9);
}

TEST(NodeDistributedLoad, AveragedOverTheTributaryLength) {
  const std::vector<DistributedLoadPoint> ramp = {{0.0, 0.0}, {100.0, 10.0}};
  EXPECT_DOUBLE_EQ(NodeDistributedLoad(ramp, 50.0, 6.0), 5.0);  // linear: the value at x
  // At the head only half the interval is loaded, still divided by h.
  EXPECT_DOUBLE_EQ(NodeDistributedLoad(ramp, 0.0, 6.0), (0.0 + 0.3) / 2.0 * 3.0 / 6.0);
  const std::vector<DistributedLoadPoint> deep = {{20.0, 5.0}, {40.0, 5.0}};
  EXPECT_EQ(NodeDistributedLoad(deep, 10.0, 6.0), 0.0);  // starts below the interval
  EXPECT_DOUBLE_EQ(NodeDistributedLoad(deep, 20.0, 6.0), 5.0 * 3.0 / 6.0);  // covers half
  const std::vector<DistributedLoadPoint> step = {
      {0.0, 5.0}, {10.0, 5.0}, {10.0, 20.0}, {20.0, 20.0}};
  EXPECT_DOUBLE_EQ(NodeDistributedLoad(step, 10.0, 4.0), (5.0 * 2.0 + 20.0 * 2.0) / 4.0);
  EXPECT_EQ(NodeDistributedLoad({}, 10.0, 4.0), 0.0);
}

TEST(NodeLayers, FirstAndLastNodeOfEachLayer) {
  auto m = Pile(600.0, 100);  // nodes every 6 in
  m->tables.layers = {Layer(0.0, 12.0), Layer(12.0, 13.0), Layer(13.0, 17.0), Layer(17.0, 700.0)};
  m->SetGeometry();
  AssignNodesToLayers(m->tables.layers, false, m->nodes, m->report);
  const auto& top = m->nodes.top_node_in_layer;
  const auto& bottom = m->nodes.bottom_node_in_layer;
  EXPECT_EQ(top[1], 1);
  EXPECT_EQ(bottom[1], 2);  // the node at 12 belongs to the lower layer
  EXPECT_EQ(top[2], 3);
  EXPECT_EQ(bottom[2], 3);
  EXPECT_EQ(top[3], 0);  // 13 to 17 holds no node
  EXPECT_EQ(top[4], 4);
  EXPECT_EQ(bottom[4], 101);
  EXPECT_EQ(m->report.contents(), "");
}

TEST(NodeLayers, NoLayerReachingTheTipLeavesAGap) {
  auto m = Pile(600.0, 100);
  m->tables.layers = {Layer(0.0, 100.0), Layer(105.0, 106.0)};
  m->SetGeometry();
  AssignNodesToLayers(m->tables.layers, false, m->nodes, m->report);
  EXPECT_EQ(m->nodes.top_node_in_layer[1], 1);
  EXPECT_EQ(m->nodes.bottom_node_in_layer[1], -1);  // the layer's criterion finds no node
  EXPECT_EQ(testing::SplitLines(m->report.contents()),
            (std::vector<std::string>{"ERROR 2 in computing i_BottomNodeInLayer",
                                      "Num_Nodes_To_Assign = 101", "ilayer = 1", "klayer = 3",
                                      "jlayer = 2", "i_Number_of_Layers = 2"}));
}

PileSection ElasticSection(double top, double bottom, double top_width, double bottom_width) {
  PileSection s;
  s.type = kElastic;
  s.top = top;
  s.bottom = bottom;
  s.length = bottom - top;
  s.elastic.shape = kCircularShape;
  s.elastic.top_width = top_width;
  s.elastic.bottom_width = bottom_width;
  s.elastic.modulus = 1000.0;
  return s;
}

TEST(SectionProperties, InterpolationBoundariesAndBelowTheTip) {
  auto m = Pile(200.0, 40);
  m->sections = {ElasticSection(0.0, 100.0, 10.0, 20.0), ElasticSection(100.0, 200.0, 30.0, 30.0)};
  m->BuildPropertyTable();
  ASSERT_EQ(m->tables.section_points.size(), 4U);
  const SectionProperties mid = m->Properties(50.0);
  EXPECT_DOUBLE_EQ(mid.diameter, 15.0);
  // E*I is interpolated as the product, not from the interpolated diameter.
  const double ei_top = 1000.0 * 0.04908738521234052 * 1e4;
  const double ei_bottom = 1000.0 * 0.04908738521234052 * 16e4;
  EXPECT_DOUBLE_EQ(mid.ei, ei_top + (ei_bottom - ei_top) * 0.5);
  EXPECT_DOUBLE_EQ(m->Properties(100.0).diameter, 30.0);  // the deeper section at a boundary
  EXPECT_DOUBLE_EQ(m->Properties(250.0).diameter, 30.0);  // below the last point
  EXPECT_DOUBLE_EQ(m->Properties(0.0).diameter, 10.0);
}

TEST(SectionProperties, ElasticShapes) {
  struct Case {
    int shape;
    double area;
    double inertia;
  };
  ElasticBlock e;
  e.top_width = 12.0;
  e.top_depth = 20.0;
  e.top_wall = 0.5;
  e.flange_width = 10.0;
  e.section_depth = 12.0;
  e.flange_thickness = 1.0;
  e.web_thickness = 0.5;
  const double pi = 3.141592653589793;
  const Case cases[] = {
      {kRectangularShape, 240.0, 12.0 * 8000.0 / 12.0},
      {kCircularShape, pi * 144.0 / 4.0, pi * 20736.0 / 64.0},
      {kPipeShape, pi * (144.0 - 121.0) / 4.0, pi * (20736.0 - 14641.0) / 64.0},
      {kStrongHShape, 2 * 10.0 + 10.0 * 0.5, (10.0 * 1728.0 - 9.5 * 1000.0) / 12.0},
      {kWeakHShape, 2 * 10.0 + 10.0 * 0.5, (2.0 * 1000.0 + 10.0 * 0.125) / 12.0},
  };
  for (const Case& c : cases) {
    e.shape = c.shape;
    double area = 0.0, inertia = 0.0;
    ElasticShapeProperties(e, false, &area, &inertia);
    EXPECT_NEAR(area, c.area, 1e-9 * c.area) << "shape " << c.shape;
    EXPECT_NEAR(inertia, c.inertia, 1e-9 * c.inertia) << "shape " << c.shape;
  }
}

// A user bending-stiffness table: two thrusts with curves of constant EI
// 1e6 (thrust 0) and 2e6 (thrust 100) kip-in^2, nominal points to 1 rad/in.
std::unique_ptr<PileModel> UserEiPile() {
  auto m = Pile(600.0, 100);
  PileSection s;
  s.type = kUserEi;
  s.top = 0.0;
  s.bottom = 600.0;
  m->sections = {s};
  m->tables.section_tables.resize(1);
  for (double t : {0.0, 100.0}) {
    MomentCurvatureCurve c;
    c.thrust = t;
    c.count = 3;
    const double ei = t == 0.0 ? 1e6 : 2e6;
    for (int k = 0; k < 3; ++k) {
      c.curvature[static_cast<std::size_t>(k)] = 1e-5 * (k + 1);
      c.ei[static_cast<std::size_t>(k)] = ei / (k + 1);  // softening: M constant beyond point 1
      c.moment[static_cast<std::size_t>(k)] = ei * 1e-5;
    }
    m->tables.section_tables[0].curves.push_back(c);
  }
  m->BuildPropertyTable();
  m->SetGeometry();
  return m;
}

TEST(FlexuralRigidity, TableLookupAndThrustInterpolation) {
  auto m = UserEiPile();
  PileNodes& n = m->nodes;
  // Small curvature everywhere: the first (elastic) stiffness of each table.
  n.ei.fill(1.0);
  n.y.fill(0.0);
  m->UpdateRigidity(0.0);
  EXPECT_DOUBLE_EQ(n.ei[At(10)], 1e9);  // kip-in^2 back to lb-in^2
  m->UpdateRigidity(50000.0);           // 50 kips: halfway between the tables
  EXPECT_DOUBLE_EQ(n.ei[At(10)], 1.5e9);
  m->UpdateRigidity(500000.0);  // above the highest thrust: the last table
  EXPECT_DOUBLE_EQ(n.ei[At(10)], 2e9);

  // A curvature of 2e-5 at node 10 beyond the first point: secant M/phi of
  // the table (M held at 10 kip-in), with node 10's moment above M1.
  n.ei.fill(1e9);
  n.y.fill(0.0);
  const double h2 = n.h * n.h;
  n.y[At(10)] = -2e-5 * h2 / 2.0;
  n.y[At(9)] = 0.0;
  n.y[At(11)] = 0.0;
  m->UpdateRigidity(0.0);
  EXPECT_NEAR(n.ei[At(10)], 10.0 / 2e-5 * 1000.0, 1e-3);  // M of the segment / phi, in lb-in^2
  EXPECT_DOUBLE_EQ(n.ei[At(3)], n.ei[At(2)]);             // the top nodes share node 2's stiffness
}

TEST(FlexuralRigidity, APileWithoutSectionsKeepsItsStiffness) {
  // No section, so no table: nothing to look up and nothing may be indexed.
  auto m = Pile(600.0, 100);
  m->SetGeometry();
  m->nodes.ei.fill(7.0);
  m->UpdateRigidity(1000.0);
  for (int k = 1; k <= m->nodes.count; ++k) ASSERT_EQ(m->nodes.ei[At(k)], 7.0) << k;
}

TEST(FlexuralRigidity, ElasticPlasticSections) {
  auto m = Pile(600.0, 100);
  PileSection s = ElasticSection(0.0, 600.0, 10.0, 10.0);
  s.type = kElasticPlastic;
  s.elastic.top_mp = s.elastic.bottom_mp = 1000.0;  // lb-in
  m->sections = {s};
  m->tables.section_tables.resize(1);
  MomentCurvatureCurve c;
  c.count = 1;
  c.moment[0] = 0.001;
  m->tables.section_tables[0].curves = {c};
  m->BuildPropertyTable();
  m->SetGeometry();
  PileNodes& n = m->nodes;
  const double ei = m->Properties(0.0).ei;
  n.ei.fill(ei);
  n.y.fill(0.0);
  // Node 20 bent to a curvature whose elastic moment exceeds Mp.
  const double phi = 3.0 * 1000.0 / ei;
  n.y[At(20)] = -phi * n.h * n.h / 2.0;
  m->UpdateRigidity(0.0);
  EXPECT_NEAR(n.ei[At(20)], 1000.0 / phi, 1e-9 * ei);  // |Mp / phi|
  EXPECT_DOUBLE_EQ(n.ei[At(40)], ei);                  // below Mp: the elastic stiffness
}

}  // namespace
}  // namespace tarvex
