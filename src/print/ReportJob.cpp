#include "print/ReportJob.h"

namespace kpt740 {

ReportDocument CollectReportDocument(AppContext& context, Prompter& prompter,
                                     const PrintSelection& selection) {
    ReportDocument document;
    document.header = CollectReportHeader(context);
    document.sections = CollectReport(context, prompter, selection);
    document.codeListTitle = PrintItemCaption(context, PrintItem::FiveTone);
    return document;
}

} // namespace kpt740
