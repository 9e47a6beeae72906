// Setting up the stations of the finite-difference model for a solution, and
// the flexural-rigidity update from the moment-curvature tables.
#ifndef TARVEX_PILE_NODE_SETUP_HPP_
#define TARVEX_PILE_NODE_SETUP_HPP_

#include <vector>

#include "engine/model.hpp"

namespace tarvex {

// Node positions for the current pile length and increments: h = L / N,
// x(k) = (k - 1) h, z(k) = x(k) cos(batter), and the tip exactly at L.
void SetNodeGeometry(AnalysisModel& model);

// Integral over [a, b] of a piecewise-linear load profile (depth, load per
// length): zero outside its first and last depth; a step (two points at one
// depth) has no width.
double ProfileIntegral(const std::vector<DistributedLoadPoint>& profile, double a, double b);

// The distributed lateral load at a node at x: the profile averaged over the
// node's tributary length [x - h/2, x + h/2], always divided by h.
double NodeDistributedLoad(const std::vector<DistributedLoadPoint>& profile, double x, double h);

// Bending stiffness from the section table, the distributed load (when
// `with_loads`), the section of every node, zero deflections, starting soil
// moduli and the node-to-layer assignment.
void SetNodeProperties(AnalysisModel& model, bool with_loads);

// Starting soil moduli: 0 above the ground surface, 50000 below.
void SetStartingSoilModuli(AnalysisModel& model);

// First and last node of each soil layer, comparing layer depths with the
// vertical depth z of the nodes (or with their position x along the pile,
// for the p-y curves printed at requested depths).
void AssignNodesToLayers(AnalysisModel& model, bool by_position);

// The moment at node k from the deflections (0 at the tip).
double NodeMoment(const PileNodes& nodes, int k);

// Index (0-based) of the curve for axial thrust p among curves ascending by
// thrust: the one with t(i) <= p < t(i+1), the first when p <= t(1), the last
// when p >= t(last); -1 without curves.
int CurveLevel(const std::vector<MomentCurvatureCurve>& curves, double p);

// New flexural rigidity at every node from the moment-curvature tables of its
// section for the axial thrust q (computing units).
void UpdateFlexuralRigidity(AnalysisModel& model, double q);

}  // namespace tarvex

#endif  // TARVEX_PILE_NODE_SETUP_HPP_
