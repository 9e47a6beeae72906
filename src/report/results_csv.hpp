// The results of a run as CSV tables for spreadsheets: one row per load case,
// one row per node of a load case, with interaction diagrams one row per
// point of a diagram and one per demand on it, and with load steps one row
// per level of each load case's curve. The header row names each column with
// its unit in brackets ("head_deflection [in]"). In engineering units (the
// default) the values are converted by the run's display table and a value
// within the round-off of the largest of its kind in its case (or column) is
// 0; in computing units they are the JSON file's numbers, written so that
// they read back to the same double.
#ifndef TARVEX_REPORT_RESULTS_CSV_HPP_
#define TARVEX_REPORT_RESULTS_CSV_HPP_

#include <string>
#include <string_view>

#include "core/display_units.hpp"
#include "tarvex/results.hpp"

namespace tarvex {

// One row per load case: its loads, head deflection and rotation, largest
// moment and shear with their depths, iterations and status, and the
// pile-head stiffness (secant lateral and rotational, tangent K22, K23, K32,
// K33; empty where absent).
std::string RenderCasesCsv(const RunResults& results, ShownUnits shown = ShownUnits::kEngineering);

// One row per node of the load case, head to tip.
std::string RenderNodesCsv(const RunResults& results, const LoadCaseResult& load_case,
                           ShownUnits shown = ShownUnits::kEngineering);

// Whether any section has an interaction result (ComputeInteraction YES).
bool HasInteraction(const RunResults& results);

// The interaction diagrams: one row per point of each section's diagram,
// nominal and factored, with the strength reduction factor phi where the
// code has one.
std::string RenderInteractionCsv(const RunResults& results,
                                 ShownUnits shown = ShownUnits::kEngineering);

// The load cases' demands on the sections' diagrams: one row per section
// and load case with its utilisation and pass or fail.
std::string RenderDemandsCsv(const RunResults& results,
                             ShownUnits shown = ShownUnits::kEngineering);

// Whether any load case has a load-deflection curve (load steps).
bool HasLoadCurves(const RunResults& results);

// The load-deflection curves: one row per load case and level that
// converged, then a row for the level that failed (empty values, the error's
// identity as its status).
std::string RenderLoadCurvesCsv(const RunResults& results,
                                ShownUnits shown = ShownUnits::kEngineering);

// The soil layers' input values: one row per value of each layer, at its
// top and bottom, in the unit of the input (pcf, psf, pci; kN/m^3, kPa) in
// engineering units, each row naming its unit.
std::string RenderLayersCsv(const RunResults& results, ShownUnits shown = ShownUnits::kEngineering);

// The LRFD load groups as input and their totals by load type: one row per
// group ("group"), then one per load type ("total").
std::string RenderLrfdGroupsCsv(const RunResults& results,
                                ShownUnits shown = ShownUnits::kEngineering);

// The LRFD combinations: one row per combination with its load factor of
// each load type, its resistance factors as input and as used, its factored
// loads and its pile-head loads with their thrust level.
std::string RenderLrfdCombinationsCsv(const RunResults& results,
                                      ShownUnits shown = ShownUnits::kEngineering);

// Whether any load case has distributed loads by LRFD load type.
bool HasLrfdDistributedLoads(const RunResults& results);

// The distributed lateral loads of the LRFD combinations by load type at the
// nodes, unfactored: one row per load case, load type and node where the
// load is not 0.
std::string RenderLrfdDistributedLoadsCsv(const RunResults& results,
                                          ShownUnits shown = ShownUnits::kEngineering);

// Fields of a CSV row: a number in the shortest text that reads back to the
// same double (empty for a value that is not finite), and a text quoted when
// it holds a comma, a quote or a line end.
void AppendCsvNumber(std::string& line, double v);
void AppendCsvText(std::string& line, std::string_view text);

}  // namespace tarvex

#endif  // TARVEX_REPORT_RESULTS_CSV_HPP_
