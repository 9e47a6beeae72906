// Setting up the stations of the finite-difference model for a solution, and
// the flexural-rigidity update from the moment-curvature tables.
#ifndef TARVEX_PILE_NODE_SETUP_HPP_
#define TARVEX_PILE_NODE_SETUP_HPP_

#include <vector>

#include "core/derived_tables.hpp"
#include "core/input_model.hpp"
#include "core/moment_curvature.hpp"
#include "core/pile_nodes.hpp"
#include "format/record_writer.hpp"

namespace tarvex {

// Node positions for the pile length and increments: h = L / N,
// x(k) = (k - 1) h, z(k) = x(k) cos(batter), and the tip exactly at L.
void SetNodeGeometry(double pile_length, int increments, double batter_angle, PileNodes& nodes);

// Integral over [a, b] of a piecewise-linear load profile (depth, load per
// length): zero outside its first and last depth; a step (two points at one
// depth) has no width.
double ProfileIntegral(const std::vector<DistributedLoadPoint>& profile, double a, double b);

// The distributed lateral load at a node at x: the profile averaged over the
// node's tributary length [x - h/2, x + h/2], always divided by h.
double NodeDistributedLoad(const std::vector<DistributedLoadPoint>& profile, double x, double h);

// Bending stiffness from the section property table, the distributed load of
// the input (when `with_loads`), the section of every node, zero deflections,
// starting soil moduli and the node-to-layer assignment of the contiguous
// layers (whose diagnostic lines go to `report`).
void SetNodeProperties(const InputModel& input, const DerivedTables& tables, bool with_loads,
                       PileNodes& nodes, RecordWriter& report);

// Starting soil moduli: 0 above the ground surface, 50000 below.
void SetStartingSoilModuli(double ground_depth, PileNodes& nodes);

// The moment at node k from the deflections (0 at the tip).
double NodeMoment(const PileNodes& nodes, int k);

// Index (0-based) of the curve for axial thrust p among curves ascending by
// thrust: the one with t(i) <= p < t(i+1), the first when p <= t(1), the last
// when p >= t(last); -1 without curves.
int CurveLevel(const std::vector<MomentCurvatureCurve>& curves, double p);

// New flexural rigidity at every node from the moment-curvature tables of its
// section (and the section property table) for the axial thrust q
// (computing units).
void UpdateFlexuralRigidity(const std::vector<PileSection>& sections, const DerivedTables& tables,
                            UnitSystem units, double q, PileNodes& nodes);

}  // namespace tarvex

#endif  // TARVEX_PILE_NODE_SETUP_HPP_
