#pragma once

#include "print/ReportPrinter.h"

namespace kpt740 {

class AppContext;
class Prompter;

// The report of the ticked items for the working configuration in the current language: the
// page header, the sections and the title of the 5-Tone code list pages.
ReportDocument CollectReportDocument(AppContext& context, Prompter& prompter,
                                     const PrintSelection& selection);

} // namespace kpt740
