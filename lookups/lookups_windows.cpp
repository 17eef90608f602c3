#include "lookups/lookups_windows.h"

#include "lookups/industry_classification_window.h"

namespace corvalen {

void registerLookupsWindows(ToolRegistry &registry)
{
    registerIndustryClassificationWindow(registry);
}

} // namespace corvalen
