#include "section/section_errors.hpp"

namespace tarvex {
namespace {

// The force unit label of the section's values, 8 characters.
const char* ForceLabel(bool si) { return si ? " kN     " : " kips   "; }

}  // namespace

void WriteThrustCapacityError(RecordWriter& out, bool si, ErrorId id, int position, double thrust,
                              double capacity) {
  const bool compression =
      id == ErrorId::kThrustOverCompression || id == ErrorId::kLrfdThrustOverCompression;
  const bool lrfd_text = id != ErrorId::kThrustOverCompression;
  const bool factored =
      id == ErrorId::kLrfdThrustOverCompression || id == ErrorId::kLrfdThrustOverTension;
  out.Write("(//A/)", {ErrorHeading(id)});
  out.Write("(A,I0,A)", {lrfd_text ? "PROBLEM:  The axial thrust load for LRFD load case no. "
                                   : "PROBLEM:  The axial thrust load for load case no. ",
                         position,
                         compression ? " exceeds the axial structural capacity in compression."
                                     : " exceeds the axial structural capacity in tension."});
  const char* load = factored      ? "          Factored axial thrust load     = "
                     : compression ? "          Axial thrust load                  = "
                                   : "          Axial thrust load              = ";
  out.Write("(A,F15.3,A)", {load, thrust, ForceLabel(si)});
  out.Write("(A,F15.3,A/)", {compression ? "          Nominal axial compressive capacity = "
                                         : "          Nominal axial tensile capacity = ",
                             capacity, ForceLabel(si)});
  out.Write("(A/)", {"SOLUTION: Change the properties of the section to increase the axial "
                     "structural capacity."});
}

void WriteNoThrustInRangeError(RecordWriter& out, bool si, int n, const double* thrusts, int count,
                               double pn, double nt) {
  out.Write("(//A/)", {ErrorHeading(ErrorId::kNoThrustInRange)});
  out.Write("(A,I0,A)", {"PROBLEM:  No axial thrust of the input lies within the axial structural "
                         "capacities of section ",
                         n, ":"});
  out.Write("(A)", {"          its bending stiffness would be computed for no thrust at all."});
  for (int t = 0; t < count; ++t) {
    out.Write("(A,I3,A,F15.3,A)", {"          Axial thrust load", t + 1, "               = ",
                                   thrusts[t], ForceLabel(si)});
  }
  out.Write("(A,F15.3,A)", {"          Nominal axial compressive capacity = ", pn, ForceLabel(si)});
  out.Write("(A,F15.3,A/)",
            {"          Nominal axial tensile capacity     = ", nt, ForceLabel(si)});
  out.Write("(A)", {"SOLUTION: Give axial thrusts between the two capacities, or change the "
                    "properties of the"});
  out.Write("(A/)", {"          section to increase its axial structural capacity."});
}

void WriteNeutralAxisError(RecordWriter& out) {
  out.Write("(A/)", {ErrorHeading(ErrorId::kNeutralAxisNotFound)});
  out.Write("(A)", {"Location of neutral axis was not found within 1,000 iterations."});
}

void WritePrestressAreaError(RecordWriter& out, ErrorId id, double area) {
  out.Write("(//A/)", {ErrorHeading(id)});
  out.Write("(A)", {"An error occurred in prestressing computations"});
  out.Write("(A,F15.5)", {id == ErrorId::kConcreteAreaNegative
                              ? "The computed area of concrete in the section is less "
                                "than 0.0 = "
                              : "The computed area of steel in the section is less than "
                                "0.0 = ",
                          area});
}

}  // namespace tarvex
