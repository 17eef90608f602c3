#include "lookups/lookups_windows.h"

#include "lookups/consulting_fee_window.h"
#include "lookups/hazardous_waste_window.h"
#include "lookups/industry_catalogue_window.h"
#include "lookups/industry_classification_window.h"
#include "lookups/unit_converter_window.h"
#include "lookups/unit_formula_window.h"

namespace corvalen {

void registerLookupsWindows(ToolRegistry &registry)
{
    registerIndustryCatalogueWindow(registry);
    registerIndustryClassificationWindow(registry);
    registerHazardousWasteWindow(registry);
    registerUnitConverterWindow(registry);
    registerConsultingFeeWindow(registry);
    registerUnitFormulaWindows(registry);
}

} // namespace corvalen
