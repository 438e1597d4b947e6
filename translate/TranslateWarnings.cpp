#include "translate/TranslateWarnings.h"

#include "data/Numbers.h"
#include "data/PressureUnit.h"

namespace veltrane {

std::string WarningText(const TranslationWarning& warning) {
    using Kind = TranslationWarning::Kind;
    const std::string method = warning.m_method == TranslationMethod::Original ? "original" : "new";
    switch (warning.m_kind) {
        case Kind::PhaseRatios:
            return "Phase ratios differ by over 2%: elution order may change";
        case Kind::NoInletPressure:
            return "No inlet pressure gives the " + method + " method's " +
                   (warning.m_method == TranslationMethod::Original ? "flow or velocity"
                                                                    : "target");
        case Kind::NoFlow:
            return "No factor: the " + method + " method's carrier gas does not flow";
        case Kind::BelowAmbient:
            return "New inlet below ambient: use vacuum outlet or longer column";
        case Kind::AboveTypicalInlet:
            return FormatNumber("New inlet pressure above %.0f psi, the limit of a typical inlet",
                                kTypicalInletLimitPsi);
        case Kind::FactorDrifts:
            return std::string("Factor drifts by over 2% along the program (") +
                   (warning.m_control == CarrierControl::ConstantFlow ? "constant flow"
                                                                      : "constant pressure") +
                   ")";
        case Kind::RampDescends:
            return "Ramp " + std::to_string(warning.m_ramp + 1) +
                   " does not climb: the program ends before it";
        case Kind::NoGases:
            return "No carrier gases in gases.txt: both methods computed with helium";
    }
    return {};
}

std::string WarningsLine(const std::vector<TranslationWarning>& warnings) {
    std::string line;
    for (const TranslationWarning& warning : warnings)
        line += (line.empty() ? "" : "; ") + WarningText(warning);
    return line;
}

}  // namespace veltrane
