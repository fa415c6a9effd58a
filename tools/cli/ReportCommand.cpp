#include "CliOptions.h"
#include "app/AppContext.h"
#include "app/Prompter.h"
#include "print/ReportJob.h"

#include <QString>
#include <filesystem>
#include <ostream>
#include <sstream>

namespace kpt740::cli {

namespace {

// Answers what a dialog asks while the report loads it as nobody is there to answer: the
// question is written to the error stream and gets its escape answer; no file is chosen.
class ConsolePrompter final : public Prompter {
public:
    explicit ConsolePrompter(std::ostream& err) : m_err(err) {}

    PromptAnswer ask(QWidget*, const PromptRequest& request) override {
        m_err << request.text.toStdString() << '\n';
        switch (request.buttons) {
        case PromptButtons::Ok:
            return PromptAnswer::Ok;
        case PromptButtons::YesNo:
            return PromptAnswer::No;
        default:
            return PromptAnswer::Cancel;
        }
    }
    QString fileName(QWidget*, const FileRequest&) override { return {}; }

private:
    std::ostream& m_err;
};

PrintSelection SelectionOf(const std::optional<std::string>& items) {
    PrintSelection selection{};
    if (!items) {
        selection.fill(true);
        return selection;
    }
    std::istringstream list(*items);
    std::string item;
    bool any = false;
    while (std::getline(list, item, ',')) {
        const bool number = !item.empty() && item.size() <= 2 &&
                            item.find_first_not_of("0123456789") == std::string::npos;
        const int index = number ? std::stoi(item) : -1;
        if (index < 0 || index >= kPrintItemCount) {
            throw UsageError("--items takes item numbers 0-9 separated by commas, not \"" + *items +
                             "\"");
        }
        selection[static_cast<std::size_t>(index)] = true;
        any = true;
    }
    if (!any) {
        throw UsageError("--items needs at least one item number");
    }
    return selection;
}

} // namespace

int CommandReport(const Options& options, std::ostream& out, std::ostream& err) {
    if (options.positional.size() != 2 || !options.output) {
        throw UsageError("report takes one configuration file and needs -o REPORT.pdf");
    }
    const int language = options.language.value_or(kEnglish);
    if (language != kEnglish && language != kSimplifiedChinese && language != kTraditionalChinese) {
        throw UsageError("--language takes 1 (English), 2 (Simplified Chinese) or 3 "
                         "(Traditional Chinese)");
    }
    const PrintSelection selection = SelectionOf(options.items);

    AppEnvironment environment = AppEnvironment::Production();
    environment.programFolder = options.programFolder;
    environment.prompter = std::make_shared<ConsolePrompter>(err);
    environment.ports = std::make_shared<NoPortLister>();
    AppContext context(std::move(environment));
    context.setLanguage(language);
    // Without its language file every label of the report would be empty.
    const std::filesystem::path languageFile =
        context.text.folder() / LanguageFileName(context.languageIndex());
    if (std::error_code error; !std::filesystem::is_regular_file(languageFile, error)) {
        throw std::runtime_error("cannot find the language file " + languageFile.string() +
                                 " (see --program-folder)");
    }
    Workspace& workspace = context.workspace;
    workspace.setOptions({options.programFolder, options.factoryFres});
    workspace.embedded = DefaultEmbeddedInfo(context.environment.today);
    workspace.ConfigFileName = options.positional[1];
    if (!workspace.LoadDataFile()) {
        throw std::runtime_error("file error.: cannot read " + options.positional[1] +
                                 " with its channel file");
    }

    const ReportDocument document = CollectReportDocument(context, context.prompter(), selection);
    const QString path = QString::fromStdString(*options.output);
    const std::optional<int> pages = PrintReportToPdf(ReportPrinter(), document, path);
    if (!pages) {
        throw std::runtime_error("cannot write " + *options.output);
    }
    if (*pages == 0) {
        throw std::runtime_error("the chosen items print no page (items 1 and 2 print "
                                 "nothing); no file written");
    }
    out << "Wrote " << *pages << (*pages == 1 ? " page" : " pages") << " to " << *options.output
        << '\n';
    return 0;
}

} // namespace kpt740::cli
