#include "report/py_curve_report.hpp"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "format/number_fields.hpp"
#include "soil/curve_report.hpp"

namespace tarvex {
namespace {

// What follows a y-p row whose p is the initial slope's.
constexpr std::string_view kMarked = "   *";

// A title of one line or two, two blank lines above it and one below.
void WriteTitle(const std::vector<std::string>& title, RecordWriter& report) {
  if (title.size() == 2) {
    report.Write("(//A/A/)", {title[0], title[1]});
  } else if (!title.empty()) {
    report.Write("(//A/)", {title[0]});
  }
}

void WriteParameter(const CurveParameter& v, RecordWriter& report) {
  if (v.aligned) {
    report.Write("(A,T56,'= ',$)", {v.label});
  } else {
    report.Text(v.label);
  }
  switch (v.form) {
    case CurveValueForm::kInteger:
      report.Integer(static_cast<long long>(v.value), v.width);
      break;
    case CurveValueForm::kFixed:
      report.Fixed(v.value, 12, v.decimals);
      break;
    case CurveValueForm::kExponent:
      report.Exponent(v.value, 12, v.decimals);
      break;
  }
  if (!v.unit_label.empty()) {
    report.Text(" ");
    report.Text(v.unit_label);
  }
  report.EndLine();
}

void WriteTableHeading(CurveTableHeading heading, const PyLabels& u, RecordWriter& report) {
  constexpr std::string_view kDashes = "----------------    -----------------";
  switch (heading) {
    case CurveTableHeading::kSoftClay:
      report.Write("(T6,'y, ',A,T25,'p, ',A)", {u.length, u.force_per_length});
      report.Write("(A)", {kDashes});
      break;
    case CurveTableHeading::kReeseSand:
      report.Write("(T10,'y, ',A,T26,'p, ',A)", {u.length, u.force_per_length});
      report.Write("(A)", {kDashes});
      break;
    case CurveTableHeading::kUserCurves:
      report.Write("(T7,'y, ',A,T25,'p, ',A)", {u.length, u.force_per_length});
      report.Write("(A)", {"----------------    ----------------"});
      break;
    case CurveTableHeading::kJoinedP:
      report.Write("(A,A,A,A)", {"        y, ", u.length, "             p,", u.force_per_length});
      report.Write("(A)", {kDashes});
      break;
    case CurveTableHeading::kJoinedPSpaced:
      report.Write("(A,A,A,1X,A)",
                   {"        y, ", u.length, "             p,", u.force_per_length});
      report.Write("(A)", {kDashes});
      break;
    case CurveTableHeading::kSpacedP:
      report.Write("(A,A,A,A)", {"        y, ", u.length, "            p, ", u.force_per_length});
      report.Write("(A)", {kDashes});
      break;
    case CurveTableHeading::kNarrow:
      report.Write("(A,A,T22,'p, ',A)", {"        y, ", u.length, u.force_per_length});
      report.Write("(A)", {"---------------   ---------------"});
      break;
  }
}

void WriteTable(const PyCurveResult& c, RecordWriter& report) {
  std::size_t marked = 0;  // the next of the marked points
  for (std::size_t k = 0; k < c.y.size(); ++k) {
    const double y = c.y[k], p = c.p[k];
    switch (c.rows) {
      case CurveTableRows::kAdaptive:
        report.Text("   ");
        WriteAdaptive(report, 12, y);
        report.Text("     ");
        WriteAdaptive(report, 12, p);
        break;
      case CurveTableRows::kFixed:
        report.Write("(F15.4,F17.3,$)", {y, p});
        break;
      case CurveTableRows::kFixedBothFour:
        report.Write("(F15.4,5X,F15.4,$)", {y, p});
        break;
    }
    if (marked < c.marked_points.size() && c.marked_points[marked] == static_cast<int>(k) + 1) {
      report.Text(kMarked);
      ++marked;
    }
    report.EndLine();
  }
}

}  // namespace

void WritePyCurvesHeading(RecordWriter& report) {
  report.Write("(80('-')/20X,A/80('-'))", {"p-y Curves Reported for Specified Depths"});
}

void WritePyCurve(UnitSystem units, const PyCurveResult& curve, RecordWriter& report) {
  const PyLabels labels = LabelsOf(units);
  for (const CurveLine& line : curve.lines) {
    const auto i = static_cast<std::size_t>(line.index);
    switch (line.kind) {
      case CurveLineKind::kTitle:
        WriteTitle(curve.title, report);
        break;
      case CurveLineKind::kParameter:
        WriteParameter(curve.parameters[i], report);
        break;
      case CurveLineKind::kText:
        report.Write("(A,T56,'= ',A)", {curve.texts[i].name, curve.texts[i].text});
        break;
      case CurveLineKind::kNote:
        for (const std::string& text : curve.notes[i].lines) report.Write("(A)", {text});
        break;
      case CurveLineKind::kBlank:
        report.Write("()");
        break;
      case CurveLineKind::kTableHeading:
        WriteTableHeading(curve.heading, labels, report);
        break;
      case CurveLineKind::kTable:
        WriteTable(curve, report);
        break;
    }
  }
}

void WritePyCurveLayerEnd(RecordWriter& report) { report.Write("(/)"); }

void WritePyCurveRecords(std::span<const PyCurveResult> curves, RecordWriter& plot) {
  plot.Write("(I5,75X,A)",
             {static_cast<int>(curves.size()), "Line 6 : number of output p-y curves"});
  for (const PyCurveResult& c : curves) {
    const int points = static_cast<int>(c.y.size());
    plot.Write("(E15.7,I5,60X,A,I0)", {c.depth, points, c.plot_line7, c.number});
    for (int k = 1; k <= points; ++k) {
      const double y = c.y[static_cast<std::size_t>(k - 1)];
      const double p = c.p[static_cast<std::size_t>(k - 1)];
      if (c.plot_narrow_point_numbers) {
        plot.Write("(2E15.7,20X,A,I2,A,A)", {y, p, "Line 8(", k, "): y, p, for ", c.plot_line8});
      } else {
        plot.Write("(2E15.7,50X,A,I0,A,A)", {y, p, "Line 8(", k, "): y, p, for ", c.plot_line8});
      }
    }
  }
}

void WriteCurveAboveGroundRecords(int stations, int station, double depth, RecordWriter& plot) {
  plot.Write("(I5,75X,A)", {stations, "Line 6 : number of output p-y curves"});
  plot.Write("(E15.7,I5,60X,A,I0)",
             {depth, 0, "Line 7:  p-y curve depth, no. p-y points on curve no. ", station});
}

}  // namespace tarvex
