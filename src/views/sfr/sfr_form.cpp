#include "views/sfr/sfr_form.h"

namespace varnolux {

const FormSettingsKeys& SfrFormKeys() {
    static const FormSettingsKeys keys{
        "SFR Placement",
        {"DisCol0", "DisCol1", "DisCol2", "DisCol3", "SelCol0", "SelCol1"},
        "AlwaysOnTopSF",
        "Get SFR form size failed",
        ""};
    return keys;
}

}  // namespace varnolux
