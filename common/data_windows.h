#pragma once

namespace corvalen {

class ToolRegistry;

// Registers the windows that data files describe wholly, in every toolbox
// folder of ":/data/": the sheets (sheets/*.sheet), the documents
// (docs/*.text) and the rich-text reference windows (texts/*.text). A file
// that cannot be read or parsed stops the program with the file, line and
// reason.
void registerDataWindows(ToolRegistry &registry);

} // namespace corvalen
